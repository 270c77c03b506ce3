// SPDX-License-Identifier: GPL-3.0-or-later
// The log of a run, tested without the window: what yt-dlp prints, read as a terminal reads it, and
// how it is cut into slices, laid out, followed and read back.
#include "fakeytdlp.h"
#include "outputdecoder.h"
#include "outputqueue.h"
#include "runlog.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <memory>

class tst_Log : public QObject
{
    Q_OBJECT

private slots:
    void shouldShowWhatATerminalShows_data();
    void shouldShowWhatATerminalShows();
    void shouldDecodeEveryByteVisibly_data();
    void shouldDecodeEveryByteVisibly();
    void shouldCutSlicesAtLineEnds_data();
    void shouldCutSlicesAtLineEnds();
    void shouldDropTheOldestOfWhatWaits();
    void shouldLayOutWhatIsSeenAsQtWould_data();
    void shouldLayOutWhatIsSeenAsQtWould();
    void shouldCopyWhatWasNeverShown();
    void shouldKeepTheEndInViewWhileResized();
    void shouldHoldTheViewWhileLinesCome_data();
    void shouldHoldTheViewWhileLinesCome();
    void shouldAnswerLineByLine();
    void shouldKeepABoundedTailOfEndlessOutput();
};

namespace {
// A log as the window has it, shown.
struct ShownLog
{
    explicit ShownLog(qsizetype keptLines = RunLog::defaultKeptLines)
        : log(&view, nullptr, keptLines)
    {
        view.setFont(QFont("Monospace", 9));
        view.setReadOnly(true);
        view.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        view.resize(420, 200);
        view.show();
    }
    void print(int from, int to, const QString &text = "line %1")
    {
        for (int line = from; line < to; ++line)
            log.appendOutput(text.arg(line) + '\n', 0);
        log.flush();
        QCoreApplication::processEvents();
    }
    QStringList lines() const
    {
        const QString text = view.toPlainText();
        return text.isEmpty() ? QStringList() : text.chopped(1).split('\n');
    }

    QTextEdit view;
    RunLog log;
};
} // namespace

// Each step is output of a channel ("0:text", "1:text"), Kavari's own line ("note:text"), or a
// moment of quiet ("quiet"), after which the line that has not ended shows as it stands.
void tst_Log::shouldShowWhatATerminalShows_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    const QString limit(OutputQueue::lineLimit, 'x');
    QTest::newRow("a line cut by a read waits for its end")
        << QStringList {"0:one\ntw", "0:o\n"} << QStringList {"one", "two"};
    QTest::newRow("a prompt shows after a moment, and its answer in the same paragraph")
        << QStringList {"0:Password? ", "quiet", "0:***\n"} << QStringList {"Password? ***"};
    QTest::newRow("carriage returns: one line, its last state")
        << QStringList {"0:[download]  10%\r[download]  20%\r[download] 100%\n"}
        << QStringList {"[download] 100%"};
    QTest::newRow("a redraw after a moment changes the line in place")
        << QStringList {"0: 10%\r", "quiet", "0: 55%\r", "1:warning\n", "quiet", "0:100%\ndone\n"}
        << QStringList {"100%", "warning", "done"};
    QTest::newRow("a shorter redraw leaves the rest, as a terminal does")
        << QStringList {"0:downloading\rdone\n"} << QStringList {"doneloading"};
    QTest::newRow("a carriage return before a line feed changes nothing")
        << QStringList {"0:one\r\ntwo\r", "0:\nthree\r\n"} << QStringList {"one", "two", "three"};
    QTest::newRow("a line over the limit: its start, and how much more it had")
        << QStringList {"0:" + limit, "0:" + QString(100000, 'y') + "\n"}
        << QStringList {limit, "… " + QLocale().toString(100000) + " more characters not shown"};
    QTest::newRow("a line over the limit redrawn: its last state")
        << QStringList {"0:" + limit + "yyy", "quiet", "0:\rz\n"}
        << QStringList {'z' + limit.mid(1), "… 3 more characters not shown"};
    // Never half a surrogate pair at the cut, and emoji counted as the characters they are.
    QTest::newRow("emoji at the limit: whole characters, counted")
        << QStringList {"0:" + limit.chopped(1) + "😀😀😀😀😀\n"}
        << QStringList {limit.chopped(1), "… 5 more characters not shown"};
    QTest::newRow("blanks and blank lines, on either channel and at any read boundary")
        << QStringList {"1:\n\n  err after two blank lines   \n", "0:  ", "0:  out, indented\n",
                        "1:\t\u00a0x\u3000\n"}
        << QStringList {"", "", "  err after two blank lines   ", "    out, indented", "\t\u00a0x\u3000"};
    QTest::newRow("a redraw overwrites whole characters: emoji, wide, accented")
        << QStringList {"0:😀😀 漢字\rX\n", "0:e\u0301e\u0301 \rX", "0:\n"}
        << QStringList {"X😀 漢字", "Xe\u0301 "};
    QTest::newRow("Kavari's own line ends the lines before it")
        << QStringList {"0:half", "1:err", "note:Kavari's"} << QStringList {"half", "err", "Kavari's"};
    // Interleaved as two pipes are read: each line whole, each channel's lines in their order.
    QStringList floods, lines;
    QString out, err;
    for (int line = 1; line <= 20000; ++line) {
        out += QString("out %1\n").arg(line);
        err += QString("err %1\n").arg(line);
    }
    for (qsizetype at = 0; at < out.size(); at += 4093)
        floods << "0:" + out.mid(at, 4093) << "1:" + err.mid(at, 4093);
    QTest::newRow("two floods at once") << floods << (out + err).split('\n', Qt::SkipEmptyParts);
}

