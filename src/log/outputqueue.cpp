// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputqueue.h"

#include <QLocale>

#include <algorithm>

namespace {
// Lines are gathered into pieces of about this many characters: taking a slice from the front of
// a piece never moves what is behind it.
constexpr qsizetype pieceSize = 64 * 1024;
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
    const qsizetype end = line.column + text.size();
    qsizetype column = line.column;
    if (column < line.text.size()) {
        const qsizetype over = std::min(line.text.size() - column, text.size());
        line.text.replace(column, over, text.constData(), over);
        column += over;
        text = text.sliced(over);
    }
    if (!text.isEmpty() && column == line.text.size()) {
        qsizetype room = std::min(lineLimit - line.text.size(), text.size());
        // Never half a character.
        if (room > 0 && room < text.size() && text[room - 1].isHighSurrogate())
            --room;
        line.text += text.first(room);
    }
    line.column = end;
    line.length = std::max(line.length, end);
}

QString OutputQueue::shown(const Line &line) const
{
    const qsizetype left = line.length - line.text.size();
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
        room -= cut - done;
        done = cut;
        if (done == next.text.size()) {
            waiting.removeFirst();
            done = 0;
        }
    }
    return pieces;
}

void OutputQueue::clear()
{
    waiting.clear();
    done = 0;
    lines[0] = Line();
    lines[1] = Line();
}
