// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QTextEdit;
class QTimer;

// The log of the current or last run, always plain text: yt-dlp prints titles, and a title with
// markup must neither vanish nor restyle the log.
//
// Laying out text is the window's costliest work, so output goes in in slices of a few
// milliseconds, never as it is read: the window paints and takes clicks between them. What waits is
// kept in order, Kavari's own lines behind the output before them, and cut at line ends: a line
// that a read of the pipe cut in two waits for its end, until nothing more comes for a moment.
class RunLog : public QObject
{
    Q_OBJECT

public:
    RunLog(QTextEdit *view, QObject *parent);

    // Empties the log, and drops whatever waits.
    void clear();
    // What yt-dlp printed on one of its channels (0 standard output, 1 standard error); each piece
    // of it goes in as a paragraph, trimmed, and the view drops any selection and shows the end.
    void appendOutput(const QString &text, int channel);
    // Kavari's own line leaves the cursor alone, but a view that showed the end keeps showing it,
    // so that the outcome is never hidden just below the visible part. In at once if nothing waits.
    void appendNote(const QString &text);
    // Runs the function once everything appended so far is in the log: at once when nothing waits.
    void whenShown(QObject *context, const std::function<void()> &function);
    // Everything that waits, in at once.
    void flush();

private:
    struct Waiting
    {
        QString text;
        // The output's channel; -1 for a line of Kavari's own or a function to run.
        int channel = -1;
        // Output whose last line has not ended yet; only the last of what waits can be open.
        bool open = false;
        // How much of the text is in the log already.
        qsizetype done = 0;
        std::function<void()> then = {};
        QPointer<QObject> context = {};
    };
    // Appends up to size characters of what waits.
    void appendSlice(qsizetype size);
    // Whether the first of what waits can go in now.
    bool ready() const;
    // The open line of the last output goes in as it is.
    void closeLast();
    void append(const QString &text);
    void showEnd(bool output, bool wasAtEnd);

    QTextEdit *view;
    QTimer *nextSlice;
    QTimer *lineEnd;
    QList<Waiting> waiting;
    // Characters of one slice, adjusted to the time the last slice took.
    qsizetype sliceSize = 16 * 1024;
};