void tst_Log::shouldShowWhatATerminalShows()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QTextEdit view;
    RunLog log(&view, nullptr);
    for (const QString &step : steps) {
        if (step == "quiet")
            QTest::qWait(300);
        else if (step.startsWith("note:"))
            log.appendNote(step.mid(5));
        else
            log.appendOutput(step.mid(2), step.at(0).digitValue());
    }
    log.flush();
    // The log ends in an empty paragraph that takes the next text; it is no line of its own.
    QStringList seen = view.document()->toRawText().chopped(1).split(QRegularExpression("[\u2028\u2029]"));
    if (QTest::currentDataTag() == QLatin1String("two floods at once")) {
        // In time the channels mix; each one's lines are whole and in their order.
        std::stable_sort(seen.begin(), seen.end(), [](const QString &a, const QString &b) {
            return a.startsWith("out") && b.startsWith("err");
        });
    }
    QCOMPARE(seen, shown);
}

// Each row's reads, as a pipe delivers them, and the text they give: nothing hidden, nothing raw.
void tst_Log::shouldDecodeEveryByteVisibly_data()
{
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<QString>("text");
    QTest::newRow("NUL and the other control characters as symbols")
        << QByteArrayList {QByteArray("a\0b\bc\fd\ve\af\x7f"
                                      "g\t\r\n",
                                      16)}
        << QString("a\u2400b\u2408c\u240cd\u240be\u2407f\u2421g\t\r\n");
    QTest::newRow("a control character deep in a long read")
        << QByteArrayList {QByteArray(200, 'a') + '\x01' + QByteArray(100, 'b')}
        << QString(200, 'a') + QChar(0x2401) + QString(100, 'b');
    QTest::newRow("colour codes removed, also cut by a read")
        << QByteArrayList {"\x1b[0;31mERROR:\x1b[0m x \x1b[1", ";33mwarn\x1b", "[0m\n"}
        << QString("ERROR: x warn\n");
    QTest::newRow("other escapes shown")
        << QByteArrayList {"\x1b]0;title\x07\x1b[K\n"} << QString("\u241b]0;title\u2407\u241b[K\n");
    QTest::newRow("an escape the output ends with") << QByteArrayList {"end\x1b["} << QString("end\u241b[");
    QTest::newRow("separators of a title, and a character cut by a read") << QByteArrayList {"a\xe2\x80\xa8"
                                                                                             "b\xe6",
                                                                                             "\xbc\xa2\n"}
                                                                          << QString("a\u2424b\u6f22\n");
}

