// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeytdlp.h"
#include "kavariwindow.h"
#include "windowaccess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

namespace {
const QString link = "http://127.0.0.1:9/watch?v=kavari";
const QString red = "color: red; font-weight: bold;";
const QString green = "color: green; font-weight: bold;";

// One window with a fake yt-dlp in a HOME of its own.
struct Run
{
    Run()
        : window(std::make_unique<KavariWindow>())
    {
        fake.useAsHome();
        url = control<QLineEdit>(*window, "urlEdit");
        folder = control<QLineEdit>(*window, "outputDirEdit");
        button = control<QPushButton>(*window, "downloadButton");
        status = control<QLabel>(*window, "statusLabel");
        log = control<QTextEdit>(*window, "outputLog");
        folder->setText(fake.filePath("out"));
    }

    void start(const QString &text = link)
    {
        url->setText(text);
        button->click();
    }

    QStringList lines() const { return log->toPlainText().split('\n'); }
    // What yt-dlp printed: everything between the empty line under the command and the outcome.
    QStringList output() const { return lines().mid(2, lines().size() - 4); }
    bool logHas(const QString &text) const { return log->toPlainText().contains(text); }

    FakeYtDlp fake;
    std::unique_ptr<KavariWindow> window;
    QLineEdit *url;
    QLineEdit *folder;
    QPushButton *button;
    QLabel *status;
    QTextEdit *log;
};

struct MessageBoxSeen
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Answers the next modal warning box with OK, remembering what it said.
void answerMessageBox(QObject *context, MessageBoxSeen *seen)
{
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen = {box->windowTitle(), box->text(), box->standardButtons()};
        box->button(QMessageBox::Ok)->click();
        timer->deleteLater();
    });
    timer->start(10);
}
} // namespace

class tst_Download : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void shouldPassTheArgumentList_data();
    void shouldPassTheArgumentList();
    void shouldRunTheUsersOwnYtDlpWithTheExtendedPath_data();
    void shouldRunTheUsersOwnYtDlpWithTheExtendedPath();
    void shouldReportTheOutcomeByExitCode_data();
    void shouldReportTheOutcomeByExitCode();
    void shouldLogAGoodRunParagraphByParagraph();
    void shouldShowOutputVerbatim_data();
    void shouldShowOutputVerbatim();
    void shouldCancelTheWholeRun();
    void shouldKillTheWholeRunWhenTheWindowGoes();
    void shouldStartCleanlyRightAfterCancel();
    void shouldReportAToolThatCannotStart_data();
    void shouldReportAToolThatCannotStart();
    void shouldRefuseMissingInput_data();
    void shouldRefuseMissingInput();

private:
    QByteArray home;
    QByteArray path;
};

void tst_Download::initTestCase()
{
    home = qgetenv("HOME");
    path = qgetenv("PATH");
}

void tst_Download::cleanup()
{
    qputenv("HOME", home);
    qputenv("PATH", path);
}

