// SPDX-License-Identifier: GPL-3.0-or-later
#include "logfollower.h"

#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>

LogFollower::LogFollower(QTextEdit *view, QObject *parent)
    : QObject(parent)
    , view(view)
{
    QScrollBar *bar = view->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &LogFollower::scrolledTo);
    connect(bar, &QScrollBar::rangeChanged, this, &LogFollower::showEnd);
    connect(view, &QTextEdit::cursorPositionChanged, this, &LogFollower::caretMoved);
    connect(view, &QTextEdit::selectionChanged, this, &LogFollower::caretMoved);
}

void LogFollower::showEnd()
{
    if (following)
        setValue(view->verticalScrollBar()->maximum());
}

void LogFollower::reset()
{
    following = true;
    showEnd();
}

void LogFollower::moved(qreal top, qreal change)
{
    QScrollBar *bar = view->verticalScrollBar();
    if (!following && top < bar->value())
        setValue(bar->value() + int(std::lround(change)));
}

// The caret at the end leaves the view a margin short of the bottom.
void LogFollower::scrolledTo(int value)
{
    if (!moving)
        following =
            value >= view->verticalScrollBar()->maximum() - std::ceil(view->document()->documentMargin());
}

void LogFollower::caretMoved()
{
    const QTextCursor caret = view->textCursor();
    following = caret.atEnd() && !caret.hasSelection();
    showEnd();
}

void LogFollower::setValue(int value)
{
    moving = true;
    view->verticalScrollBar()->setValue(value);
    moving = false;
}
