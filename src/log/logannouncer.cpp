// SPDX-License-Identifier: GPL-3.0-or-later
#include "logannouncer.h"

#include <QAccessible>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <utility>

namespace {
constexpr int pauseMs = 250;
} // namespace

LogAnnouncer::LogAnnouncer(QTextEdit *view, QObject *parent)
    : QObject(parent)
    , view(view)
    , pause(new QTimer(this))
{
    pause->setSingleShot(true);
    pause->setInterval(pauseMs);
    connect(pause, &QTimer::timeout, this, [this] {
        if (std::exchange(pending, false))
            announce();
    });
}

// The first change at once, then one a pause.
void LogAnnouncer::changed()
{
    if (!QAccessible::isActive())
        return;
    if (pause->isActive()) {
        pending = true;
        return;
    }
    announce();
}

void LogAnnouncer::announce()
{
    pause->start();
    // The log ends in an empty paragraph; its last line is the one before.
    const QTextBlock last = view->document()->lastBlock().previous();
    if (last.isValid()) {
        const QString text = last.text();
        const qsizetype start = text.lastIndexOf(QChar::LineSeparator) + 1;
        QAccessibleTextInsertEvent inserted(view, last.position() + int(start), text.sliced(start));
        QAccessible::updateAccessibility(&inserted);
    }
    const int position = view->textCursor().position();
    if (position != std::exchange(caret, position)) {
        QAccessibleTextCursorEvent moved(view, position);
        QAccessible::updateAccessibility(&moved);
    }
}
