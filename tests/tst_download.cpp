// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeytdlp.h"
#include "kavariwindow.h"
#include "windowaccess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cmath>
#include <memory>

namespace {
const QString link = "http://127.0.0.1:9/watch?v=kavari";
const QString failed = "✗ Download failed or was cancelled";

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
    // A click that comes too soon after the start is taken for the second half of a double-click.
    void cancel()
    {
        QTest::qWait(QApplication::doubleClickInterval());
        button->click();
    }

    // The log ends in an empty paragraph that takes the next text; it is no line of its own.
    QStringList lines() const { return log->toPlainText().chopped(1).split('\n'); }
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

// Answers the next modal warning box with OK, remembering its title and text.
void answerMessageBox(QObject *context, QStringList *seen)
{
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen = {box->windowTitle(), box->text()};
        box->button(QMessageBox::Ok)->click();
        timer->deleteLater();
    });
    timer->start(10);
}

double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
        0.0722 * linear(colour.blueF());
}

// The colour a style sheet sets, checked for its hue and for a contrast of 4.5:1 on the background.
bool readableTone(const QString &styleSheet, const QColor &hue, const QColor &background)
{
    const QColor colour(QRegularExpression("color: (#[0-9a-f]{6});").match(styleSheet).captured(1));
    const double a = luminance(colour) + 0.05;
    const double b = luminance(background) + 0.05;
    const bool sameHue = hue.hue() < 0 ? colour.hue() < 0 : std::abs(colour.hue() - hue.hue()) <= 2;
    return colour.isValid() && sameHue && std::max(a, b) / std::min(a, b) >= 4.5;
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
    void shouldGiveTheToolASearchPathWithoutTheWorkingFolder_data();
    void shouldGiveTheToolASearchPathWithoutTheWorkingFolder();
    void shouldReportTheOutcome_data();
    void shouldReportTheOutcome();
    void shouldShowOutputVerbatim_data();
    void shouldShowOutputVerbatim();
    void shouldKeepTheOutcomeInView_data();
    void shouldKeepTheOutcomeInView();
    void shouldCancelTheWholeRunButNotOnADoubleClick();
    void shouldKillTheWholeRunWhenTheWindowGoes();
    void shouldStartCleanlyRightAfterCancel();
    void shouldReportAToolThatCannotStart_data();
    void shouldReportAToolThatCannotStart();
    void shouldRefuseMissingInput_data();
    void shouldRefuseMissingInput();
    void shouldKeepTheStatusReadableOnADarkTheme();

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

    // $HOME stands for the fake's home folder, only known once the test runs.
    const QString out = "/tmp/k out";
    const QStringList one = {"--no-playlist", "--playlist-items", "1"};
    const QStringList mp3 = {"-x", "--audio-format", "mp3", "--audio-quality"};
    const QStringList best = {"-f", "bestvideo+bestaudio/best"};
    const auto tail = [](const QString &folder, const QString &text = link) {
        return QStringList {"-o", folder + "/%(title)s.%(ext)s", "--newline", "--", text};
    };

    QTest::newRow("as the window opens")
        << 0 << 0 << false << link << out << one + mp3 + QStringList {"0"} + tail(out);
    QTest::newRow("mp3 high, whole playlist")
        << 0 << 1 << true << link << out << mp3 + QStringList {"192K"} + tail(out);
    QTest::newRow("mp3 low") << 0 << 3 << false << link << out << one + mp3 + QStringList {"64K"} + tail(out);
    QTest::newRow("m4a ignores the quality")
        << 1 << 3 << true << link << out << QStringList {"-f", "bestaudio[ext=m4a]/bestaudio"} + tail(out);
    QTest::newRow("best video") << 2 << 1 << false << link << out << one + best + tail(out);
    QTest::newRow("720p") << 3 << 0 << true << link << out
                          << QStringList {"-f", "bestvideo[height<=720]+bestaudio/best[height<=720]"} +
            tail(out);
    QTest::newRow("1080p") << 4 << 2 << false << link << out
                           << one +
            QStringList {"-f", "bestvideo[height<=1080]+bestaudio/best[height<=1080]"} + tail(out);
    QTest::newRow("link trimmed, inner blank kept")
        << 2 << 0 << true << " \t" + link + "&t=a b \t" << out << best + tail(out, link + "&t=a b");
    QTest::newRow("link that looks like an option")
        << 2 << 0 << true << "--exec=touch /tmp/kavari-pwned" << out
        << best + tail(out, "--exec=touch /tmp/kavari-pwned");
    QTest::newRow("folder pasted with blanks and a line break") << 2 << 0 << true << link << " /tmp/k/ \n"
                                                                << best + tail("/tmp/k/");
    QTest::newRow("~ alone") << 2 << 0 << true << link << "~" << best + tail("$HOME");
    QTest::newRow("~/ for the home folder")
        << 2 << 0 << true << link << "~/Music" << best + tail("$HOME/Music");
    QTest::newRow("folder with % signs")
        << 2 << 0 << true << link << "/tmp/50% off%(id)s" << best + tail("/tmp/50%% off%%(id)s");
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
    expected.replaceInStrings("$HOME", run.fake.home());
    control<QComboBox>(*run.window, "qualityCombo")->setCurrentIndex(format);
    control<QComboBox>(*run.window, "audioQualityCombo")->setCurrentIndex(audioQuality);
    control<QCheckBox>(*run.window, "playlistCheckBox")->setChecked(wholePlaylist);
    run.folder->setText(folder);
    run.start(text);
    QTRY_COMPARE(run.status->text(), "Complete");

    QCOMPARE(run.fake.recordedArguments(), expected);
    QCOMPARE(run.lines().first(), "Command: yt-dlp " + expected.join(' '));
}