void tst_Download::shouldPassTheArgumentList_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("audioQuality");
    QTest::addColumn<bool>("wholePlaylist");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("expected");

    const QString out = "/tmp/k out";
    const QString file = out + "/%(title)s.%(ext)s";
    const QStringList tail = {"-o", file, "--newline", "--", link};
    const QStringList mp3 = {"-x", "--audio-format", "mp3", "--audio-quality"};
    const QStringList m4a = {"-f", "bestaudio[ext=m4a]/bestaudio"};
    const QStringList best = {"-f", "bestvideo+bestaudio/best"};

    QTest::newRow("as the window opens")
        << 0 << 0 << false << link << out << QStringList {"--no-playlist"} + mp3 + QStringList {"0"} + tail;
    QTest::newRow("mp3 high, whole playlist")
        << 0 << 1 << true << link << out << mp3 + QStringList {"192K"} + tail;
    QTest::newRow("mp3 medium") << 0 << 2 << false << link << out
                                << QStringList {"--no-playlist"} + mp3 + QStringList {"128K"} + tail;
    QTest::newRow("mp3 low") << 0 << 3 << true << link << out << mp3 + QStringList {"64K"} + tail;
    QTest::newRow("m4a best") << 1 << 0 << true << link << out << m4a + tail;
    QTest::newRow("m4a ignores the quality") << 1 << 3 << true << link << out << m4a + tail;
    QTest::newRow("best video") << 2 << 1 << false << link << out
                                << QStringList {"--no-playlist"} + best + tail;
    QTest::newRow("720p") << 3 << 0 << true << link << out
                          << QStringList {"-f", "bestvideo[height<=720]+bestaudio/best[height<=720]"} + tail;
    QTest::newRow("1080p") << 4 << 2 << false << link << out
                           << QStringList {"--no-playlist", "-f",
                                           "bestvideo[height<=1080]+bestaudio/best[height<=1080]"} +
            tail;
    QTest::newRow("link trimmed, inner blank kept")
        << 2 << 0 << true << " \t" + link + "&t=a b \t" << out
        << best + QStringList {"-o", file, "--newline", "--", link + "&t=a b"};
    QTest::newRow("link that looks like an option")
        << 2 << 0 << true << "--exec=touch /tmp/kavari-pwned" << out
        << best + QStringList {"-o", file, "--newline", "--", "--exec=touch /tmp/kavari-pwned"};
    QTest::newRow("folder with a trailing slash and blanks")
        << 2 << 0 << true << link << " /tmp/k/ "
        << best + QStringList {"-o", " /tmp/k/ /%(title)s.%(ext)s", "--newline", "--", link};
    QTest::newRow("folder with % signs")
        << 2 << 0 << true << link << "/tmp/50% off%(id)s"
        << best + QStringList {"-o", "/tmp/50%% off%%(id)s/%(title)s.%(ext)s", "--newline", "--", link};
}

void tst_Download::shouldPassTheArgumentList()
{
    QFETCH(int, format);
    QFETCH(int, audioQuality);
    QFETCH(bool, wholePlaylist);
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QStringList, expected);

    Run run;
    run.fake.install("exit 0");
    control<QComboBox>(*run.window, "qualityCombo")->setCurrentIndex(format);
    control<QComboBox>(*run.window, "audioQualityCombo")->setCurrentIndex(audioQuality);
    control<QCheckBox>(*run.window, "playlistCheckBox")->setChecked(wholePlaylist);
    run.folder->setText(folder);
    run.start(text);
    QTRY_COMPARE(run.status->text(), "Complete");

    QCOMPARE(run.fake.recordedArguments(), expected);
    QCOMPARE(run.lines().first(), "Command: yt-dlp " + expected.join(' '));
}

void tst_Download::shouldRunTheUsersOwnYtDlpWithTheExtendedPath_data()
{
    QTest::addColumn<bool>("homeSet");
    QTest::newRow("HOME set") << true;
    QTest::newRow("HOME unset") << false;
}

void tst_Download::shouldRunTheUsersOwnYtDlpWithTheExtendedPath()
{
    QFETCH(bool, homeSet);

    Run run;
    run.fake.install("exit 0");
    // The fake lives only in the new HOME's .local/bin, where Kavari's own PATH never looks.
    QVERIFY(!qEnvironmentVariable("PATH").contains(run.fake.home()));
    QString own = qEnvironmentVariable("PATH");
    QString prefix = run.fake.home() + "/.deno/bin:" + run.fake.home() + "/.local/bin:";
    if (!homeSet) {
        qunsetenv("HOME");
        own = run.fake.filePath(".local/bin") + ':' + own;
        qputenv("PATH", own.toLocal8Bit());
        prefix = "/.deno/bin:/.local/bin:";
    }

    for (int attempt = 0; attempt < 2; ++attempt) {
        QFile::remove(run.fake.filePath("path"));
        run.start();
        QTRY_COMPARE(run.status->text(), "Complete");
        // Each start begins from Kavari's own environment, so the PATH never grows.
        QCOMPARE(run.fake.recordedPath(), prefix + own);
        QCOMPARE(run.lines().first().left(16), "Command: yt-dlp ");
    }
}

void tst_Download::shouldReportTheOutcomeByExitCode_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("line");

    const QString complete = "✓ Download completed successfully!";
    const QString failed = "✗ Download failed or was cancelled";
    QTest::newRow("exit 0") << QByteArray("exit 0") << "Complete" << green << complete;
    QTest::newRow("exit 0 after writing to stderr")
        << QByteArray("echo 'WARNING: slow' >&2\nexit 0") << "Complete" << green << complete;
    QTest::newRow("exit 1") << QByteArray("exit 1") << "Failed" << red << failed;
    QTest::newRow("exit 2 although a file was written")
        << QByteArray("touch out.mp3\nexit 2") << "Failed" << red << failed;
    QTest::newRow("killed by a signal") << QByteArray("kill -9 $$") << "Failed" << red << failed;
}