void tst_Log::shouldDecodeEveryByteVisibly()
{
    QFETCH(QByteArrayList, reads);
    QFETCH(QString, text);
    OutputDecoder decoder;
    QString decoded;
    for (const QByteArray &read : reads)
        decoded += decoder.decode(read);
    QCOMPARE(decoded + decoder.flush(), text);
}

// Slices hold whole lines, at least one however long, and Kavari's own lines between them.
void tst_Log::shouldCutSlicesAtLineEnds_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("taken");
    QTest::newRow("lines up to the size") << 10 << QStringList {"aaaa\nbbbb", "cccc|note", "dddd"};
    QTest::newRow("a line longer than a slice goes alone")
        << 3 << QStringList {"aaaa", "bbbb", "cccc", "note", "dddd"};
}

void tst_Log::shouldCutSlicesAtLineEnds()
{
    QFETCH(int, size);
    QFETCH(QStringList, taken);
    OutputQueue queue;
    queue.addOutput(u"aaaa\nbbbb\ncccc\n", 0);
    queue.addNote("note");
    queue.addOutput(u"dddd\n", 1);
    QStringList seen;
    while (queue.ready()) {
        QStringList slice;
        for (const OutputQueue::Piece &piece : queue.take(size))
            slice += piece.text;
        seen += slice.join('|');
    }
    QCOMPARE(seen, taken);
}

// Far more waits than the log can show in time: the oldest lines go, said where they were, and
// Kavari's own lines stay.
void tst_Log::shouldDropTheOldestOfWhatWaits()
{
    OutputQueue queue;
    queue.addOutput(u"1\n2\n3\n", 0);
    queue.addNote("note");
    queue.addOutput(u"4\n5\n6\n", 1);
    QCOMPARE(queue.take(2).first().text, "1");
    queue.dropOldest(2);
    QStringList left;
    while (queue.ready())
        for (const OutputQueue::Piece &piece : queue.take(100))
            left += piece.text;
    QCOMPARE(
        left,
        QStringList({"… 3 lines not shown: they came faster than the log could show them", "note", "5\n6"}));
}

// Only what is seen is shaped; once shown, everything stands where Qt's own layout puts it, and
// a click, the keyboard and a screen reader find each character there.
void tst_Log::shouldLayOutWhatIsSeenAsQtWould_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("counted");
    QTest::newRow("one column a character: counted exact")
        << "[download]  42.0% of ~ 10.00MiB at 1.00MiB/s" << 2000 << true;
    QTest::newRow("lines wider than the view") << QString("word ").repeated(90) + "end" << 300 << false;
    QTest::newRow("wide characters") << QString("日本語のタイトル").repeated(12) << 300 << false;
    QTest::newRow("emoji") << QString("😀🎬 ").repeated(30) << 300 << false;
    QTest::newRow("combining marks") << QString("e\u0301a\u0308 ").repeated(40) << 300 << false;
    QTest::newRow("tabs") << "a\tbb\tccc\tdddd\t" + QString(70, 'x') << 300 << false;
    QTest::newRow("right to left") << QString("שלום עולם مرحبا بالعالم ").repeated(8) << 300 << false;
    QTest::newRow("a 100,000-character line") << QString(100000, 'z') << 2 << false;
}

