// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeytdlp.h"

#include <QProcess>
#include <QTest>

#include <csignal>

class tst_Termination : public QObject
{
    Q_OBJECT

private slots:
    void shouldTakeTheRunAlongWhenKavariIsStopped_data();
    void shouldTakeTheRunAlongWhenKavariIsStopped();
};

void tst_Termination::shouldTakeTheRunAlongWhenKavariIsStopped_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("closesLikeTheWindow");

    QTest::newRow("SIGTERM") << SIGTERM << true;
    QTest::newRow("SIGINT, Ctrl-C in the terminal") << SIGINT << true;
    QTest::newRow("SIGHUP, logout") << SIGHUP << true;
    // Nothing can be cleaned up from inside: the kernel ends the child (the grandchild is orphaned).
    QTest::newRow("SIGKILL") << SIGKILL << false;
}

void tst_Termination::shouldTakeTheRunAlongWhenKavariIsStopped()
{
    QFETCH(int, signal);
    QFETCH(bool, closesLikeTheWindow);

    FakeYtDlp fake;
    fake.install(FakeYtDlp::hangWithGrandchild());
    QProcess kavari;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", fake.home());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    kavari.setProcessEnvironment(environment);
    kavari.start(KAVARI_TESTHOST, {"http://127.0.0.1:9/watch?v=kavari", fake.filePath("out")});
    QVERIFY(kavari.waitForStarted());

    QTRY_VERIFY_WITH_TIMEOUT(fake.recordedPid("grandchild.pid") > 0, 20000);
    const qint64 child = fake.recordedPid("child.pid");
    const qint64 grandchild = fake.recordedPid("grandchild.pid");
    QVERIFY(isProcessAlive(child));

    ::kill(static_cast<pid_t>(kavari.processId()), signal);
    QVERIFY(kavari.waitForFinished(20000));
    QTRY_VERIFY(!isProcessAlive(child));
    if (closesLikeTheWindow) {
        QCOMPARE(kavari.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kavari.exitCode(), 0);
        QTRY_VERIFY(!isProcessAlive(grandchild));
    } else {
        ::kill(static_cast<pid_t>(grandchild), SIGKILL);
    }
}

QTEST_MAIN(tst_Termination)
#include "tst_termination.moc"
