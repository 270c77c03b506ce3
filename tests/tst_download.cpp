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
const QString completed = "✓ Download completed successfully!";

// One window with a fake yt-dlp in a HOME of its own.
struct Run
{
    Run()
    {
        fake.useAsHome();
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
    std::unique_ptr<KavariWindow> window = std::make_unique<KavariWindow>();
    QLineEdit *url = control<QLineEdit>(*window, "urlEdit");
    QLineEdit *folder = control<QLineEdit>(*window, "outputDirEdit");
    QPushButton *button = control<QPushButton>(*window, "downloadButton");
    QLabel *status = control<QLabel>(*window, "statusLabel");
    QTextEdit *log = control<QTextEdit>(*window, "outputLog");
};

// Answers the next modal warning box with OK, if one opens, remembering its title and text.
void answerWarning(QObject *context, QStringList *seen)
{
    QTimer::singleShot(0, context, [seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *seen = {box->windowTitle(), box->text()};
            box->button(QMessageBox::Ok)->click();
        }
    });
}

double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
        0.0722 * linear(colour.blueF());
}

// The colour a style sheet sets has the given hue and a contrast of at least 4.5:1 on the background.
bool readableTone(const QString &styleSheet, const QColor &hue, const QColor &background)
{
    const QColor colour(QRegularExpression("color: (#[0-9a-f]{6});").match(styleSheet).captured(1));
    const double ratio = (luminance(colour) + 0.05) / (luminance(background) + 0.05);
    return colour.isValid() && std::abs(colour.hslHue() - hue.hslHue()) <= 2 && ratio >= 4.5;
}
} // namespace

class tst_Download : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { qputenv("PATH", path); }
    void shouldPassTheArgumentsAndASafeSearchPath_data();
    void shouldPassTheArgumentsAndASafeSearchPath();
    void shouldLogTheRunAndReportItsOutcome_data();
    void shouldLogTheRunAndReportItsOutcome();
    void shouldStopTheWholeRun_data();
    void shouldStopTheWholeRun();
    void shouldKeepTheOutcomeInView_data();
    void shouldKeepTheOutcomeInView();
    void shouldReportAToolThatCannotStart_data();
    void shouldReportAToolThatCannotStart();
    void shouldRefuseMissingInput_data();
    void shouldRefuseMissingInput();
    void shouldKeepTheStatusReadableOnADarkTheme();

private:
    QByteArray path;
};

void tst_Download::init()
{
    path = qgetenv("PATH");
}

void tst_Download::shouldPassTheArgumentsAndASafeSearchPath_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("audioQuality");
    QTest::addColumn<bool>("wholePlaylist");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("ownPath");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("searched");

    // $HOME stands for the fake's home folder, only known once the test runs.
    const QString out = "/tmp/k out";
    const QString own = qEnvironmentVariable("PATH");
    const QStringList one = {"--no-playlist", "--playlist-items", "1"};
    const QStringList mp3 = {"-x", "--audio-format", "mp3", "--audio-quality"};
    const QStringList best = {"-f", "bestvideo+bestaudio/best"};
    const auto tail = [](const QString &folder, const QString &text = link) {
        return QStringList {"-o", folder + "/%(title)s.%(ext)s", "--newline", "--", text};
    };
    QTest::newRow("as the window opens")
        << 0 << 0 << false << link << out << own << one + mp3 + QStringList {"0"} + tail(out) << own;
    QTest::newRow("mp3 high, whole playlist")
        << 0 << 1 << true << link << out << own << mp3 + QStringList {"192K"} + tail(out) << own;
    QTest::newRow("m4a ignores the quality")
        << 1 << 3 << true << link << out << own
        << QStringList {"-f", "bestaudio[ext=m4a]/bestaudio"} + tail(out) << own;
    QTest::newRow("720p") << 3 << 0 << false << link << out << own
                          << one + QStringList {"-f", "bestvideo[height<=720]+bestaudio/best[height<=720]"} +
            tail(out) << own;
    QTest::newRow("link trimmed, an option only in look")
        << 2 << 0 << true << " \t--exec=touch /tmp/x \n"
        << out << own << best + tail(out, "--exec=touch /tmp/x") << own;
    QTest::newRow("folder pasted with blanks and a line break") << 2 << 0 << true << link << " /tmp/k/ \n"
                                                                << own << best + tail("/tmp/k/") << own;
    QTest::newRow("~ for the home folder")
        << 2 << 0 << true << link << "~/Music" << own << best + tail("$HOME/Music") << own;
    QTest::newRow("folder with % signs") << 2 << 0 << true << link << "~" + out + " 50% off%(id)s" << own
                                         << best + tail("$HOME" + out + " 50%% off%%(id)s") << own;
    QTest::newRow("PATH empty: the system's default")
        << 2 << 0 << true << link << out << "" << best + tail(out) << "/bin:/usr/bin";
    QTest::newRow("PATH with empty entries")
        << 2 << 0 << true << link << out << ":/usr/bin::/bin:" << best + tail(out) << "/usr/bin:/bin";
}