void tst_Log::shouldLayOutWhatIsSeenAsQtWould()
{
    QFETCH(QString, line);
    QFETCH(int, lines);
    QFETCH(bool, counted);
    QTextEdit view;
    view.setFont(QFont("Monospace", 9));
    view.setReadOnly(true);
    view.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view.resize(420, 300);
    RunLog log(&view, nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    for (int at = 0; at < lines; ++at)
        log.appendOutput(QString("%1 ").arg(at) + line + "\n", 0);
    log.flush();
    QTextDocument *document = view.document();
    // Qt's own layout of the same paragraphs, at the same width, in the same font and wrapping.
    const std::unique_ptr<QTextDocument> qt(document->clone());
    qt->setDefaultFont(document->defaultFont());
    qt->setDefaultTextOption(document->defaultTextOption());
    qt->setTextWidth(document->textWidth());
    const qreal height = qt->documentLayout()->documentSize().height();
    if (counted)
        QCOMPARE(document->documentLayout()->documentSize().height(), height);
    // Shown, from the top down: the scroll range is the content's.
    for (QScrollBar *bar = view.verticalScrollBar(); bar->value() > 0;
         bar->setValue(bar->value() - bar->pageStep()))
        QCoreApplication::processEvents();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        document->documentLayout()->blockBoundingRect(block);
    QCOMPARE(document->documentLayout()->documentSize().height(), height);

    // A click in the middle of the log puts the caret before the character there.
    // Where a caret may stand: not inside a character and its combining marks.
    QTextCursor middle(document);
    middle.setPosition(document->characterCount() / 2);
    middle.movePosition(QTextCursor::StartOfLine);
    middle.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
    view.setTextCursor(middle);
    const QRect caret = view.cursorRect();
    view.moveCursor(QTextCursor::StartOfLine);
    QScrollBar *bar = view.verticalScrollBar();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, caret.center());
    QCOMPARE(view.textCursor().position(),
             qt->documentLayout()->hitTest(caret.center() + QPoint(0, bar->value()), Qt::FuzzyHit));
    // Down goes one line further, where a screen reader reads the next line.
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&view)->textInterface();
    QCOMPARE(text->text(0, text->characterCount()).replace(QChar::LineSeparator, '\n'), view.toPlainText());
    int start = 0, end = 0, next = 0;
    const QString read = text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
    const int top = bar->value() + caret.top();
    QTest::keyClick(view.viewport(), Qt::Key_Down);
    QCOMPARE(bar->value() + view.cursorRect().top(), top + caret.height());
    QVERIFY(text->cursorPosition() >= end);
    QVERIFY(!read.isEmpty() &&
            !text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &next, &start).isEmpty());
    QVERIFY(next == end || next == end + 1);
}

// A selection over paragraphs that were never shaped, and the whole log, copy as they are.
void tst_Log::shouldCopyWhatWasNeverShown()
{
    QTextEdit view;
    view.setReadOnly(true);
    view.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RunLog log(&view, nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QStringList lines;
    for (int at = 0; at < 20000; ++at)
        lines += QString("line %1 of the log").arg(at);
    log.appendOutput(lines.join('\n') + '\n', 1);
    log.flush();
    view.moveCursor(QTextCursor::Start);
    for (int page = 0; page < 30; ++page)
        QTest::keyClick(view.viewport(), Qt::Key_PageDown, Qt::ShiftModifier);
    view.copy();
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.size() > 1000);
    QCOMPARE(copied, lines.join('\n').left(copied.size()));
    view.selectAll();
    view.copy();
    QCOMPARE(QGuiApplication::clipboard()->text().trimmed(), lines.join('\n'));
}

