// SPDX-License-Identifier: GPL-3.0-or-later
#include "runlog.h"
#include "lineclicks.h"
#include "logannouncer.h"
#include "logfollower.h"
#include "loglayout.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <utility>

#include <algorithm>

namespace {
// A slice takes about this long, leaving the rest of a 60 Hz frame to the paint and to input.
constexpr double sliceMs = 6;
constexpr qsizetype smallestSlice = 2 * 1024;
constexpr qsizetype largestSlice = 1024 * 1024;
// How long a line may wait for its end: a prompt that ends in no line break still shows.
constexpr int lineEndMs = 100;
constexpr qsizetype paragraphLines = 32;
constexpr qsizetype charactersALine = 96;
} // namespace

RunLog::RunLog(QTextEdit *view, QObject *parent, qsizetype keptLines)
    : QObject(parent)
    , view(view)
    , follower(new LogFollower(view, this))
    , announcer(new LogAnnouncer(view, this))
    , keptLines(keptLines)
    , nextSlice(new QTimer(this))
    , lineEnd(new QTimer(this))
{
    new LineClicks(view, this);
    // A terminal's wrapping, which the log's layout can count without shaping.
    view->setWordWrapMode(QTextOption::WrapAnywhere);
    view->document()->setUndoRedoEnabled(false);
    useLayout(view->document());
    nextSlice->setSingleShot(true);
    connect(nextSlice, &QTimer::timeout, this, [this] { appendSlice(sliceSize); });
    lineEnd->setSingleShot(true);
    lineEnd->setInterval(lineEndMs);
    connect(lineEnd, &QTimer::timeout, this, &RunLog::showOpenLines);
}

// Whatever waits to be freed is freed before the thread ends.
RunLog::~RunLog()
{
    qDeleteAll(retired);
    if (!disposal)
        return;
    QMetaObject::invokeMethod(
        disposer, [] {}, Qt::BlockingQueuedConnection);
    disposal->quit();
    disposal->wait();
    delete disposer;
}

void RunLog::useLayout(QTextDocument *document)
{
    auto *layout = new LogLayout(document);
    document->setDocumentLayout(layout);
    connect(layout, &LogLayout::heightCorrected, follower, &LogFollower::moved);
}

void RunLog::clear()
{
    waiting.clear();
    nextSlice->stop();
    lineEnd->stop();
    openLine[0] = openLine[1] = QTextBlock();
    lines = notKept = 0;
    follower->reset();
    if (!view->document()->isEmpty())
        freshDocument();
}

// The view gets a fresh document at once, and the old one, which may hold hundreds of megabytes,
// is freed on a thread of its own: freeing a million lines takes longer than a frame.
QTextDocument *RunLog::freshDocument()
{
    QTextDocument *old = view->document();
    auto *fresh = new QTextDocument(view);
    fresh->setUndoRedoEnabled(false);
    fresh->setDefaultFont(old->defaultFont());
    fresh->setDefaultTextOption(old->defaultTextOption());
    useLayout(fresh);
    // Not the view's any more, so that it does not delete it.
    old->setParent(nullptr);
    view->setDocument(fresh);
    // Handed over once the start that clears has returned: the child it forks would otherwise copy
    // the page tables that the free is tearing down, and the start would wait for the free.
    if (retired.isEmpty())
        QMetaObject::invokeMethod(this, &RunLog::disposeRetired, Qt::QueuedConnection);
    retired << old;
    return fresh;
}

void RunLog::disposeRetired()
{
    if (!disposal) {
        disposal = new QThread(this);
        disposal->setObjectName("logDisposal");
        disposal->start();
        disposer = new QObject;
        disposer->moveToThread(disposal);
    }
    // No malloc_trim() after it: while it trims, it holds the allocator's lock that the window's
    // thread waits for, and what malloc keeps of a million lines is a few megabytes for the next run.
    for (QTextDocument *old : std::exchange(retired, {})) {
        old->moveToThread(disposal);
        QMetaObject::invokeMethod(disposer, [old] { delete old; });
    }
}

// Laid out by the next slice, never here: a read of the pipe that laid out its text at once would
// follow the one before it without a pause, with nothing else of the window in between.
void RunLog::appendOutput(const QString &text, int channel)
{
    waiting.addOutput(text, channel) ? lineEnd->start() : lineEnd->stop();
    // Far more waits than the log takes in a second: the oldest goes unshown, with a line that says so.
    waiting.dropOldest(keptLines / 10);
    scheduleSlice();
}

// A slice comes next whenever something can go in now.
void RunLog::scheduleSlice()
{
    if (waiting.ready() && !nextSlice->isActive())
        nextSlice->start(0);
}

void RunLog::showOpenLines()
{
    lineEnd->stop();
    waiting.showOpen();
    scheduleSlice();
}

void RunLog::appendNote(const QString &text)
{
    if (!waiting.isEmpty()) {
        lineEnd->stop();
        waiting.addNote(text);
        scheduleSlice();
        return;
    }
    {
        const QSignalBlocker quiet(view->document());
        append(text);
    }
    edited();
}

void RunLog::whenShown(QObject *context, const std::function<void()> &function)
{
    if (waiting.isEmpty())
        return function();
    lineEnd->stop();
    waiting.addFunction(context, function);
    scheduleSlice();
}

