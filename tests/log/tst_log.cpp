// SPDX-License-Identifier: GPL-3.0-or-later
// The log of a run, tested without the window: what yt-dlp prints, read as a terminal reads it, and
// how it is cut into slices.
#include "outputqueue.h"
#include "runlog.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

class tst_Log : public QObject
{
    Q_OBJECT

private slots:
    void shouldShowWhatATerminalShows_data();
    void shouldShowWhatATerminalShows();
    void shouldCutSlicesAtLineEnds_data();
    void shouldCutSlicesAtLineEnds();
    void shouldLayOutWhatIsSeenAsQtWould_data();
    void shouldLayOutWhatIsSeenAsQtWould();
    void shouldCopyWhatWasNeverShown();
    void shouldKeepTheEndInViewWhileResized();
};

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
    QStringList seen = view.toPlainText().split('\n', Qt::SkipEmptyParts);
    if (QTest::currentDataTag() == QLatin1String("two floods at once")) {
        // In time the channels mix; each one's lines are whole and in their order.
        std::stable_sort(seen.begin(), seen.end(), [](const QString &a, const QString &b) {
            return a.startsWith("out") && b.startsWith("err");
        });
    }
    QCOMPARE(seen, shown);
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

QTEST_MAIN(tst_Log)
#include "tst_log.moc"
