// SPDX-License-Identifier: GPL-3.0-or-later
#include "runlog.h"

#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#ifdef __GLIBC__
#include <malloc.h>
#endif

RunLog::RunLog(QTextEdit *view, QObject *parent)
    : QObject(parent)
    , view(view)
{
}

void RunLog::clear()
{
    view->clear();
#ifdef __GLIBC__
    // A long run's log held hundreds of megabytes; give them back to the system, not only to malloc.
    malloc_trim(0);
#endif
}

void RunLog::appendOutput(const QString &text)
{
    append(text);
    QTextCursor end(view->document());
    end.movePosition(QTextCursor::End, QTextCursor::MoveAnchor);
    view->setTextCursor(end);
    // Down to the log's bottom margin.
    QScrollBar *bar = view->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void RunLog::appendNote(const QString &text)
{
    QScrollBar *bar = view->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    append(text);
    if (atEnd)
        bar->setValue(bar->maximum());
}

// Line breaks inside the text become line separators: they look the same, but a paragraph of
// hundreds of lines costs far less memory than hundreds of paragraphs.
//
// The log always ends in an empty paragraph of no height, which the next call fills. Appending
// then never changes the paragraph before, which the layout would otherwise lay out again in full.
void RunLog::append(const QString &text)
{
    QTextBlockFormat tail;
    tail.setLineHeight(0, QTextBlockFormat::FixedHeight);
    QString paragraph = text;
    paragraph.replace('\n', QChar::LineSeparator);

    // One edit, so that the layout runs once and no cursor position is worked out in between.
    QTextCursor cursor(view->document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.insertText(paragraph, QTextCharFormat());
    cursor.insertBlock(tail, QTextCharFormat());
    cursor.endEditBlock();
}
