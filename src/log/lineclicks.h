// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>

class QTextEdit;

// A triple-click in the log selects the printed line under it, wrapped or not, as a terminal's
// does: the log keeps dozens of lines in one paragraph, which Qt's own triple-click would select
// whole.
class LineClicks : public QObject
{
    Q_OBJECT

public:
    LineClicks(QTextEdit *view, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectLineAt(const QPoint &point);

    QTextEdit *view;
    QElapsedTimer sinceDoubleClick;
    QPoint doubleClickedAt;
};