// Narrower and wider while the lines come: every line there, and the end in view.
void tst_Log::shouldKeepTheEndInViewWhileResized()
{
    QTextEdit view;
    RunLog log(&view, nullptr);
    view.resize(600, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QStringList lines;
    for (int at = 0; at < 30000; ++at) {
        lines += QString("line-%1-").arg(at).leftJustified(100, 'x');
        if (at % 1000 == 999) {
            log.appendOutput(lines.mid(at - 999).join('\n') + '\n', 0);
            view.resize(at % 2000 == 999 ? 180 : 900, 300);
            QCoreApplication::processEvents();
        }
    }
    QTRY_VERIFY(view.toPlainText().count('\n') >= lines.size());
    QCOMPARE(view.toPlainText().trimmed(), lines.join('\n'));
    // Re-wrapped by counting, as Qt's own layout wraps the same paragraphs at the last width.
    const std::unique_ptr<QTextDocument> qt(view.document()->clone());
    qt->setDefaultFont(view.document()->defaultFont());
    qt->setDefaultTextOption(view.document()->defaultTextOption());
    qt->setTextWidth(view.document()->textWidth());
    QCOMPARE(view.document()->documentLayout()->documentSize().height(),
             qt->documentLayout()->documentSize().height());
    QScrollBar *bar = view.verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
    QTextCursor lastLine(view.document()->lastBlock().previous());
    lastLine.movePosition(QTextCursor::EndOfBlock);
    QVERIFY(view.cursorRect(lastLine).bottom() <= view.viewport()->height());
}

// A user who reads back stays where they are while lines come; at the end, the log follows.
void tst_Log::shouldHoldTheViewWhileLinesCome_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<bool>("follows");
    QTest::newRow("scrolled up") << "scroll" << false;
    QTest::newRow("the caret at the top, with Ctrl+Home") << "home" << false;
    QTest::newRow("a selection made with Shift+Down") << "select" << false;
    QTest::newRow("a paragraph above turns out shorter once shaped") << "shape" << false;
    QTest::newRow("back at the end with Ctrl+End") << "end" << true;
    QTest::newRow("back at the end with the scroll bar") << "bottom" << true;
}

void tst_Log::shouldHoldTheViewWhileLinesCome()
{
    QFETCH(QString, reading);
    QFETCH(bool, follows);
    ShownLog shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.view));
    // Counted as twice the columns they take, until shaped.
    shown.print(0, 300, "line %1 " + QString("e\u0301").repeated(60));
    QScrollBar *bar = shown.view.verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
    shown.view.setFocus();
    if (reading == "scroll" || reading == "bottom" || reading == "shape")
        bar->setValue(bar->maximum() / 2);
    if (reading == "home" || reading == "select" || reading == "end")
        QTest::keyClick(shown.view.viewport(), Qt::Key_Home, Qt::ControlModifier);
    for (int line = 0; reading == "select" && line < 3; ++line)
        QTest::keyClick(shown.view.viewport(), Qt::Key_Down, Qt::ShiftModifier);
    if (reading == "end")
        QTest::keyClick(shown.view.viewport(), Qt::Key_End, Qt::ControlModifier);
    if (reading == "bottom")
        bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
    const QTextCursor caret = shown.view.textCursor();
    // The printed line at the view's top, and where it stands.
    const auto top = [&shown] {
        QTextCursor line = shown.view.cursorForPosition({0, 0});
        line.movePosition(QTextCursor::StartOfLine);
        const QRect shownAt = shown.view.cursorRect(line);
        line.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        return line.selectedText() + ' ' + QString::number(shownAt.top());
    };
    const QString before = top();
    if (reading == "shape") {
        QAbstractTextDocumentLayout *layout = shown.view.document()->documentLayout();
        for (QTextBlock block = shown.view.document()->begin(); block.isValid(); block = block.next())
            layout->blockBoundingRect(block);
    }
    shown.print(300, 600);
    QTest::qWait(50);
    if (follows) {
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(shown.view.textCursor().atEnd() || reading == "bottom");
        return;
    }
    QCOMPARE(top(), before);
    QCOMPARE(shown.view.textCursor().anchor(), caret.anchor());
    QCOMPARE(shown.view.textCursor().position(), caret.position());
}

