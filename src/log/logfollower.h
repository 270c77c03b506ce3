// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QTextEdit;

// Keeps the log's end in view while the user is there, as a terminal does: new lines, Kavari's
// own included, and a paragraph above that turns out taller once shaped never push the end out of
// sight. A user who scrolls up, moves the caret away from the end or selects stays where they are,
// with their selection, whatever comes; back at the end (Ctrl+End, the scroll bar at its bottom),
// the log follows again.
class LogFollower : public QObject
{
    Q_OBJECT

public:
    LogFollower(QTextEdit *view, QObject *parent);

    bool isFollowing() const { return following; }
    // Shows the end if the log follows it; to be called after the log has grown.
    void showEnd();
    // A fresh document: the log follows its end.
    void reset();
    // Content above the view grew or shrank by change from top on: what the user sees stays.
    void moved(qreal top, qreal change);

private:
    void scrolledTo(int value);
    void caretMoved();
    void setValue(int value);

    QTextEdit *view;
    bool following = true;
    // The scroll bar moves for the log, not for the user.
    bool moving = false;
};