void tst_Download::shouldPassTheArgumentsAndASafeSearchPath()
{
    QFETCH(int, format);
    QFETCH(int, audioQuality);
    QFETCH(bool, wholePlaylist);
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QString, ownPath);
    QFETCH(QStringList, expected);
    QFETCH(QString, searched);

    Run run;
    run.fake.install("exit 0");
    expected.replaceInStrings("$HOME", run.fake.home());
    qputenv("PATH", ownPath.toLocal8Bit());
    control<QComboBox>(*run.window, "qualityCombo")->setCurrentIndex(format);
    control<QComboBox>(*run.window, "audioQualityCombo")->setCurrentIndex(audioQuality);
    control<QCheckBox>(*run.window, "playlistCheckBox")->setChecked(wholePlaylist);
    run.folder->setText(folder);
    // Twice: each start begins from Kavari's own environment, so the PATH never grows.
    for (int attempt = 0; attempt < 2; ++attempt) {
        QStringList refused;
        answerWarning(this, &refused);
        run.start(text);
        QCOMPARE(refused, QStringList());
        QTRY_COMPARE(run.status->text(), "Complete");
        QCOMPARE(run.fake.recordedArguments(), expected);
        QCOMPARE(run.lines().first(), "Command: yt-dlp " + expected.join(' '));
        // The fake lives only in HOME's .local/bin, which Kavari's own PATH lacks.
        QCOMPARE(run.fake.recorded("path"),
                 QString(run.fake.home() + "/.deno/bin:" + run.fake.home() + "/.local/bin:" + searched)
                     .toLocal8Bit());
    }
}

void tst_Download::shouldLogTheRunAndReportItsOutcome_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("output");
    QTest::addColumn<int>("chunks");
    QTest::addColumn<QString>("status");

    // Started in the run's group, like the ffmpeg that yt-dlp starts for a conversion.
    const QByteArray leftover = "sleep 300 &\necho $! > grandchild.pid\n";
    QTest::newRow("stdout and stderr in their order, exit 0")
        << QByteArray("echo '[download] one'\nsleep 0.3\necho 'warning two' >&2\nsleep 0.3\necho three")
        << QStringList {"[download] one", "warning two", "three"} << 3 << "Complete";
    QTest::newRow("markup in a title")
        << QByteArray("echo '<b>Title</b> &amp;'") << QStringList {"<b>Title</b> &amp;"} << 1 << "Complete";
    QTest::newRow("a character split between two reads")
        << QByteArray("printf 'caf\\303'\nsleep 0.3\nprintf '\\251 ok\\n'") << QStringList {"caf", "é ok"}
        << 2 << "Complete";
    QTest::newRow("invalid bytes") << QByteArray("printf 'bad \\377 byte\\n'")
                                   << QStringList {"bad \uFFFD byte"} << 1 << "Complete";
    QTest::newRow("a chunk of white space only") << QByteArray("echo a\nsleep 0.3\necho\nsleep 0.3\necho b")
                                                 << QStringList {"a", "", "b"} << 3 << "Complete";
    QTest::newRow("several lines in one chunk, one paragraph")
        << QByteArray("printf ' one\\ntwo \\n'") << QStringList {"one", "two"} << 1 << "Complete";
    QTest::newRow("exit 2 although a file was written")
        << QByteArray("touch out.mp3\nexit 2") << QStringList {} << 0 << "Failed";
    QTest::newRow("killed by a signal") << QByteArray("kill -9 $$") << QStringList {} << 0 << "Failed";
    QTest::newRow("exit 0, something of the run still running")
        << leftover + "exit 0" << QStringList {} << 0 << "Complete";
    QTest::newRow("killed during a conversion") << leftover + "kill -9 $$" << QStringList {} << 0 << "Failed";
    QTest::newRow("a prompt for input")
        << QByteArray("read answer || exit 1") << QStringList {} << 0 << "Failed";
}

