// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

// What waits to be shown in the log, in the order it came: the output of yt-dlp's two channels,
// Kavari's own lines, and functions to run once all before them is shown. Output is handed out cut
// at line ends: a line that a read of the pipe cut in two waits for its end until it is closed,
// which a line of Kavari's own, a function, or output of the other channel does too.
class OutputQueue
{
public:
    struct Piece
    {
        QString text;
        bool output = false;
        std::function<void()> then = {};
        QPointer<QObject> context = {};
    };

    bool isEmpty() const { return waiting.isEmpty(); }
    // Whether anything can be taken now: not only an open line.
    bool ready() const;
    // Output of a channel (0 standard output, 1 standard error); true when its last line is open.
    bool addOutput(const QString &text, int channel);
    void addNote(const QString &text);
    void addFunction(QObject *context, const std::function<void()> &function);
    // The open last line goes as it is; false when there was none.
    bool closeLast();
    // Up to size characters of output, a piece per item, cut at a line end (a line longer than
    // size anywhere but inside a character), with the notes and functions that come between.
    QList<Piece> take(qsizetype size);
    void clear() { waiting.clear(); }

private:
    struct Waiting
    {
        QString text;
        // The output's channel; -1 for a line of Kavari's own or a function.
        int channel = -1;
        // Output whose last line has not ended; only the last of what waits can be open.
        bool open = false;
        // How much of the text is taken already.
        qsizetype done = 0;
        std::function<void()> then = {};
        QPointer<QObject> context = {};
    };
    QList<Waiting> waiting;
};
