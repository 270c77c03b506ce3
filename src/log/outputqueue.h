// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

// What waits to be shown in the log, in the order it came: the lines of yt-dlp's two channels,
// Kavari's own lines, and functions to run once all before them is shown.
//
// Output is read as a terminal shows it. A line ends at a line feed; a carriage return alone goes
// back to the line's start, and what follows overwrites it, so a line redrawn a million times is
// one line in its last state; columns count characters as the user sees them, so that an emoji or
// a letter with its accents is overwritten whole. A line keeps at most lineLimit UTF-16 units, cut
// between characters, followed by a line that says how many more characters it had; those are
// counted, never kept. Each channel's line waits for its end, unless it is shown as it stands, to
// be continued in place, or closed.
class OutputQueue
{
    Q_DECLARE_TR_FUNCTIONS(OutputQueue)

public:
    // yt-dlp's lines are a few hundred characters at most; 64 Ki of them are a screenful of wrapped
    // lines many times over, and cost a fraction of a millisecond to lay out.
    static constexpr qsizetype lineLimit = 64 * 1024;

    struct Piece
    {
        // Output: whole lines, each but the last ended by a line feed; Kavari's own line as it is.
        QString text;
        // 0 standard output, 1 standard error; -1 for Kavari's own line or a function.
        int channel = -1;
        // Its first line is the channel's line shown before as it stood, now further on.
        bool continues = false;
        // The channel's line as it stands, to be continued.
        bool open = false;
        std::function<void()> then = {};
        QPointer<QObject> context = {};
    };

    // Nothing waits, not even a line that has not ended.
    bool isEmpty() const;
    // Something can be taken now.
    bool ready() const { return !waiting.isEmpty(); }
    // Output of a channel; true when a line of it waits for its end without being shown.
    bool addOutput(QStringView text, int channel);
    // Closes the channels' lines first: Kavari's own line and the function come after them.
    void addNote(const QString &text);
    void addFunction(QObject *context, const std::function<void()> &function);
    // Drops the oldest lines that have ended and wait, until no more than keep wait; what is taken
    // next begins with a line that says how many. Kavari's own lines and the functions stay.
    void dropOldest(qsizetype keep);
    // Each channel's line that has not ended goes as it stands, to be continued; false when none waited.
    bool showOpen();
    // Each channel's line goes as it stands, and what follows starts a line of its own.
    void closeAll();
    // Whole lines, up to size characters but at least one line, a piece per run of one channel's
    // lines, with the notes and functions that come between.
    QList<Piece> take(qsizetype size);
    void clear();

private:
    struct Line
    {
        QString text;
        // In characters: as written, what was left out included; where the next write goes; in text.
        qsizetype length = 0;
        qsizetype column = 0;
        qsizetype kept = 0;
        // Each UTF-16 unit of text is a character of its own.
        bool simple = true;
        // A carriage return that may yet be followed by a line feed.
        bool returned = false;
        // Shown as it stood, and written to since.
        bool shown = false;
        bool changed = false;
    };
    void write(Line &line, QStringView text);
    void end(int channel);
    QString shown(const Line &line) const;

    QList<Piece> waiting;
    // The front piece's text that is taken already.
    qsizetype done = 0;
    qsizetype lineCount = 0;
    // Dropped since the last take.
    qsizetype dropped = 0;
    Line lines[2];
};
