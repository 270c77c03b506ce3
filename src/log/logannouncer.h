// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QTextEdit;
class QTimer;

// What a screen reader learns of the log while lines come: at most a few times a second, the last
// line that came and where the caret is. Qt would send every slice's whole text, megabytes a
// second in a flood, and a screen reader's calls would wait behind them on the bus for seconds;
// the log's edits are therefore made without telling the view, and told here instead.
class LogAnnouncer : public QObject
{
    Q_OBJECT

public:
    LogAnnouncer(QTextEdit *view, QObject *parent);

    // The log was edited.
    void changed();

private:
    void announce();

    QTextEdit *view;
    QTimer *pause;
    bool pending = false;
    int caret = -1;
};
