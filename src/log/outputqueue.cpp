// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputqueue.h"

#include <algorithm>

namespace {
// Taken text is dropped from the front of an item once there is this much of it.
constexpr qsizetype compactAt = 1024 * 1024;
} // namespace

bool OutputQueue::ready() const
{
    if (waiting.isEmpty())
        return false;
    const Waiting &first = waiting.first();
    return !first.open || first.text.lastIndexOf('\n') + 1 > first.done;
}

bool OutputQueue::addOutput(const QString &text, int channel)
{
    if (!waiting.isEmpty() && waiting.last().open && waiting.last().channel == channel) {
        waiting.last().text += text;
    } else {
        closeLast();
        waiting.append({text, channel});
    }
    return waiting.last().open = !text.endsWith('\n');
}

void OutputQueue::addNote(const QString &text)
{
    closeLast();
    waiting.append({text});
}

void OutputQueue::addFunction(QObject *context, const std::function<void()> &function)
{
    closeLast();
    waiting.append({QString(), -1, false, 0, function, context});
}

bool OutputQueue::closeLast()
{
    if (waiting.isEmpty() || !waiting.last().open)
        return false;
    waiting.last().open = false;
    return true;
}

QList<OutputQueue::Piece> OutputQueue::take(qsizetype size)
{
    QList<Piece> pieces;
    qsizetype room = size;
    while (!waiting.isEmpty() && room > 0) {
        Waiting &next = waiting.first();
        if (next.channel < 0) {
            Waiting taken = waiting.takeFirst();
            pieces.append({taken.text, false, taken.then, taken.context});
            continue;
        }
        const qsizetype end = next.open ? next.text.lastIndexOf('\n') + 1 : next.text.size();
        if (end <= next.done)
            break;
        qsizetype cut = std::min(end, next.done + room);
        if (cut < end) {
            const qsizetype lineEnd = next.text.lastIndexOf('\n', cut - 1) + 1;
            if (lineEnd > next.done)
                cut = lineEnd;
            else if (room < size)
                break;
            else if (next.text.at(cut - 1).isHighSurrogate())
                --cut;
        }
        pieces.append({next.text.sliced(next.done, cut - next.done), true});
        room -= cut - next.done;
        next.done = cut;
        if (next.done == next.text.size() && !next.open) {
            waiting.removeFirst();
        } else if (next.done > compactAt) {
            next.text.remove(0, next.done);
            next.done = 0;
        }
    }
    return pieces;
}