void tst_Download::shouldReportTheOutcomeByExitCode()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, status);
    QFETCH(QString, style);
    QFETCH(QString, line);

    Run run;
    run.fake.install(body);
    run.start();
    QTRY_COMPARE(run.button->text(), "Download");
    QCOMPARE(run.status->text(), status);
    QCOMPARE(run.status->styleSheet(), style);
    QCOMPARE(run.lines().mid(run.lines().size() - 2), QStringList({"", line}));
}

void tst_Download::shouldLogAGoodRunParagraphByParagraph()
{
    Run run;
    run.fake.install(
        "echo '[download] one'\nsleep 0.3\necho 'warning two' >&2\nsleep 0.3\necho '[download] three'");
    run.log->setPlainText("last run's log");
    run.start();
    QCOMPARE(run.button->text(), "Cancel");
    QCOMPARE(run.status->text(), "Downloading...");
    QCOMPARE(run.status->styleSheet(), "color: blue; font-weight: bold;");
    QVERIFY(!run.logHas("last run's log"));

    QTRY_COMPARE(run.status->text(), "Complete");
    const QStringList expected = {"Command: yt-dlp " + run.fake.recordedArguments().join(' '),
                                  "",
                                  "[download] one",
                                  "warning two",
                                  "[download] three",
                                  "",
                                  "✓ Download completed successfully!"};
    QCOMPARE(run.lines(), expected);
}

void tst_Download::shouldShowOutputVerbatim_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("output");

    QTest::newRow("markup in a title") << QByteArray("echo '[info] <b>Title</b> &amp; <i>x</i>'")
                                       << QStringList {"[info] <b>Title</b> &amp; <i>x</i>"};
    QTest::newRow("a character split between two reads")
        << QByteArray("printf 'caf\\303'\nsleep 0.3\nprintf '\\251 ok\\n'") << QStringList {"caf", "é ok"};
    QTest::newRow("invalid bytes") << QByteArray("printf 'bad \\377 byte\\n'")
                                   << QStringList {"bad \uFFFD byte"};
    QTest::newRow("a chunk of white space only")
        << QByteArray("echo a\nsleep 0.3\necho\nsleep 0.3\necho b") << QStringList {"a", "", "b"};
    QTest::newRow("one chunk of several lines")
        << QByteArray("printf ' one\\ntwo \\n'") << QStringList {"one", "two"};
}

void tst_Download::shouldShowOutputVerbatim()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, output);

    Run run;
    run.fake.install(body);
    run.start();
    QTRY_COMPARE(run.status->text(), "Complete");
    QCOMPARE(run.output(), output);
    // Plain text throughout: no paragraph of the log picked up bold or italics.
    QVERIFY(!run.log->toHtml().contains("font-weight:700"));
    QVERIFY(!run.log->toHtml().contains("font-style:italic"));
}

void tst_Download::shouldCancelTheWholeRun()
{
    Run run;
    run.fake.install(FakeYtDlp::hangWithGrandchild());
    run.start();
    QTRY_VERIFY(run.logHas("ready"));
    const qint64 child = run.fake.recordedPid("child.pid");
    const qint64 grandchild = run.fake.recordedPid("grandchild.pid");
    QVERIFY(isProcessAlive(child) && isProcessAlive(grandchild));

    run.button->click();
    QCOMPARE(run.status->text(), "Cancelled");
    QCOMPARE(run.status->styleSheet(), "color: orange; font-weight: bold;");
    QCOMPARE(run.button->text(), "Download");
    QCOMPARE(run.lines().last(), "--- Download cancelled by user ---");

    QTRY_VERIFY(!isProcessAlive(child) && !isProcessAlive(grandchild));
    QTRY_COMPARE(run.status->text(), "Failed");
    QCOMPARE(run.lines().mid(2),
             QStringList({"ready", "", "--- Download cancelled by user ---", "",
                          "✗ Download failed or was cancelled"}));
}

