// SPDX-License-Identifier: GPL-3.0-or-later
#include "runlog.h"

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
// A slice takes about this long, leaving the rest of a 60 Hz frame to the paint and to input.
constexpr double sliceMs = 6;
constexpr qsizetype smallestSlice = 2 * 1024;
constexpr qsizetype largestSlice = 1024 * 1024;
// How long a line may wait for its end: a prompt that ends in no line break still shows.
constexpr int lineEndMs = 100;
} // namespace

RunLog::RunLog(QTextEdit *view, QObject *parent)
    : QObject(parent)
    , view(view)
    , nextSlice(new QTimer(this))
    , lineEnd(new QTimer(this))
{
    nextSlice->setSingleShot(true);
    connect(nextSlice, &QTimer::timeout, this, [this] { appendSlice(sliceSize); });
    lineEnd->setSingleShot(true);
    lineEnd->setInterval(lineEndMs);
    connect(lineEnd, &QTimer::timeout, this, &RunLog::closeLast);
}

void RunLog::clear()
{
    waiting.clear();
    nextSlice->stop();
    lineEnd->stop();
    view->clear();
#ifdef __GLIBC__
    // A long run's log held hundreds of megabytes; give them back to the system, not only to malloc.
    malloc_trim(0);
#endif
}

// Laid out by the next slice, never here: a read of the pipe that laid out its text at once would
// follow the one before it without a pause, with nothing else of the window in between.
void RunLog::appendOutput(const QString &text, int channel)
{
    waiting.addOutput(text, channel) ? lineEnd->start() : lineEnd->stop();
    scheduleSlice();
}

// A slice comes next whenever something can go in now.
void RunLog::scheduleSlice()
{
    if (waiting.ready() && !nextSlice->isActive())
        nextSlice->start(0);
}

// Also after a note or a function closed the line: a slice takes it now.
void RunLog::closeLast()
{
    lineEnd->stop();
    waiting.closeLast();
    scheduleSlice();
}

void RunLog::appendNote(const QString &text)
{
    if (!waiting.isEmpty()) {
        waiting.addNote(text);
        closeLast();
        return;
    }
    const QScrollBar *bar = view->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    append(text);
    showEnd(false, atEnd);
}

void RunLog::whenShown(QObject *context, const std::function<void()> &function)
{
    if (waiting.isEmpty())
        return function();
    waiting.addFunction(context, function);
    closeLast();
}

void RunLog::flush()
{
    closeLast();
    nextSlice->stop();
    while (!waiting.isEmpty())
        appendSlice(largestSlice);
}

// A paragraph for each piece, all in one edit so that the layout runs once; the functions whose
// turn has come run after it.
void RunLog::appendSlice(qsizetype size)
{
    QElapsedTimer clock;
    clock.start();
    const QScrollBar *bar = view->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    const QList<OutputQueue::Piece> pieces = waiting.take(size);
    bool output = false;
    qsizetype taken = 0;
    QTextCursor edit(view->document());
    edit.beginEditBlock();
    for (const OutputQueue::Piece &piece : pieces) {
        if (piece.then)
            continue;
        append(piece.output ? piece.text.trimmed() : piece.text);
        output = output || piece.output;
        taken += piece.output ? piece.text.size() : 0;
    }
    edit.endEditBlock();
    showEnd(output, atEnd);

    // Sized by a slice that had more to do than it took.
    if (size == sliceSize && waiting.ready()) {
        const double took = std::max(clock.nsecsElapsed() / 1e6, 0.1);
        sliceSize = std::clamp(qsizetype(taken * sliceMs / took), smallestSlice, largestSlice);
    }
    scheduleSlice();
    for (const OutputQueue::Piece &piece : pieces)
        if (piece.then && piece.context)
            piece.then();
}

void RunLog::showEnd(bool output, bool wasAtEnd)
{
    QScrollBar *bar = view->verticalScrollBar();
    if (output) {
        QTextCursor end(view->document());
        end.movePosition(QTextCursor::End, QTextCursor::MoveAnchor);
        view->setTextCursor(end);
    }
    // Down to the log's bottom margin.
    if (output || wasAtEnd)
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
