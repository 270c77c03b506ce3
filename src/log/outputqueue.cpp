// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputqueue.h"

#include <QLocale>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <climits>
#include <utility>

namespace {
// Lines are gathered into pieces of about this many characters: taking a slice from the front of
// a piece never moves what is behind it.
constexpr qsizetype pieceSize = 64 * 1024;

// Below the combining marks, each UTF-16 unit is a character of its own.
bool isSimple(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar character) { return character.unicode() < 0x300; });
}

// Where each character the user sees begins in text, and text's end.
QList<qsizetype> characterStarts(QStringView text)
{
    QList<qsizetype> starts;
    if (!text.isEmpty())
        starts << 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype next = finder.toNextBoundary(); next > 0 && next < text.size();
         next = finder.toNextBoundary())
        starts << next;
    starts << text.size();
    return starts;
}
} // namespace

bool OutputQueue::isEmpty() const
{
    return waiting.isEmpty() && !lines[0].changed && !lines[1].changed;
}

// Each line feed and carriage return is found once, however many of the other kind a read holds.
bool OutputQueue::addOutput(QStringView text, int channel)
{
    Line &line = lines[channel];
    // The next of each, or the text's end where there is none.
    qsizetype feed = -1, carriage = -1;
    const auto next = [&text](char16_t character, qsizetype from) {
        const qsizetype found = text.indexOf(character, from);
        return found < 0 ? text.size() : found;
    };
    for (qsizetype at = 0; at < text.size();) {
        if (line.returned) {
            line.returned = false;
            if (text[at] == u'\n') {
                end(channel);
                ++at;
                continue;
            }
            line.column = 0;
        }
        if (feed < at)
            feed = next(u'\n', at);
        if (carriage < at)
            carriage = next(u'\r', at);
        const qsizetype stop = std::min(feed, carriage);
        write(line, text.sliced(at, stop - at));
        if (stop == text.size())
            break;
        if (stop == feed)
            end(channel);
        else
            line.returned = true;
        at = stop + 1;
    }
    return lines[0].changed || lines[1].changed;
}

// At the line's column: over what is there, then beyond it, as long as the line has room.
void OutputQueue::write(Line &line, QStringView text)
{
    if (text.isEmpty())
        return;
    line.changed = true;
    if (line.simple && isSimple(text)) {
        const qsizetype column = std::min(line.column, line.text.size());
        const qsizetype over = std::min(line.text.size() - column, text.size());
        line.text.replace(column, over, text.constData(), over);
        if (line.column + over == line.text.size())
            line.text += text.sliced(over).first(std::min(lineLimit - line.text.size(), text.size() - over));
        line.kept = line.text.size();
    } else {
        line.simple = false;
        const QList<qsizetype> written = characterStarts(text);
        const qsizetype count = written.size() - 1;
        const QList<qsizetype> kept = characterStarts(line.text);
        qsizetype over = 0;
        if (line.column < line.kept) {
            over = std::min(line.kept - line.column, count);
            const qsizetype from = kept[line.column];
            line.text.replace(from, kept[line.column + over] - from, text.constData(), written[over]);
        }
        if (line.column + over == line.kept) {
            qsizetype last = over;
            while (last < count && line.text.size() + written[last + 1] - written[over] <= lineLimit)
                ++last;
            line.text += text.sliced(written[over], written[last] - written[over]);
        }
        // What was written may join the character before it, as an accent does its letter.
        line.kept = characterStarts(line.text).size() - 1;
        line.column += count;
        line.length = std::max(line.length, line.column);
        return;
    }
    line.column += text.size();
    line.length = std::max(line.length, line.column);
}

QString OutputQueue::shown(const Line &line) const
{
    const qsizetype left = line.length - line.kept;
    if (left <= 0)
        return line.text;
    // On a line of its own in the same paragraph, which a later state of the line replaces whole.
    return line.text + QChar::LineSeparator +
        tr("… %1 more characters not shown").arg(QLocale().toString(left));
}

void OutputQueue::end(int channel)
{
    Line &line = lines[channel];
    const QString text = shown(line) + '\n';
    // A run of one channel's lines goes in pieces of a few pages.
    if (!line.shown && !waiting.isEmpty() && waiting.last().channel == channel && !waiting.last().open &&
        waiting.last().text.size() < pieceSize)
        waiting.last().text += text;
    else
        waiting.append({text, channel, line.shown});
    ++lineCount;
    line = Line();
}

void OutputQueue::addNote(const QString &text)
{
    closeAll();
    waiting.append({text});
}

void OutputQueue::addFunction(QObject *context, const std::function<void()> &function)
{
    closeAll();
    waiting.append({QString(), -1, false, false, function, context});
}

bool OutputQueue::showOpen()
{
    bool any = false;
    for (int channel : {0, 1}) {
        Line &line = lines[channel];
        if (!line.changed)
            continue;
        waiting.append({shown(line), channel, line.shown, true});
        line.shown = true;
        line.changed = false;
        any = true;
    }
    return any;
}

void OutputQueue::closeAll()
{
    for (int channel : {0, 1}) {
        if (lines[channel].changed)
            end(channel);
        lines[channel] = Line();
    }
}

QList<OutputQueue::Piece> OutputQueue::take(qsizetype size)
{
    QList<Piece> pieces;
    qsizetype room = size;
    if (dropped > 0)
        pieces.append({tr("… %Ln lines not shown: they came faster than the log could show them", "",
                          int(std::min<qsizetype>(std::exchange(dropped, 0), INT_MAX)))});
    while (!waiting.isEmpty() && room > 0) {
        Piece &next = waiting.first();
        if (next.channel < 0 || next.open) {
            room -= next.text.size();
            pieces.append(waiting.takeFirst());
            continue;
        }
        qsizetype cut = next.text.size();
        if (cut - done > room) {
            cut = next.text.lastIndexOf(u'\n', done + room - 1) + 1;
            // A line longer than a slice goes alone.
            if (cut <= done && room == size)
                cut = next.text.indexOf(u'\n', done) + 1;
            if (cut <= done)
                break;
        }
        Piece piece = next;
        // Without the line feed of its last line.
        piece.text = next.text.sliced(done, cut - done - 1);
        piece.continues = next.continues && done == 0;
        pieces.append(piece);
        lineCount -= piece.text.count(u'\n') + 1;
        room -= cut - done;
        done = cut;
        if (done == next.text.size()) {
            waiting.removeFirst();
            done = 0;
        }
    }
    return pieces;
}

void OutputQueue::dropOldest(qsizetype keep)
{
    for (qsizetype at = 0; at < waiting.size() && lineCount > keep;) {
        Piece &piece = waiting[at];
        if (piece.channel < 0 || piece.open) {
            ++at;
            continue;
        }
        const qsizetype from = at == 0 ? done : 0;
        qsizetype lines = piece.text.sliced(from).count(u'\n');
        if (lines > lineCount - keep) {
            // The first lines of the piece only.
            lines = lineCount - keep;
            qsizetype cut = from;
            for (qsizetype line = 0; line < lines; ++line)
                cut = piece.text.indexOf(u'\n', cut) + 1;
            piece.text.remove(from, cut - from);
            piece.continues = false;
        } else {
            if (at == 0)
                done = 0;
            waiting.removeAt(at);
        }
        lineCount -= lines;
        dropped += lines;
    }
}

void OutputQueue::clear()
{
    waiting.clear();
    lineCount = 0;
    dropped = 0;
    done = 0;
    lines[0] = Line();
    lines[1] = Line();
}