void tst_Download::shouldKillTheWholeRunWhenTheWindowGoes()
{
    Run run;
    run.fake.install(FakeYtDlp::hangWithGrandchild());
    run.start();
    QTRY_VERIFY(run.logHas("ready"));
    const qint64 child = run.fake.recordedPid("child.pid");
    const qint64 grandchild = run.fake.recordedPid("grandchild.pid");

    run.window.reset();
    QVERIFY(!isProcessAlive(child));
    QTRY_VERIFY(!isProcessAlive(grandchild));
}

void tst_Download::shouldStartCleanlyRightAfterCancel()
{
    Run run;
    run.fake.install("if [ -e second ]; then echo 'second run'; exit 0; fi\necho ready\nexec sleep 300");
    run.start();
    QTRY_VERIFY(run.logHas("ready"));
    QFile(run.fake.filePath("second")).open(QIODevice::WriteOnly);

    run.button->click();
    run.button->click();
    QTRY_COMPARE(run.status->text(), "Complete");
    QCOMPARE(run.output(), QStringList {"second run"});
    QVERIFY(!run.logHas("cancelled"));
    QVERIFY(!run.logHas("failed"));
}

void tst_Download::shouldReportAToolThatCannotStart_data()
{
    QTest::addColumn<bool>("brokenInterpreter");
    QTest::newRow("not installed anywhere") << false;
    QTest::newRow("installed with a missing interpreter") << true;
}

void tst_Download::shouldReportAToolThatCannotStart()
{
    QFETCH(bool, brokenInterpreter);

    Run run;
    QTemporaryDir emptyFolder;
    qputenv("PATH", emptyFolder.path().toLocal8Bit());
    const QString program = run.fake.filePath(".local/bin/yt-dlp");
    QString expected = "✗ yt-dlp could not be started: no program of that name in " + run.fake.home() +
        "/.deno/bin, " + run.fake.home() + "/.local/bin, " + emptyFolder.path();
    if (brokenInterpreter) {
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/nonexistent/interpreter\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        expected = "✗ yt-dlp could not be started: ";
    }

    run.start();
    QTRY_COMPARE(run.status->text(), "Failed");
    QCOMPARE(run.status->styleSheet(), red);
    QCOMPARE(run.button->text(), "Download");
    QCOMPARE(run.lines().at(run.lines().size() - 2), "");
    QVERIFY2(run.lines().last().startsWith(expected), qPrintable(run.lines().last()));
    if (brokenInterpreter)
        QVERIFY2(run.lines().last().contains(program), qPrintable(run.lines().last()));

    // Back to idle: the next click starts again instead of cancelling.
    run.log->clear();
    run.button->click();
    QVERIFY(run.lines().first().startsWith("Command: yt-dlp "));
    QVERIFY(!run.logHas("cancelled"));
    QTRY_COMPARE(run.status->text(), "Failed");
}

void tst_Download::shouldRefuseMissingInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("warning");

    QTest::newRow("link of blanks and tabs") << " \t \t"
                                             << "/tmp"
                                             << "Please enter a URL";
    QTest::newRow("both empty: the link is named first") << ""
                                                         << ""
                                                         << "Please enter a URL";
    QTest::newRow("no folder") << link << ""
                               << "Please select an output directory";
    QTest::newRow("folder of blanks passes") << link << "   "
                                             << "";
}

void tst_Download::shouldRefuseMissingInput()
{
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QString, warning);

    Run run;
    run.fake.install("echo first\nexit 0");
    run.start();
    QTRY_COMPARE(run.status->text(), "Complete");
    const QString before = run.log->toPlainText();

    run.fake.install("echo second\nexit 0");
    run.folder->setText(folder);
    MessageBoxSeen seen;
    if (!warning.isEmpty())
        answerMessageBox(this, &seen);
    run.start(text);

    if (warning.isEmpty()) {
        QTRY_VERIFY(run.logHas("second"));
        QTRY_COMPARE(run.status->text(), "Complete");
        return;
    }
    QCOMPARE(seen.title, "Error");
    QCOMPARE(seen.text, warning);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(run.log->toPlainText(), before);
    QCOMPARE(run.status->text(), "Complete");
    QCOMPARE(run.button->text(), "Download");
}

QTEST_MAIN(tst_Download)
#include "tst_download.moc"