void RunLog::flush()
{
    lineEnd->stop();
    waiting.closeAll();
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
    const QList<OutputQueue::Piece> pieces = waiting.take(size);
    qsizetype taken = 0;
    {
        // Told to a screen reader by the announcer, not slice by slice.
        const QSignalBlocker quiet(view->document());
        QTextCursor edit(view->document());
        edit.beginEditBlock();
        for (const OutputQueue::Piece &piece : pieces) {
            if (piece.then)
                continue;
            piece.channel < 0 ? append(piece.text) : appendLines(piece);
            taken += piece.text.size();
        }
        edit.endEditBlock();
    }
    edited();

    // Sized by a slice that had more to do than it took, whatever it took.
    if (size == sliceSize && waiting.ready()) {
        const double took = std::max(clock.nsecsElapsed() / 1e6, 0.1);
        sliceSize = std::clamp(qsizetype(taken * sliceMs / took), smallestSlice, largestSlice);
    }
    scheduleSlice();
    for (const OutputQueue::Piece &piece : pieces)
        if (piece.then && piece.context)
            piece.then();
}

// A line shown before as it stood takes its new state in its own paragraph; the lines after it
// come at the end.
void RunLog::appendLines(const OutputQueue::Piece &piece)
{
    QString text = piece.text;
    QTextBlock &open = openLine[piece.channel];
    if (piece.continues && open.isValid()) {
        const qsizetype lineEnd = text.indexOf('\n');
        QTextCursor line(open);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        line.insertText(text.left(lineEnd));
        text = lineEnd < 0 ? QString() : text.mid(lineEnd + 1);
        if (text.isEmpty()) {
            if (!piece.open)
                open = QTextBlock();
            return;
        }
    }
    append(text);
    // The paragraph before the empty one that always ends the log.
    open = piece.open ? view->document()->lastBlock().previous() : QTextBlock();
}

// The view follows the end if the user is there, and the log starts anew once it holds too much.
void RunLog::edited()
{
    if (lines > keptLines + keptLines / 20 || view->document()->characterCount() > keptCharacters())
        keepTail(keptLines / 100);
    follower->showEnd();
    announcer->changed();
}

qsizetype RunLog::keptCharacters() const
{
    return keptLines * charactersALine;
}

// A fresh document with the last of the lines, whole paragraphs of them, under a first line that
// counts the others: cheaper by far than removing lines from the start, after which Qt copies all
// the text that stays, for a tenth of a second in a full log.
void RunLog::keepTail(qsizetype kept)
{
    QTextDocument *old = view->document();
    QStringList paragraphs;
    qsizetype carried = 0, characters = 0;
    // The empty paragraph that ends the log stays behind, and the first, the count or the command.
    QTextBlock first = old->lastBlock();
    for (QTextBlock block = first.previous(); block.isValid() && block.blockNumber() > 0;
         block = block.previous()) {
        // Lines that are still being written go along, whatever it takes.
        const bool open = block == openLine[0] || block == openLine[1];
        if (!open && (carried >= kept || characters >= kept * charactersALine) &&
            !(openLine[0].isValid() && openLine[0].blockNumber() < block.blockNumber()) &&
            !(openLine[1].isValid() && openLine[1].blockNumber() < block.blockNumber()))
            break;
        paragraphs.prepend(block.text());
        carried += paragraphs.first().count(QChar::LineSeparator) + 1;
        characters += paragraphs.first().size();
        first = block;
    }
    // Where each channel's open line stands, counted from the end.
    int fromEnd[2] = {0, 0};
    for (int channel : {0, 1})
        if (openLine[channel].isValid() && openLine[channel].blockNumber() >= first.blockNumber())
            fromEnd[channel] = old->blockCount() - openLine[channel].blockNumber();
    notKept += lines - carried;
    lines = carried;
    QTextDocument *fresh = freshDocument();
    {
        const QSignalBlocker quiet(fresh);
        QTextCursor cursor(fresh);
        cursor.beginEditBlock();
        cursor.insertText(tr("… %Ln earlier lines not kept", "", int(std::min<qsizetype>(notKept, INT_MAX))),
                          QTextCharFormat());
        for (const QString &paragraph : std::as_const(paragraphs)) {
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            cursor.insertText(paragraph, QTextCharFormat());
        }
        QTextBlockFormat tail;
        tail.setLineHeight(0, QTextBlockFormat::FixedHeight);
        cursor.insertBlock(tail, QTextCharFormat());
        cursor.endEditBlock();
    }
    for (int channel : {0, 1})
        openLine[channel] = fromEnd[channel] > 0
            ? fresh->findBlockByNumber(fresh->blockCount() - fromEnd[channel])
            : QTextBlock();
    follower->reset();
}

// Line breaks inside the text become line separators: they look the same, but a paragraph of
// dozens of lines costs far less memory than dozens of paragraphs. A paragraph holds at most a few
// dozen lines, so that showing one shapes little more than the screen shows.
//
// The log always ends in an empty paragraph of no height, which the next call fills.
void RunLog::append(const QString &text)
{
    QTextBlockFormat tail;
    tail.setLineHeight(0, QTextBlockFormat::FixedHeight);
    const QStringList lines = text.split('\n');
    // One edit, so that the layout runs once and no cursor position is worked out in between.
    QTextCursor cursor(view->document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    this->lines += lines.size();
    for (qsizetype first = 0; first < lines.size(); first += paragraphLines) {
        cursor.setBlockFormat(QTextBlockFormat());
        cursor.insertText(lines.mid(first, paragraphLines).join(QChar::LineSeparator), QTextCharFormat());
        cursor.insertBlock(tail, QTextCharFormat());
    }
    cursor.endEditBlock();
}