void tst_Download::shouldGiveTheToolASearchPathWithoutTheWorkingFolder_data()
{
    QTest::addColumn<bool>("homeSet");
    QTest::addColumn<QString>("ownPath");
    QTest::addColumn<QString>("inherited");

    const QString own = qEnvironmentVariable("PATH");
    QTest::newRow("HOME and PATH set") << true << own << own;
    QTest::newRow("HOME unset") << false << own << own;
    QTest::newRow("PATH empty: the system's default") << true << ""
                                                      << "/bin:/usr/bin";
    QTest::newRow("PATH with empty entries") << true << ":/usr/bin::/bin:"
                                             << "/usr/bin:/bin";
}

void tst_Download::shouldGiveTheToolASearchPathWithoutTheWorkingFolder()
{
    QFETCH(bool, homeSet);
    QFETCH(QString, ownPath);
    QFETCH(QString, inherited);

    Run run;
    run.fake.install("exit 0");
    // The fake lives only in the new HOME's .local/bin, where Kavari's own PATH never looks.
    QVERIFY(!ownPath.contains(run.fake.home()));
    qputenv("PATH", ownPath.toLocal8Bit());
    QString expected = run.fake.home() + "/.deno/bin:" + run.fake.home() + "/.local/bin:" + inherited;
    if (!homeSet) {
        qunsetenv("HOME");
        ownPath.prepend(run.fake.filePath(".local/bin") + ':');
        qputenv("PATH", ownPath.toLocal8Bit());
        expected = "/.deno/bin:/.local/bin:" + ownPath;
    }

    for (int attempt = 0; attempt < 2; ++attempt) {
        QFile::remove(run.fake.filePath("path"));
        run.start();
        QTRY_COMPARE(run.status->text(), "Complete");
        // Each start begins from Kavari's own environment, so the PATH never grows.
        QCOMPARE(run.fake.recordedPath(), expected);
    }
}

void tst_Download::shouldReportTheOutcome_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("line");

    const QString complete = "✓ Download completed successfully!";
    // Started in the run's group, like the ffmpeg that yt-dlp starts for a conversion.
    const QByteArray leftover = "sleep 300 &\necho $! > grandchild.pid\n";
    QTest::newRow("exit 0") << QByteArray("exit 0") << "Complete" << complete;
    QTest::newRow("exit 0 after writing to stderr")
        << QByteArray("echo 'WARNING: slow' >&2\nexit 0") << "Complete" << complete;
    QTest::newRow("exit 2 although a file was written")
        << QByteArray("touch out.mp3\nexit 2") << "Failed" << failed;
    QTest::newRow("killed by a signal") << QByteArray("kill -9 $$") << "Failed" << failed;
    QTest::newRow("exit 0, something of the run still running") << leftover + "exit 0"
                                                                << "Complete" << complete;
    QTest::newRow("killed during a conversion") << leftover + "kill -9 $$"
                                                << "Failed" << failed;
    QTest::newRow("a prompt for input") << QByteArray("read answer || exit 1") << "Failed" << failed;
}

