// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QTextEdit;

// The log of the current or last run, always plain text: yt-dlp prints titles, and a title with
// markup must neither vanish nor restyle the log.
class RunLog : public QObject
{
    Q_OBJECT

public:
    RunLog(QTextEdit *view, QObject *parent);

    void clear();
    // What yt-dlp printed, as one paragraph: the view drops any selection and shows the end.
    void appendOutput(const QString &text);
    // Kavari's own line leaves the cursor alone, but a view that showed the end keeps showing it,
    // so that the outcome is never hidden just below the visible part.
    void appendNote(const QString &text);

private:
    void append(const QString &text);

    QTextEdit *view;
};
