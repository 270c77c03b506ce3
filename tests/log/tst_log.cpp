// SPDX-License-Identifier: GPL-3.0-or-later
// The log of a run, tested without a window: what waits to be shown, and how it is cut into slices.
#include "outputqueue.h"

#include <QTest>

class tst_Log : public QObject
{
    Q_OBJECT

private slots:
    void shouldHandOutWholeLines_data();
    void shouldHandOutWholeLines();
};

Q_DECLARE_METATYPE(QList<QStringList>)

// Each step adds output of a channel ("0:text", "1:text"), a note ("note:text"), closes the open line
// ("close") or takes a slice ("take N"); what each take handed out, output marked with its channel.
void tst_Log::shouldHandOutWholeLines_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<QStringList>>("taken");
    QTest::newRow("a line cut by a read waits for its end")
        << QStringList {"0:one\ntw", "take 100", "0:o\n", "take 100"}
        << QList<QStringList> {{"out:one\n"}, {"out:two\n"}};
    QTest::newRow("an open line goes once closed")
        << QStringList {"0:prompt? ", "take 100", "close", "take 100"}
        << QList<QStringList> {{}, {"out:prompt? "}};
    QTest::newRow("a note closes the line before it") << QStringList {"0:half", "note:Kavari's", "take 100"}
                                                      << QList<QStringList> {{"out:half", "note:Kavari's"}};
    QTest::newRow("the other channel closes it too") << QStringList {"0:half", "1:error\n", "take 100"}
                                                     << QList<QStringList> {{"out:half", "out:error\n"}};
    QTest::newRow("a slice ends at a line end")
        << QStringList {"0:aaaa\nbbbb\ncccc\n", "take 7", "take 7", "take 100"}
        << QList<QStringList> {{"out:aaaa\n"}, {"out:bbbb\n"}, {"out:cccc\n"}};
    QTest::newRow("a line longer than a slice is cut, never inside a character")
        << QStringList {"0:abc\U0001F600def\n", "take 4", "take 100"}
        << QList<QStringList> {{"out:abc"}, {"out:\U0001F600def\n"}};
}

void tst_Log::shouldHandOutWholeLines()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<QStringList>, taken);
    OutputQueue queue;
    QList<QStringList> seen;
    for (const QString &step : steps) {
        if (step.startsWith("take ")) {
            QStringList pieces;
            for (const OutputQueue::Piece &piece : queue.take(step.mid(5).toInt()))
                pieces += (piece.output ? "out:" : "note:") + piece.text;
            seen += pieces;
        } else if (step == "close") {
            queue.closeLast();
        } else if (step.startsWith("note:")) {
            queue.addNote(step.mid(5));
        } else {
            queue.addOutput(step.mid(2), step.at(0).digitValue());
        }
    }
    QCOMPARE(seen, taken);
}

QTEST_GUILESS_MAIN(tst_Log)
#include "tst_log.moc"