void tst_Download::shouldReportTheOutcome()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, status);
    QFETCH(QString, line);

    Run run;
    run.fake.install(body);
    run.log->setPlainText("last run's log");
    run.start();
    QCOMPARE(run.button->text(), "Cancel");
    QCOMPARE(run.status->text(), "Downloading...");
    QCOMPARE(run.status->styleSheet(), "color: blue; font-weight: bold;");
    QVERIFY(run.lines().first().startsWith("Command: yt-dlp --no-playlist"));

    QTRY_COMPARE(run.button->text(), "Download");
    QCOMPARE(run.status->text(), status);
    QCOMPARE(run.status->styleSheet(),
             QString("color: %1; font-weight: bold;").arg(status == "Complete" ? "green" : "red"));
    QCOMPARE(run.lines().mid(run.lines().size() - 2), QStringList({"", line}));
    QVERIFY(!run.logHas("last run's log"));
    // Whatever was left of the run's process group is gone with it.
    const qint64 grandchild = run.fake.recordedPid("grandchild.pid");
    QTRY_VERIFY(!isProcessAlive(grandchild));
}

void tst_Download::shouldShowOutputVerbatim_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("output");
    QTest::addColumn<int>("chunks");

    QTest::newRow("stdout and stderr in their order")
        << QByteArray("echo '[download] one'\nsleep 0.3\necho 'warning two' >&2\nsleep 0.3\necho three")
        << QStringList {"[download] one", "warning two", "three"} << 3;
    QTest::newRow("markup in a title") << QByteArray("echo '[info] <b>Title</b> &amp; <i>x</i>'")
                                       << QStringList {"[info] <b>Title</b> &amp; <i>x</i>"} << 1;
    QTest::newRow("a character split between two reads")
        << QByteArray("printf 'caf\\303'\nsleep 0.3\nprintf '\\251 ok\\n'") << QStringList {"caf", "é ok"}
        << 2;
    QTest::newRow("invalid bytes") << QByteArray("printf 'bad \\377 byte\\n'")
                                   << QStringList {"bad \uFFFD byte"} << 1;
    QTest::newRow("a chunk of white space only")
        << QByteArray("echo a\nsleep 0.3\necho\nsleep 0.3\necho b") << QStringList {"a", "", "b"} << 3;
    QTest::newRow("one chunk of several lines, one paragraph")
        << QByteArray("printf ' one\\ntwo \\n'") << QStringList {"one", "two"} << 1;
}

void tst_Download::shouldShowOutputVerbatim()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, output);
    QFETCH(int, chunks);

    Run run;
    run.fake.install(body);
    run.start();
    QTRY_COMPARE(run.status->text(), "Complete");
    QCOMPARE(run.output(), output);
    // A paragraph per chunk, between the command and its empty line, the outcome and the empty tail.
    QCOMPARE(run.log->document()->blockCount(), chunks + 4);
    // Plain text throughout: no paragraph of the log picked up bold or italics.
    QVERIFY(!run.log->toHtml().contains("font-weight:700"));
    QVERIFY(!run.log->toHtml().contains("font-style:italic"));
}

void tst_Download::shouldKeepTheOutcomeInView_data()
{
    QTest::addColumn<bool>("scrolledUp");
    QTest::newRow("view at the end") << false;
    QTest::newRow("user scrolled up") << true;
}

void tst_Download::shouldKeepTheOutcomeInView()
{
    QFETCH(bool, scrolledUp);

    Run run;
    run.fake.install("seq 200\nsleep 0.5");
    run.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(run.window.get()));
    run.start();
    QScrollBar *bar = run.log->verticalScrollBar();
    QTRY_VERIFY(run.logHas("200"));
    QCOMPARE(bar->value(), bar->maximum());
    if (scrolledUp)
        bar->setValue(0);

    QTRY_COMPARE(run.status->text(), "Complete");
    QCOMPARE(bar->value(), scrolledUp ? 0 : bar->maximum());
}