void tst_Download::shouldLogTheRunAndReportItsOutcome()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, output);
    QFETCH(int, chunks);
    QFETCH(QString, status);

    Run run;
    run.fake.install(body);
    run.log->setPlainText("last run's log");
    run.start();
    QCOMPARE(run.button->text(), "Cancel");
    QCOMPARE(run.status->text(), "Downloading...");
    QCOMPARE(run.status->styleSheet(), "color: blue; font-weight: bold;");

    QTRY_COMPARE(run.button->text(), "Download");
    QCOMPARE(run.status->text(), status);
    QCOMPARE(run.status->styleSheet(),
             QString("color: %1; font-weight: bold;").arg(status == "Complete" ? "green" : "red"));
    const QString outcome = status == "Complete" ? completed : failed;
    QCOMPARE(run.lines().mid(2), output + QStringList({"", outcome}));
    // A paragraph per chunk, between the command and its empty line, the outcome and the empty tail.
    QCOMPARE(run.log->document()->blockCount(), chunks + 4);
    // Plain text throughout: no paragraph of the log picked up bold.
    QVERIFY(!run.log->toHtml().contains("font-weight:700"));
    // Whatever was left of the run's process group is gone with it.
    QTRY_VERIFY(!isProcessAlive(run.fake.recordedPid("grandchild.pid")));
}

void tst_Download::shouldStopTheWholeRun_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Cancel, and Download again at once") << "restart";
    QTest::newRow("closing the window") << "close";
}

void tst_Download::shouldStopTheWholeRun()
{
    QFETCH(QString, how);

    Run run;
    run.fake.install("if [ -e second ]; then echo 'second run'; exit 0; fi\n" +
                     FakeYtDlp::hangWithGrandchild());
    run.start();
    run.button->click();
    QCOMPARE(run.status->text(), "Downloading...");
    QTRY_VERIFY(run.logHas("ready"));
    const qint64 child = run.fake.recordedPid("child.pid");
    const qint64 grandchild = run.fake.recordedPid("grandchild.pid");
    QVERIFY(isProcessAlive(child) && isProcessAlive(grandchild));

    if (how == "close") {
        run.window.reset();
        QVERIFY(!isProcessAlive(child));
        QTRY_VERIFY(!isProcessAlive(grandchild));
        return;
    }
    QFile(run.fake.filePath("second")).open(QIODevice::WriteOnly);
    run.cancel();
    QCOMPARE(run.status->text(), "Cancelled");
    QCOMPARE(run.status->styleSheet(), "color: orange; font-weight: bold;");
    QCOMPARE(run.button->text(), "Download");
    // Before the killed run's end is reported: the new run must not get the old one's end.
    if (how == "restart") {
        run.button->click();
        QTRY_COMPARE(run.status->text(), "Complete");
        QCOMPARE(run.output(), QStringList {"second run"});
    }
    QTRY_VERIFY(!isProcessAlive(child) && !isProcessAlive(grandchild));
    if (how == "restart")
        return;
    QTRY_COMPARE(run.status->text(), "Failed");
    QCOMPARE(run.lines().mid(2),
             QStringList({"ready", "", "--- Download cancelled by user ---", "", failed}));
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

void tst_Download::shouldReportAToolThatCannotStart_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("why");
    QTest::newRow("not installed anywhere") << QByteArray()
                                            << "no program of that name in $HOME/.deno/bin, "
                                               "$HOME/.local/bin, /nonexistent";
    QTest::newRow("installed with a missing interpreter")
        << QByteArray("#!/nonexistent/interpreter\n") << "$HOME/.local/bin/yt-dlp";
}

void tst_Download::shouldReportAToolThatCannotStart()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, why);

    Run run;
    qputenv("PATH", "/nonexistent");
    QFile program(run.fake.filePath(".local/bin/yt-dlp"));
    if (!script.isEmpty()) {
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write(script);
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    run.start();
    QTRY_COMPARE(run.status->text(), "Failed");
    QCOMPARE(run.button->text(), "Download");
    const QString last = run.lines().last();
    QVERIFY2(last.startsWith("✗ yt-dlp could not be started: "), qPrintable(last));
    QVERIFY2(last.contains(why.replace("$HOME", run.fake.home())), qPrintable(last));
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
    run.fake.install("echo first");
    run.start();
    QTRY_COMPARE(run.status->text(), "Complete");
    const QString before = run.log->toPlainText();
    run.folder->setText(folder);
    QStringList seen;
    answerWarning(this, &seen);
    run.start(text);
    QCOMPARE(seen, QStringList({"Error", warning}));
    QCOMPARE(run.log->toPlainText(), before);
    QCOMPARE(run.status->text(), "Complete");
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
    QVERIFY(readableTone(run.status->styleSheet(), QColor("blue"), window));
    QTRY_VERIFY(run.logHas("ready"));
    run.cancel();
    QVERIFY(readableTone(run.status->styleSheet(), QColor("orange"), window));
    QTRY_COMPARE(run.status->text(), "Failed");
    QVERIFY(readableTone(run.status->styleSheet(), QColor("red"), window));
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