// Every line of a long log, painted slice by slice as it came, is one line to a screen reader,
// where it stands, and a triple-click selects a printed line, not the paragraph that holds it.
void tst_Log::shouldAnswerLineByLine()
{
    ShownLog shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.view));
    constexpr int count = 100000;
    for (int from = 0; from < count; from += 997)
        shown.print(from, std::min(from + 997, count));
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(&shown.view)->textInterface();
    int offset = 0;
    int lastTop = INT_MIN;
    for (int line = 0; line < count; ++line) {
        int start = 0, end = 0;
        const QString read = text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
        const QRect extents = text->characterRect(offset);
        if (read != QString("line %1").arg(line) || start != offset || extents.isEmpty() ||
            extents.top() <= lastTop)
            QFAIL(qPrintable(QString("line %1 read as \"%2\" at %3, %4")
                                 .arg(line)
                                 .arg(read)
                                 .arg(start)
                                 .arg(extents.top())));
        lastTop = extents.top();
        offset = end + 1;
    }
    for (const int line : {count - 3, count - 40}) {
        QTextCursor cursor(shown.view.document());
        cursor.setPosition(int(shown.view.toPlainText().indexOf(QString("line %1\n").arg(line))) + 2);
        shown.view.setTextCursor(cursor);
        const QPoint point = shown.view.cursorRect().center();
        QTest::mouseDClick(shown.view.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseClick(shown.view.viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(shown.view.textCursor().selection().toPlainText(), QString("line %1\n").arg(line));
    }
}

// A tool that never stops printing: the log keeps its last lines, the window goes on, and the
// first line says how many earlier ones were not kept.
void tst_Log::shouldKeepABoundedTailOfEndlessOutput()
{
    constexpr qsizetype kept = 2000;
    ShownLog shown(kept);
    const auto bounded = [&shown] {
        const QStringList lines = shown.lines();
        if (lines.isEmpty())
            return false;
        // A twentieth more at most, under the line that counts what went, and the end of what was
        // printed in order, but where a line says that lines came too fast to be shown; the kill may
        // cut the last line short.
        const QRegularExpressionMatch counted =
            QRegularExpression("^… ([\\d\\W]+) earlier lines not kept$").match(lines.first());
        const QStringList numbers = lines.mid(1).filter(QRegularExpression("^\\d+$|could show them$"));
        for (qsizetype at = 1; at < numbers.size(); ++at)
            if (!numbers[at].endsWith("them") && !numbers[at - 1].endsWith("them") &&
                !QString::number(numbers[at - 1].toLongLong() + 1).startsWith(numbers[at]))
                return false;
        return lines.size() <= kept + kept / 20 + 1 && counted.hasMatch() && numbers.size() > 2 &&
            QLocale().toLongLong(counted.captured(1)) > kept;
    };
    // Lines as they come in a long run.
    for (int from = 1; from < 20 * kept; from += 500)
        shown.print(from, from + 500, "%1");
    QVERIFY2(bounded(), qPrintable(shown.lines().first()));

    // Output far ahead of what the log has taken: what waits is bounded too, and says what went.
    shown.log.clear();
    for (int from = 1; from < 2 * kept; from += 100) {
        QString lines;
        for (int line = from; line < from + 100; ++line)
            lines += QString::number(line) + '\n';
        shown.log.appendOutput(lines, 0);
    }
    shown.log.flush();
    QCOMPARE(shown.lines().filter(QRegularExpression("^… .* could show them$")).size(), 1);

    // And a tool that never stops printing, faster than the log takes it.
    shown.log.clear();
    QProcess tool;
    QObject::connect(&tool, &QProcess::readyReadStandardOutput, &shown.log,
                     [&] { shown.log.appendOutput(QString::fromLatin1(tool.readAllStandardOutput()), 0); });
    tool.start("seq", {"1000000000"});
    QVERIFY(tool.waitForStarted());
    QTRY_VERIFY(bounded());
    const qint64 resident = memoryKiB("VmRSS:");
    QTest::qWait(2000);
#ifndef __SANITIZE_ADDRESS__
    QVERIFY2(memoryKiB("VmRSS:") - resident < 32 * 1024,
             qPrintable(QString::number(memoryKiB("VmRSS:") - resident)));
#else
    Q_UNUSED(resident)
#endif
    tool.kill();
    tool.waitForFinished();
    shown.log.flush();
    QVERIFY(bounded());
}

QTEST_MAIN(tst_Log)
#include "tst_log.moc"
