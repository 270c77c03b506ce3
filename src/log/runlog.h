// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputqueue.h"

#include <QObject>
#include <QTextBlock>

#include <functional>

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
class RunLog : public QObject
{
    Q_OBJECT

public:
    RunLog(QTextEdit *view, QObject *parent);
    ~RunLog() override;

    // Empties the log, and drops whatever waits.
    void clear();
    // What yt-dlp printed on one of its channels (0 standard output, 1 standard error), read as a
    // terminal reads it; each run of its lines goes in as a paragraph, trimmed, and the view drops
    // any selection and shows the end.
    void appendOutput(const QString &text, int channel);
    // Kavari's own line leaves the cursor alone, but a view that showed the end keeps showing it,
    // so that the outcome is never hidden just below the visible part. In at once if nothing waits.
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
    void showEnd(bool output, bool wasAtEnd);
    void disposeRetired();

    QTextEdit *view;
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
