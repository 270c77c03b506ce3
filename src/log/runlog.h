// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputqueue.h"

#include <QObject>
#include <QTextBlock>

#include <functional>

class LogAnnouncer;
class LogFollower;
class QTextDocument;
class QTextEdit;
class QThread;
class QTimer;

// The log of the current or last run, always plain text: yt-dlp prints titles, and a title with
// markup must neither vanish nor restyle the log.
//
// Laying out text is the window's costliest work, so output goes in in slices of a few
// milliseconds, never as it is read: the window paints and takes clicks between them. A line that
// a read of the pipe cut in two waits for its end until nothing more comes for a moment; then it
// is shown as it stands, and what comes later of it, a redraw after a carriage return included,
// changes that paragraph in place.
//
// Whatever a tool prints, the log holds no more than about keptLines lines (and 96 characters a line
// on average): beyond that, it starts anew with the last hundredth of them, under a first line
// that says how many earlier lines were not kept. Output that waits to be shown is bounded too: past
// a tenth of that, the oldest that waits goes unshown, with a line that says how much.
class RunLog : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype defaultKeptLines = 1000000;

    RunLog(QTextEdit *view, QObject *parent, qsizetype keptLines = defaultKeptLines);
    ~RunLog() override;

    // Empties the log, and drops whatever waits.
    void clear();
    // What yt-dlp printed on one of its channels (0 standard output, 1 standard error), read as a
    // terminal reads it, exactly: blanks and blank lines as they were.
    void appendOutput(const QString &text, int channel);
    // Kavari's own lines, as they are. In at once if nothing waits.
    void appendNote(const QString &text);
    // Runs the function once everything appended so far is in the log: at once when nothing waits.
    void whenShown(QObject *context, const std::function<void()> &function);
    // Everything that waits, in at once.
    void flush();

private:
    void useLayout(QTextDocument *document);
    void appendSlice(qsizetype size);
    void scheduleSlice();
    void showOpenLines();
    void append(const QString &text);
    void appendLines(const OutputQueue::Piece &piece);
    void edited();
    qsizetype keptCharacters() const;
    void keepTail(qsizetype kept);
    QTextDocument *freshDocument();
    void disposeRetired();

    QTextEdit *view;
    LogFollower *follower;
    LogAnnouncer *announcer;
    const qsizetype keptLines;
    // Printed lines in the document, and those that it no longer keeps.
    qsizetype lines = 0;
    qsizetype notKept = 0;
    QTimer *nextSlice;
    QTimer *lineEnd;
    OutputQueue waiting;
    // Characters of one slice, adjusted to the time the last slice took.
    qsizetype sliceSize = 256 * 1024;
    // Each channel's line shown as it stood, to be continued in place.
    QTextBlock openLine[2];
    // Documents of the runs before, not yet handed over to be freed.
    QList<QTextDocument *> retired;
    // Where the documents of the runs before go to be freed.
    QThread *disposal = nullptr;
    // Lives there, as what runs there does.
    QObject *disposer = nullptr;
};
