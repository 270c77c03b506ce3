// SPDX-License-Identifier: GPL-3.0-or-later
#include "lineclicks.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>

LineClicks::LineClicks(QTextEdit *view, QObject *parent)
    : QObject(parent)
    , view(view)
{
    view->viewport()->installEventFilter(this);
}

bool LineClicks::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonDblClick && event->type() != QEvent::MouseButtonPress)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QPoint point = mouse->position().toPoint();
    if (event->type() == QEvent::MouseButtonDblClick) {
        sinceDoubleClick.start();
        doubleClickedAt = point;
        return false;
    }
    if (!sinceDoubleClick.isValid() || sinceDoubleClick.elapsed() >= QApplication::doubleClickInterval() ||
        (point - doubleClickedAt).manhattanLength() >= QApplication::startDragDistance())
        return false;
    sinceDoubleClick.invalidate();
    selectLineAt(point);
    return true;
}

// With the line's end, as Qt's own triple-click takes a paragraph's.
void LineClicks::selectLineAt(const QPoint &point)
{
    QTextCursor line = view->cursorForPosition(point);
    const QTextBlock block = line.block();
    const QString text = block.text();
    const int at = line.position() - block.position();
    const int start = at > 0 ? int(text.lastIndexOf(QChar::LineSeparator, at - 1)) + 1 : 0;
    int end = int(text.indexOf(QChar::LineSeparator, at));
    if (end < 0)
        end = int(text.size()) - (block.next().isValid() ? 0 : 1);
    line.setPosition(block.position() + start);
    line.setPosition(block.position() + end + 1, QTextCursor::KeepAnchor);
    view->setTextCursor(line);
    QClipboard *clipboard = QApplication::clipboard();
    if (clipboard->supportsSelection())
        clipboard->setText(view->textCursor().selection().toPlainText(), QClipboard::Selection);
}