void tst_Download::shouldCancelTheWholeRunButNotOnADoubleClick()
{
    Run run;
    run.fake.install(FakeYtDlp::hangWithGrandchild());
    run.start();
    run.button->click();
    QCOMPARE(run.status->text(), "Downloading...");
    QCOMPARE(run.button->text(), "Cancel");

    QTRY_VERIFY(run.logHas("ready"));
    const qint64 child = run.fake.recordedPid("child.pid");
    const qint64 grandchild = run.fake.recordedPid("grandchild.pid");
    QVERIFY(isProcessAlive(child) && isProcessAlive(grandchild));
    run.cancel();
    QCOMPARE(run.status->text(), "Cancelled");
    QCOMPARE(run.status->styleSheet(), "color: orange; font-weight: bold;");
    QCOMPARE(run.button->text(), "Download");

    QTRY_VERIFY(!isProcessAlive(child) && !isProcessAlive(grandchild));
    QTRY_COMPARE(run.status->text(), "Failed");
    QCOMPARE(run.lines().mid(2),
             QStringList({"ready", "", "--- Download cancelled by user ---", "", failed}));
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

    run.cancel();
    run.button->click();
    QTRY_COMPARE(run.status->text(), "Complete");
    QCOMPARE(run.output(), QStringList {"second run"});
    QVERIFY(!run.logHas("cancelled"));
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
    QCOMPARE(run.button->text(), "Download");
    QVERIFY2(run.lines().last().startsWith(expected), qPrintable(run.lines().last()));
    if (brokenInterpreter)
        QVERIFY2(run.lines().last().contains(program), qPrintable(run.lines().last()));

    // Back to idle: the next click starts again instead of cancelling.
    run.button->click();
    QVERIFY(run.lines().first().startsWith("Command: yt-dlp "));
}

void tst_Download::shouldRefuseMissingInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("warning");

    const QString noFolder = "Please select an output directory";
    const QString notFull = "Please enter the output directory as a full path";
    QTest::newRow("link of blanks and tabs") << " \t \t"
                                             << "/tmp"
                                             << "Please enter a URL";
    QTest::newRow("both empty: the link is named first") << ""
                                                         << ""
                                                         << "Please enter a URL";
    QTest::newRow("no folder") << link << "" << noFolder;
    QTest::newRow("folder of blanks") << link << " \t " << noFolder;
    QTest::newRow("relative folder") << link << "downloads" << notFull;
    QTest::newRow("yt-dlp's own output type") << link << "chapter:clips" << notFull;
    QTest::newRow("another user's home") << link << "~root/x" << notFull;
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
    QStringList seen;
    answerMessageBox(this, &seen);
    run.start(text);

    QCOMPARE(seen, QStringList({"Error", warning}));
    QCOMPARE(run.log->toPlainText(), before);
    QCOMPARE(run.status->text(), "Complete");
    QCOMPARE(run.button->text(), "Download");
}

void tst_Download::shouldKeepTheStatusReadableOnADarkTheme()
{
    Run run;
    run.fake.install("if [ -e ended ]; then exit 0; fi\ntouch ended\necho ready\nexec sleep 300");
    auto *mode = control<QLabel>(*run.window, "modeLabel");
    QPalette dark = run.window->palette();
    // Breeze Dark's window and text colours.
    dark.setColor(QPalette::Window, QColor(0x20, 0x23, 0x26));
    dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    const QColor window = dark.color(QPalette::Window);
    run.window->setPalette(dark);

    QVERIFY2(readableTone(mode->styleSheet(), QColor("#666"), window), qPrintable(mode->styleSheet()));
    run.start();
    QVERIFY(readableTone(run.status->styleSheet(), Qt::blue, window));
    QTRY_VERIFY(run.logHas("ready"));
    run.cancel();
    QVERIFY(readableTone(run.status->styleSheet(), QColor("orange"), window));
    QTRY_COMPARE(run.status->text(), "Failed");
    QVERIFY(readableTone(run.status->styleSheet(), Qt::red, window));
    run.start();
    QTRY_COMPARE(run.status->text(), "Complete");
    QVERIFY(readableTone(run.status->styleSheet(), QColor("green"), window));

    // Back to a light theme while the window is open.
    run.window->setPalette(QPalette());
    QCOMPARE(run.status->styleSheet(), "color: green; font-weight: bold;");
    QCOMPARE(mode->styleSheet(), "color: #666; font-style: italic;");
}

QTEST_MAIN(tst_Download)
#include "tst_download.moc"
