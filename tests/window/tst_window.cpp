// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven the way a user drives it: with a fake yt-dlp in a HOME of its own, and once
// with the real yt-dlp and ffmpeg against clips served on 127.0.0.1.
#include "commandline.h"
#include "fakeytdlp.h"
#include "kavariwindow.h"
#include "localhttpserver.h"
#include "readablecolour.h"
#include "terminationsignals.h"
#include "testrelease.h"
#include "translations.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString videoLink = "http://127.0.0.1:9/watch?v=kavari";
const QString failed = "✗ Download failed or was cancelled";
const QString completed = "✓ Download completed successfully!";

// One window, its controls, and a fake yt-dlp in a HOME of its own (the real one while none is installed).
struct Run
{
    // files: made in HOME before the window opens, such as a browser's cookies, each changed a
    // minute after the one before.
    explicit Run(const QStringList &files = {})
        : planted(plant(files))
    {
    }
    void start(const QString &text = videoLink)
    {
        url->setText(text);
        button->click();
    }
    // The log ends in an empty paragraph that takes the next text; it is no line of its own.
    QStringList lines() const { return log->toPlainText().chopped(1).split('\n'); }

    bool plant(const QStringList &files) const
    {
        for (qsizetype at = 0; at < files.size(); ++at) {
            const QString path = files[at].startsWith('/') ? files[at] : fake.filePath(files[at]);
            writeScript(path, {});
            QFile file(path);
            file.open(QIODevice::ReadWrite);
            file.setFileTime(QDateTime::currentDateTime().addSecs(60 * (at - 10)),
                             QFileDevice::FileModificationTime);
        }
        return true;
    }

    FakeYtDlp fake;
    bool planted;
    std::unique_ptr<KavariWindow> window = std::make_unique<KavariWindow>();
    QLineEdit *url = window->findChild<QLineEdit *>("urlEdit");
    QLineEdit *folder = window->findChild<QLineEdit *>("outputDirEdit");
    QComboBox *format = window->findChild<QComboBox *>("qualityCombo");
    QComboBox *audio = window->findChild<QComboBox *>("audioQualityCombo");
    QCheckBox *playlist = window->findChild<QCheckBox *>("playlistCheckBox");
    QPushButton *button = window->findChild<QPushButton *>("downloadButton");
    QLabel *mode = window->findChild<QLabel *>("modeLabel");
    QLabel *status = window->findChild<QLabel *>("statusLabel");
    QTextEdit *log = window->findChild<QTextEdit *>("outputLog");
    QProgressBar *bar = window->findChild<QProgressBar *>("progressBar");
    QComboBox *cookies = window->findChild<QComboBox *>("cookiesCombo");
    QPushButton *retry = window->findChild<QPushButton *>("retryButton");
};

// Remembers the title and text of the next modal dialog, if one opens, and lets answer close it.
void answerDialog(QObject *context, QStringList *seen, const std::function<void(QDialog *)> &answer)
{
    QTimer::singleShot(0, context, [seen, answer] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            *seen = {dialog->windowTitle(), dialog->property("text").toString()};
            answer(dialog);
        }
    });
}

} // namespace

// The desktop's notification server, played by the test on its private session bus.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QVariantList> calls;
    QList<QVariantList> updates;
    QStringList capabilities = {"actions", "body", "body-markup"};
    int asked = 0;

public slots:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int)
    {
        calls += QVariantList {app, replaces, icon, summary, body, actions, hints.value("desktop-entry")};
        return 7;
    }
    QStringList GetCapabilities()
    {
        ++asked;
        return capabilities;
    }
    // The task bar's side of com.canonical.Unity.LauncherEntry.
    void Update(const QString &app, const QVariantMap &properties, const QDBusMessage &message)
    {
        updates += QVariantList {message.path(), app, properties};
    }
};

class tst_Window : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shouldOpenReadyForADownload();
    void shouldDescribeTheLinkMode_data();
    void shouldDescribeTheLinkMode();
    void shouldRunWhatTheFieldsSayOrRefuse_data();
    void shouldRunWhatTheFieldsSayOrRefuse();
    void shouldLogTheRunAndReportItsOutcome_data();
    void shouldLogTheRunAndReportItsOutcome();
    void shouldExplainAFailure_data();
    void shouldExplainAFailure();
    void shouldOfferTheUpdateThatMends_data();
    void shouldOfferTheUpdateThatMends();
    void shouldStopTheWholeRun_data();
    void shouldStopTheWholeRun();
    void shouldTellTheDesktopHowTheRunGoes();
    void shouldPaintTheLastPercent();
    void shouldReadTheCookiesOfTheBrowserChosen_data();
    void shouldReadTheCookiesOfTheBrowserChosen();
    void shouldRetryAsTheOfferSays_data();
    void shouldRetryAsTheOfferSays();
    void shouldDoOneThingAtATime_data();
    void shouldDoOneThingAtATime();
    void shouldLookForTheBrowsersAgain();
    void shouldKeepTheOutcomeInView();
    void shouldKeepTheStatusReadableOnADarkTheme();
    void shouldSpeakEachLanguageWhole_data();
    void shouldSpeakEachLanguageWhole();
    void shouldAnswerItsCommandLineInTheSessionsLanguage_data();
    void shouldAnswerItsCommandLineInTheSessionsLanguage();
    void shouldDownloadWithTheRealYtDlp_data();
    void shouldDownloadWithTheRealYtDlp();

private:
    // A current release, in a folder of its own that updates fetch from, signed by "another key" or
    // with its yt-dlp stalling ("stall yt-dlp") where `served` says so; its path, empty on failure.
    QString serveRelease(const QString &served);

    QTemporaryDir served;
    LocalHttpServer server;
    bool serving = false;
    TestRelease release;
    QTemporaryDir releases;
    LocalHttpServer releaseServer;
    bool releasing = false;
};

// Short clips, each with a second of a tone: 1080p H.264 and AAC in MP4; 360p VP9 and Opus in WebM;
// an HLS master playlist of a 1080p and a 720p variant; 20 minutes of Opus, a second of it copied
// over and over, which takes seconds to convert. A page with two videos, which yt-dlp takes for a
// playlist of two.
void tst_Window::initTestCase()
{
    const auto ffmpeg = [this](const QString &arguments) {
        QProcess made;
        made.setWorkingDirectory(served.path());
        made.start("ffmpeg", ("-nostdin -loglevel error -f lavfi -i sine=d=1 " + arguments).split(' '));
        made.waitForFinished(60000);
    };
    const QString hd = "-f lavfi -i color=s=1920x1080:r=5:d=1 -preset ultrafast -c:v libx264 -c:a aac ";
    ffmpeg(hd + "clip.mp4");
    ffmpeg("-f lavfi -i color=s=640x360:r=5:d=1 -c:v libvpx-vp9 -c:a libopus clip.webm");
    QDir(served.path()).mkdir("hls");
    ffmpeg(hd +
           "-filter_complex [1]split[a][b];[b]scale=1280:720[c] -map [a] -map 0 -map [c] -map 0 -f hls "
           "-hls_playlist_type vod -var_stream_map v:0,a:0\tv:1,a:1 -master_pl_name master.m3u8 hls/%v.m3u8");
    ffmpeg("-ac 1 -b:a 6k -c:a libopus second.webm");
    ffmpeg("-stream_loop 1199 -i second.webm -map 1 -c copy long.webm");
    const auto page = [this](const QString &name, const QString &title, const QString &videos) {
        QFile file(served.filePath(name));
        return file.open(QIODevice::WriteOnly) &&
            file.write(("<title>" + title + "</title>" + videos).toUtf8()) > 0;
    };
    QVERIFY(page("two.html", "two clips",
                 "<video src=\"clip.mp4\"></video><video src=\"clip.mp4?second\"></video>"));
    // 100 characters of 3 bytes each, more than a file name may hold.
    QVERIFY(page("long.html", QString(100, QChar(0x65e5)), "<video src=\"clip.mp4\"></video>"));
    serving = server.start(served.path());
    releasing =
        release.makeKeys() && releaseServer.start(releases.path(), KAVARI_TEST_SUPPORT "/releaseserver.py");
}

QString tst_Window::serveRelease(const QString &served)
{
    const QString folder = QString("release%1").arg(QDateTime::currentMSecsSinceEpoch());
    const QDir files(releases.filePath(folder));
    if (!QDir(releases.path()).mkdir(folder) ||
        !release.write(files.path(), QDate::currentDate().toString("yyyy.MM.dd"), "2.5.6",
                       served == "another key" ? TestRelease::Another : TestRelease::Release))
        return {};
    if (served.startsWith("stall "))
        writeScript(files.filePath("yt-dlp.stall"), {});
    qputenv("KAVARI_YTDLP_RELEASE_URL", releaseServer.url(folder).toUtf8());
    qputenv("KAVARI_DENO_RELEASE_URL", releaseServer.url(folder + "/").toUtf8());
    qputenv("KAVARI_YTDLP_KEYRING", QFile::encodeName(release.keyring()));
    return files.path();
}

// Only what a download depends on: the keys behind the items, the choices made, the folder.
void tst_Window::shouldOpenReadyForADownload()
{
    Run run;
    QCOMPARE(run.folder->text(), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    QStringList keys;
    for (QComboBox *combo : {run.format, run.audio}) {
        for (int i = 0; i < combo->count(); ++i)
            keys << combo->itemData(i).toString();
        QCOMPARE(combo->currentIndex(), 0);
    }
    QCOMPARE(keys,
             QStringList({"mp3", "m4a", "bestvideo+bestaudio", "720p", "1080p", "0", "192", "128", "64"}));
    QVERIFY(!run.playlist->isChecked());

    // Audio quality only for the audio formats, and a choice made there survives a video format.
    run.audio->setCurrentIndex(2);
    QList<bool> enabled;
    for (const int format : {0, 1, 2, 3, 4, 0}) {
        run.format->setCurrentIndex(format);
        enabled << run.audio->isEnabled();
    }
    QCOMPARE(enabled, QList<bool>({true, true, false, false, false, true}));
    QCOMPARE(run.audio->currentIndex(), 2);
}

void tst_Window::shouldDescribeTheLinkMode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unchecked");
    QTest::addColumn<QString>("checked");

    const QString single = "Mode: Single video download";
    const QString ignored = "Mode: Single file download (playlist ignored)";
    const QString full = "Mode: Full playlist download";
    QTest::newRow("empty field") << QString() << QString() << QString();
    QTest::newRow("plain video link") << videoLink << single << single;
    QTest::newRow("video link carrying a playlist") << videoLink + "&list=PL1" << ignored << full;
    QTest::newRow("/playlist without list=") << "https://127.0.0.1/playlist" << ignored << full;
    QTest::newRow("markers in capitals") << "https://127.0.0.1/Playlist?LIST=PL1" << single << single;
    QTest::newRow("list= ending a longer name") << videoLink + "&mylist=1" << ignored << full;
    QTest::newRow("blanks only") << "   " << single << single;
    for (const char *shape : {"/@name", "/@name/videos", "/channel/UC1/streams", "/c/name",
                              "/user/name/shorts", "/results?search_query=cats", "/hashtag/cats"})
        QTest::newRow(shape) << "http://127.0.0.1" + QString(shape) << ignored << full;
    QTest::newRow("/watch_videos") << "http://127.0.0.1/watch_videos?video_ids=a,b" << ignored << full;
    // Text copied from web pages and chat programs.
    for (const char16_t separator :
         {0x85,   0xa0,   0x2000, 0x2001, 0x2002, 0x2003, 0x2004, 0x2005, 0x2006, 0x2007,
          0x2008, 0x2009, 0x200a, 0x200b, 0x2028, 0x2029, 0x202f, 0x205f, 0x3000, 0xfeff})
        QTest::newRow(qPrintable(QString("links separated by U+%1").arg(int(separator), 4, 16, QChar('0'))))
            << videoLink + QChar(separator) + videoLink << "Mode: 2 links, one video each"
            << "Mode: 2 links, one video each";
    QTest::newRow("two links on two lines") << videoLink + "\n" + videoLink << "Mode: 2 links, one video each"
                                            << "Mode: 2 links, one video each";
    QTest::newRow("three links, one a channel") << videoLink + " \t" + videoLink + "\nhttp://127.0.0.1/@name"
                                                << "Mode: 3 links, one video each"
                                                << "Mode: 3 links, playlists whole";
}

void tst_Window::shouldDescribeTheLinkMode()
{
    QFETCH(QString, text);
    QFETCH(QString, unchecked);
    QFETCH(QString, checked);

    Run run;
    QGuiApplication::clipboard()->setText(text);
    run.url->paste();
    QStringList seen;
    for (int click = 0; click < 3; ++click, run.playlist->click())
        seen << run.mode->text();
    QCOMPARE(seen, QStringList({unchecked, checked, unchecked}));
}

void tst_Window::shouldRunWhatTheFieldsSayOrRefuse_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("ownPath");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("home");

    // $HOME stands for the fake's home folder, only known once the test runs. The choices are
    // the format, the audio quality and the playlist box; a refusal expects its warning box.
    const QString out = "/tmp/k out";
    const QList<int> choices = {2, 0, 1};
    const QStringList one = {"--no-playlist", "--playlist-items", "1"};
    const QStringList mp3 = {"-x", "--audio-format", "mp3", "--audio-quality"};
    const QStringList best = {"-f", "bestvideo+bestaudio/best"};
    const auto tail = [](const QString &folder, const QStringList &links = {videoLink}) {
        return QStringList {"-o", folder + "/%(title).200B.%(ext)s", "--newline", "--"} + links;
    };
    const auto row = [&](const char *name, const QList<int> &choices, const QString &text,
                         const QString &folder, const QStringList &expected,
                         const QString &ownPath = qEnvironmentVariable("PATH"),
                         const QString &searched = qEnvironmentVariable("PATH"), const QString &home = {}) {
        QTest::newRow(name) << choices << text << folder << ownPath << expected << searched << home;
    };
    row("as the window opens", {0, 0, 0}, videoLink, out, one + mp3 + QStringList {"0"} + tail(out));
    row("mp3 high, whole playlist", {0, 1, 1}, videoLink, out, mp3 + QStringList {"192K"} + tail(out));
    row("m4a ignores the quality", {1, 3, 1}, videoLink, out,
        QStringList {"-f", "bestaudio[ext=m4a]/bestaudio/best", "-x", "--audio-format", "m4a"} + tail(out));
    row("links split at white space, an option only in look", choices, " \t--exec=touch /tmp/x \n", out,
        best + tail(out, {"--exec=touch", "/tmp/x"}));
    row("two links on two lines, in order", choices, videoLink + "\n" + videoLink + "&t=2", out,
        best + tail(out, {videoLink, videoLink + "&t=2"}));
    row("folder pasted with blanks and a line break", choices, videoLink, " /tmp/k/ \n",
        best + tail("/tmp/k/"));
    row("~ for the home folder", choices, videoLink, "~/Music", best + tail("$HOME/Music"));
    row("folder with % signs", choices, videoLink, "~" + out + " 50% off%(id)s",
        best + tail("$HOME" + out + " 50%% off%%(id)s"));
    QStringList many;
    for (int i = 0; i < 5000; ++i)
        many += QString("http://127.0.0.1:9/watch?v=%1").arg(i, 30, 10, QChar('0'));
    row("5,000 pasted links, 240 KB", choices, many.join('\n'), out, best + tail(out, many));
    row("PATH empty: the system's default", choices, videoLink, out, best + tail(out), "", "/bin:/usr/bin");
    // Its .local is the fake's own: the yt-dlp there is found by the bytes of HOME.
    row("HOME with a byte that is not UTF-8", choices, videoLink, out, best + tail(out), "/nonexistent",
        "/nonexistent", "LATIN1");
    row("PATH with empty entries", choices, videoLink, out, best + tail(out),
        ":/usr/bin::/bin:", "/usr/bin:/bin");
    // Folders under a relative HOME would be searched from the working folder.
    row("relative HOME: nothing under it", choices, videoLink, out, best + tail(out), "$HOME/.local/bin:/bin",
        "$HOME/.local/bin:/bin", "rel");
    row("link of blanks and tabs", choices, " \t \t", "/tmp", {"Error", "Please enter a URL"});
    row("both empty: the link is named first", choices, "", "", {"Error", "Please enter a URL"});
    row("folder of blanks", choices, videoLink, " \t ", {"Error", "Please select an output directory"});
    const QStringList notFull = {"Error", "Please enter the output directory as a full path"};
    row("relative folder", choices, videoLink, "downloads", notFull);
    row("yt-dlp's own output type", choices, videoLink, "chapter:clips", notFull);
    row("another user's home", choices, videoLink, "~root/x", notFull);
    const QStringList plugin = {"Error",
                                "yt-dlp would load whatever is downloaded into this folder as a plugin "
                                "at its next start. Please choose another output directory."};
    row("inside yt-dlp's plugin folder", choices, videoLink, "~/.config/yt-dlp/plugins/new", plugin);
    row("plugin folder beside the program", choices, videoLink, "~/.local/bin/yt-dlp-plugins", plugin);
}

void tst_Window::shouldRunWhatTheFieldsSayOrRefuse()
{
    QFETCH(QList<int>, choices);
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QString, ownPath);
    QFETCH(QStringList, expected);
    QFETCH(QString, searched);
    QFETCH(QString, home);

    Run run;
    run.fake.install("exit 0");
    expected.replaceInStrings("$HOME", run.fake.home());
    qputenv("PATH", ownPath.replace("$HOME", run.fake.home()).toLocal8Bit());
    QByteArray latin1Home;
    if (home == "LATIN1") {
        latin1Home = QFile::encodeName(run.fake.home()) + "/caf\xe9";
        QVERIFY(::mkdir(latin1Home.constData(), 0700) == 0 &&
                ::symlink("../.local", (latin1Home + "/.local").constData()) == 0);
        qputenv("HOME", latin1Home);
    } else if (!home.isEmpty()) {
        qputenv("HOME", home.toLocal8Bit());
    }
    run.format->setCurrentIndex(choices[0]);
    run.audio->setCurrentIndex(choices[1]);
    run.playlist->setChecked(choices[2]);
    run.folder->setText(folder);
    QStringList seen;
    answerDialog(this, &seen, [](QDialog *dialog) { dialog->accept(); });
    run.start(text);
    if (expected.first() == "Error") {
        QCOMPARE(seen, expected);
        QVERIFY(run.status->text().isEmpty() && run.log->toPlainText().isEmpty());
        QVERIFY(!QFile::exists(run.fake.filePath("arguments")));
        return;
    }
    QCOMPARE(seen, QStringList());
    QTRY_COMPARE(run.status->text(), "Complete");
    QCOMPARE(run.fake.recordedArguments(), expected);
    QCOMPARE(run.lines().first(), "Command: yt-dlp " + expected.join(' '));
    // The fake lives only in HOME's .local/bin, which Kavari's own PATH lacks.
    if (!latin1Home.isEmpty()) {
        QCOMPARE(run.fake.recorded("path"),
                 latin1Home + "/.deno/bin:" + latin1Home + "/.local/bin:/nonexistent");
        return;
    }
    const QString front = run.fake.home() + "/.deno/bin:" + run.fake.home() + "/.local/bin:";
    QCOMPARE(QString::fromLocal8Bit(run.fake.recorded("path")),
             (home.isEmpty() ? front : QString()) + searched.replace("$HOME", run.fake.home()));
}

void tst_Window::shouldLogTheRunAndReportItsOutcome_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("output");
    QTest::addColumn<int>("chunks");
    QTest::addColumn<QString>("outcome");
    // Run in HOME before the start; TMPDIR=… in it is Kavari's own.
    QTest::addColumn<QByteArray>("setup");

    const auto row = [](const char *name, const QByteArray &body, const QStringList &output, int chunks,
                        const QString &outcome, const QByteArray &setup = {}) {
        QTest::newRow(name) << body << output << chunks << outcome << setup;
    };
    // Started in the run's group, like the ffmpeg that yt-dlp starts for a conversion.
    const QByteArray leftover = "sleep 300 &\necho $! > grandchild.pid\n";
    const QString notStarted = "✗ yt-dlp could not be started: ";
    const auto removed = [](const QString &file) {
        return QStringList {"",
                            "✗ Removed $HOME/" + file +
                                ": yt-dlp would have read this downloaded file as its configuration at its "
                                "next start, and obeyed whatever options it holds."};
    };
    row("stdout and stderr in their order, exit 0",
        "echo '[download] one'\nsleep 0.3\necho 'warning two' >&2\nsleep 0.3\necho three",
        {"[download] one", "warning two", "three"}, 3, completed);
    row("markup in a title", "echo '<b>Title</b> &amp;'", {"<b>Title</b> &amp;"}, 1, completed);
    row("a last line without a line break", "printf 'no line break'", {"no line break"}, 1, completed);
    // Shown as it stood after a moment, then continued in the same paragraph.
    row("a character split between two reads", "printf 'caf\\303'\nsleep 0.3\nprintf '\\251 ok\\n'",
        {"café ok"}, 1, completed);
    row("invalid bytes", "printf 'bad \\377 byte\\n'", {"bad \uFFFD byte"}, 1, completed);
    row("a chunk of white space only", "echo a\nsleep 0.3\necho\nsleep 0.3\necho b", {"a", "", "b"}, 3,
        completed);
    row("several lines in one chunk, blanks kept", "printf ' one\\ntwo \\n'", {" one", "two "}, 1, completed);
    row("exit 2 although a file was written", "touch out.mp3\nexit 2", {}, 0, failed);
    row("exit 0, something of the run still running", leftover + "exit 0", {}, 0, completed);
    row("killed during a conversion", leftover + "kill -9 $$", {}, 0, failed);
    row("a prompt for input", "read answer || exit 1", {}, 0, failed);
    // Kavari's own PATH is /nonexistent here: only a fake in HOME can be found.
    row("not installed anywhere", {}, {}, 0,
        notStarted + "no program of that name in $HOME/.deno/bin, $HOME/.local/bin, /nonexistent");
    row("installed with a missing interpreter", "#!/nonexistent/interpreter\n", {}, 0,
        notStarted + "its first line names the interpreter /nonexistent/interpreter, which is missing");
    row("TMPDIR naming a missing folder", "exit 0", {}, 0, completed, "TMPDIR=/nonexistent");
    // 8 MB in writes of 128 KB, more than the log lays out between two frames; -1: any number of paragraphs.
    QStringList flood;
    for (int i = 1; i <= 200000; ++i)
        flood += QString("line %1 of a flood of output").arg(i);
    row("a flood in large writes, then a failure",
        "seq -f 'line %g of a flood of output' 200000 > flood\ncat flood >&2\nexit 1", flood, -1, failed);
    row("a downloaded yt-dlp.conf", "echo '--exec touch /tmp/x' > Downloads/yt-dlp.conf",
        removed("Downloads/yt-dlp.conf"), 1, failed);
    // Gone while yt-dlp still runs, before anything started meanwhile can obey it.
    row("a planted file removed while the run goes on",
        "echo x > Downloads/yt-dlp.conf\nfor i in $(seq 100); do [ -e Downloads/yt-dlp.conf ] || break; "
        "sleep "
        "0.1; done\n[ -e Downloads/yt-dlp.conf ] || echo gone",
        removed("Downloads/yt-dlp.conf") << "gone", 2, failed);
    row("a folder reached through a symbolic link", "echo x > Downloads/config.txt",
        removed(".config/yt-dlp/config.txt"), 1, failed,
        "mkdir -p .config/yt-dlp && rmdir Downloads && ln -s .config/yt-dlp Downloads");
    // yt-dlp saves to a .part file, then renames it over the link.
    row("a dangling link replaced", "echo x > Downloads/p && mv Downloads/p Downloads/yt-dlp.conf",
        removed("Downloads/yt-dlp.conf"), 1, failed, "ln -s nowhere Downloads/yt-dlp.conf");
}

void tst_Window::shouldLogTheRunAndReportItsOutcome()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, output);
    QFETCH(int, chunks);
    QFETCH(QString, outcome);
    QFETCH(QByteArray, setup);

    Run run;
    qputenv("PATH", "/nonexistent");
    if (!body.isEmpty())
        run.fake.install(body);
    // The user's own configuration stays; one that a run left there never does.
    const QString folder = run.folder->text();
    QDir().mkpath(folder);
    const QByteArray ownTmp = qgetenv("TMPDIR");
    if (setup.startsWith("TMPDIR="))
        qputenv("TMPDIR", setup.mid(7));
    else if (!setup.isEmpty())
        QCOMPARE(QProcess::execute("/bin/sh", {"-c", "PATH=/usr/bin:/bin; cd \"$HOME\" && " + setup}), 0);
    QFile(folder + "/yt-dlp.conf.txt").open(QIODevice::WriteOnly);
    run.log->setPlainText("last run's log");
    run.start();
    QTRY_COMPARE_WITH_TIMEOUT(run.button->text(), "Download", 60000);
    ownTmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", ownTmp);
    QCOMPARE(run.status->text() + ' ' + run.status->styleSheet(),
             outcome == completed ? "Complete color: green; font-weight: bold;"
                                  : "Failed color: red; font-weight: bold;");
    // A run that started and failed is followed by which yt-dlp it was; a success asks nothing.
    const bool explained = outcome == failed;
    QTRY_VERIFY(!run.window->findChild<QObject *>("versionQuery"));
    QStringList lines = run.lines();
    if (explained)
        QCOMPARE(lines.takeLast(), "yt-dlp at " + run.fake.filePath(".local/bin/yt-dlp"));
    QCOMPARE(lines.mid(1, lines.size() - 2),
             QStringList {""} + output.replaceInStrings("$HOME", run.fake.home()) + QStringList {""});
    QVERIFY2(lines.last().startsWith(outcome.replace("$HOME", run.fake.home())), qPrintable(lines.last()));
    // A paragraph per chunk, between the command and its empty line, the outcome and the empty tail.
    QVERIFY(chunks < 0 || run.log->document()->blockCount() == chunks + 4 + explained);
    QVERIFY(QFile::exists(folder + "/yt-dlp.conf.txt") && !QFile::exists(folder + "/yt-dlp.conf") &&
            run.bar->isHidden());
    // yt-dlp worked in a folder of its own, empty, and gone with the run.
    const QList<QByteArray> workedIn = run.fake.recorded("cwd").split(' ');
    if (outcome == completed || outcome == failed)
        QVERIFY(workedIn.first().startsWith(QFile::encodeName(QDir::tempPath() + "/kavari-run-") +
                                            QByteArray::number(QCoreApplication::applicationPid()) + '-') &&
                !QFileInfo::exists(workedIn.first()) && workedIn.last() == "0\n");
    // Plain text throughout: no paragraph of the log picked up bold.
    QVERIFY(!run.log->toHtml().contains("font-weight:700"));
    // Whatever was left of the run's process group is gone with it.
    QTRY_VERIFY(!isProcessAlive(run.fake.recordedPid("grandchild.pid")));
}

void tst_Window::shouldExplainAFailure_data()
{
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("advice");

    // What --version says, DATE standing for that many days before today, so that no row ages.
    const auto daysAgo = [](int days) { return QDate::currentDate().addDays(-days).toString("yyyy.MM.dd"); };
    // yt-dlp says which links it takes up as YouTube's, whatever their address.
    const QString youTube = videoLink + "&youtube";
    const QString ran = "yt-dlp $VERSION at $YTDLP";
    const QString old = "This yt-dlp is $AGE days old. Sites such as YouTube change often, and an old yt-dlp "
                        "stops working with them.";
    const QString noFfmpeg =
        "This format needs ffmpeg, and none was found. Install it with: sudo apt install ffmpeg";
    const QString noDeno = "This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. "
                           "Install it with: curl -fsSL https://deno.land/install.sh | sh";
    const QString oldDeno =
        "This yt-dlp needs deno 2.3.0 or newer for YouTube, and the deno at $HOME/.deno/bin/deno "
        "is older. Install it with: curl -fsSL https://deno.land/install.sh | sh";
    const QString offer = "Click \"Update yt-dlp\" to fetch the current yt-dlp, checked before it runs.";
    const QString offerDeno = "Click \"Update yt-dlp\" to fetch the current deno, checked before it runs.";
    const QStringList ffmpeg = {"ffmpeg"};
    QTest::newRow("old release binary, no ffmpeg for mp3")
        << daysAgo(400) << videoLink << QStringList() << 0
        << QStringList {ran, old, "Update it with: $YTDLP -U", noFfmpeg, offer};
    QTest::newRow("old pipx install, a nightly with a fourth part")
        << daysAgo(91) + ".232924" << videoLink << QStringList {"ffmpeg", "pipx"} << 0
        << QStringList {ran, old, "Update it with: pipx upgrade yt-dlp", offer};
    QTest::newRow("YouTube without deno")
        << daysAgo(10) << youTube << ffmpeg << 0 << QStringList {ran, noDeno, offerDeno};
    QTest::newRow("YouTube with a deno older than yt-dlp accepts")
        << daysAgo(10) << youTube << QStringList {"ffmpeg", "deno 2.2.9"} << 0
        << QStringList {ran, oldDeno, offerDeno};
    QTest::newRow("YouTube with deno; m4a needs ffmpeg too")
        << daysAgo(10) << youTube << QStringList {"deno 2.3.0"} << 1 << QStringList {ran, noFfmpeg};
    // The query's own pid, or what it forked, goes to query.pid.
    for (const char *says : {"Traceback (most recent call last):", "FORKS", "FLOODS", "FLOODS STDERR, HANGS"})
        QTest::newRow(says) << says << videoLink << QStringList() << 0 << QStringList {"yt-dlp at $YTDLP"};
}

void tst_Window::shouldExplainAFailure()
{
    QFETCH(QString, says);
    QFETCH(QString, link);
    QFETCH(QStringList, tools);
    QFETCH(int, format);
    QFETCH(QStringList, advice);

    Run run;
    qputenv("PATH", "/nonexistent");
    run.fake.install("case \"$*\" in *youtube) echo \"[youtube] Extracting URL: $*\";; esac\n"
                     "echo 'ERROR: something went wrong' >&2\nexit 1");
    QFile version(run.fake.filePath("version"));
    QVERIFY(version.open(QIODevice::WriteOnly));
    const QMap<QString, QByteArray> scripts = {{"FORKS", "sleep 300 &\necho $! > query.pid"},
                                               {"FLOODS", "echo $$ > query.pid\nexec yes"},
                                               {"FLOODS STDERR, HANGS", "echo $$ > query.pid\nexec yes >&2"}};
    version.write(scripts.value(says, "printf '%s\\n' '" + says.toUtf8() + "'"));
    version.close();
    QString program = run.fake.filePath(".local/bin/yt-dlp");
    // Any program of that name does; pipx puts yt-dlp in a folder of its own and links it.
    for (const QString &tool : tools) {
        const QString file = run.fake.filePath(tool.startsWith("deno") ? ".deno/bin/deno"
                                                   : tool == "pipx"    ? ".local/pipx/venvs/yt-dlp/bin/yt-dlp"
                                                                       : ".local/bin/" + tool);
        QDir().mkpath(QFileInfo(file).path());
        QFile::copy(program, file);
        if (tool.startsWith("deno"))
            writeScript(file,
                        "#!/bin/sh\necho '" + tool.toUtf8() +
                            " (stable, release, x86_64-unknown-linux-gnu)'\n");
        if (tool == "pipx")
            QVERIFY(QFile::remove(program) && QFile::link(file, program));
    }
    run.format->setCurrentIndex(format);
    // The peak of Kavari's memory from here on: what the query printed is never kept beyond its answer.
    const qint64 before = memoryKiB("VmHWM:", true);
    run.start(link);
    QTRY_VERIFY_WITH_TIMEOUT(
        run.status->text() == "Failed" && !run.window->findChild<QObject *>("versionQuery"), 15000);
    QVERIFY2(memoryKiB("VmHWM:") - before < 64 * 1024,
             qPrintable(QString::number(memoryKiB("VmHWM:") - before)));
    QTRY_VERIFY(!isProcessAlive(run.fake.recordedPid("query.pid")));
    const int age = QDate::fromString(says.left(10), "yyyy.MM.dd").daysTo(QDate::currentDate());
    advice.replaceInStrings("$VERSION", says).replaceInStrings("$YTDLP", program);
    advice.replaceInStrings("$AGE", QString::number(age)).replaceInStrings("$HOME", run.fake.home());
    const QStringList lines = run.lines();
    QCOMPARE(lines.mid(lines.indexOf(failed) + 1), advice);
    QCOMPARE(!run.window->findChild<QPushButton *>("updateButton")->isHidden(),
             advice.last().startsWith("Click"));
    // Asked once, of the yt-dlp that ran.
    const QByteArray starts = run.fake.recorded("starts");
    QVERIFY(starts.endsWith("-- " + link.toUtf8() + "\n--version\n") && starts.count('\n') == 2);
}

void tst_Window::shouldOfferTheUpdateThatMends_data()
{
    QTest::addColumn<QString>("ran");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("served");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<QStringList>("installed");

    // ran: "system" stands for Debian's yt-dlp, a script outside HOME's bin folders; "pipx" for a
    // link into pipx's folders. It fails, or "completes", or hangs until "cancel". age -1 is
    // Debian 12's yt-dlp, 2023.03.04. What the update itself does is tested without a window.
    const QString youTube = videoLink + "&youtube";
    const QString again = "Click Download to try again.";
    const QString ytDlp = ".local/bin/yt-dlp";
    const QString deno = ".deno/bin/deno";
    QTest::newRow("good") << "system" << 400 << videoLink << ""
                          << "Updated" << again << QStringList {ytDlp};
    QTest::newRow("signed by another key")
        << "system" << 400 << videoLink << "another key"
        << "Update failed"
        << "✗ Checking the signature of SHA2-256SUMS failed: it is signed by another key (" << QStringList();
    QTest::newRow("a stalling server, cancelled") << "system" << 400 << videoLink << "stall yt-dlp"
                                                  << "Update cancelled"
                                                  << "--- Update cancelled by user ---" << QStringList();
    QTest::newRow("a stalling server, the window closed") << "system" << 400 << videoLink << "stall yt-dlp"
                                                          << ""
                                                          << "" << QStringList();
    QTest::newRow("a stalling server, SIGTERM") << "system" << 400 << videoLink << "stall yt-dlp"
                                                << "SIGTERM"
                                                << "" << QStringList();
    // The end is told after pipx's last line.
    QTest::newRow("a pipx link: pipx upgrades") << "pipx" << 400 << videoLink << ""
                                                << "Updated" << again << QStringList();
    // The most common first run there is: one click, and the same link then completes.
    QTest::newRow("stock Debian, YouTube, no deno anywhere: one click brings both")
        << "system" << -1 << youTube << ""
        << "Complete" << completed << QStringList {ytDlp, deno};
    // No offer: the run did not fail, or the user ended it.
    QTest::newRow("old, but complete") << "completes" << 400 << videoLink << ""
                                       << "Complete" << completed << QStringList();
    QTest::newRow("old, but cancelled") << "cancel" << 400 << videoLink << ""
                                        << "Failed" << failed << QStringList();
}

void tst_Window::shouldOfferTheUpdateThatMends()
{
    QFETCH(QString, ran);
    QFETCH(int, age);
    QFETCH(QString, link);
    QFETCH(QString, served);
    QFETCH(QString, status);
    QFETCH(QString, lastLine);
    QFETCH(QStringList, installed);
    QVERIFY2(releasing, "gpg made no keys, or the release server did not start");

    Run run;
    const QDir home(run.fake.home());
    const QString version =
        age < 0 ? "2023.03.04" : QDate::currentDate().addDays(-age).toString("yyyy.MM.dd");
    const QMap<QString, QByteArray> bodies = {{"completes", "exit 0"},
                                              {"cancel", "echo ready\nexec sleep 300"}};
    run.fake.install(bodies.value(ran,
                                  "case \"$*\" in *youtube) echo \"[youtube] Extracting URL: $*\";; esac\n"
                                  "echo 'ERROR: Unsupported URL' >&2\nexit 1"));
    writeScript(home.filePath("version"), "echo " + version.toUtf8());
    if (ran == "pipx")
        QVERIFY(home.mkpath(".local/pipx/venvs/yt-dlp/bin") &&
                QFile::rename(home.filePath(".local/bin/yt-dlp"),
                              home.filePath(".local/pipx/venvs/yt-dlp/bin/yt-dlp")) &&
                QFile::link(home.filePath(".local/pipx/venvs/yt-dlp/bin/yt-dlp"),
                            home.filePath(".local/bin/yt-dlp")));
    else
        QVERIFY(home.mkpath("system") &&
                QFile::rename(home.filePath(".local/bin/yt-dlp"), home.filePath("system/yt-dlp")));
    writeScript(home.filePath(".local/bin/pipx"),
                "#!/bin/sh\necho \"$@\" > \"$HOME/pipx.args\"\necho upgraded yt-dlp\n");
    qputenv("PATH", QFile::encodeName(home.filePath("system")) + ":/usr/bin:/bin");

    const QDir files(serveRelease(served));
    QVERIFY(files.exists());

    const QStringList written = {".local/bin", ".deno/bin"};
    if (status == "SIGTERM") {
        // Kavari as its main() sets it up, in a process of its own, stopped while it fetches yt-dlp.
        const QMap<QString, QByteArray> expected = filesUnder(home.path(), written);
        QProcess kavari;
        kavari.start(QCoreApplication::applicationFilePath(), {"--kavari-update", link});
        // Named with its owner's pid, so that the next update can tell it abandoned.
        const QString staged = QString(".yt-dlp-kavari-%1-*").arg(kavari.processId());
        QTRY_VERIFY_WITH_TIMEOUT(
            !QDir(home.filePath(".local/bin")).entryList({staged}, QDir::Files | QDir::Hidden).isEmpty(),
            15000);
        ::kill(kavari.processId(), SIGTERM);
        QVERIFY(kavari.waitForFinished(10000) && kavari.exitStatus() == QProcess::NormalExit);
        QCOMPARE(filesUnder(home.path(), written), expected);
        return;
    }
    auto *update = run.window->findChild<QPushButton *>("updateButton");
    run.start(link);
    if (ran == "cancel") {
        QTRY_VERIFY(run.log->toPlainText().contains("ready"));
        QTest::qWait(QApplication::doubleClickInterval());
        run.button->click();
    }
    QMap<QString, QByteArray> expected = filesUnder(home.path(), written);
    if (ran == "completes" || ran == "cancel") {
        QTRY_COMPARE(run.status->text(), status);
        QTest::qWait(1000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!update->isHidden(), 15000);
        // Said before the click: what the update will fetch.
        QCOMPARE(run.lines().last(),
                 QString("Click \"Update yt-dlp\" to fetch the current %1.")
                     .arg(installed.contains(".deno/bin/deno") ? "yt-dlp and deno, checked before they run"
                                                               : "yt-dlp, checked before it runs"));
        update->click();
    }
    if (served.startsWith("stall ")) {
        QTRY_VERIFY(run.log->toPlainText().contains("Fetching yt-dlp from "));
        QTest::qWait(300);
        QCOMPARE(run.button->text(), "Cancel");
        const QByteArray starts = run.fake.recorded("starts");
        QTest::keyClick(run.url, Qt::Key_Return);
        QCOMPARE(run.fake.recorded("starts"), starts);
        if (status.isEmpty()) {
            run.window.reset();
            QCOMPARE(filesUnder(home.path(), written), expected);
            return;
        }
        run.button->click();
    }
    QTRY_VERIFY_WITH_TIMEOUT(run.status->text() != "Updating yt-dlp...", 30000);
    if (status == "Complete" && ran == "system") {
        QCOMPARE(run.status->text(), "Updated");
        run.button->click();
        QTRY_VERIFY_WITH_TIMEOUT(run.button->text() == "Download", 30000);
    }
    QVERIFY2(run.status->text() == status, qPrintable(run.status->text() + ": " + run.lines().join('\n')));
    lastLine.replace("$HOME", home.path());
    QVERIFY2(run.lines().last().startsWith(lastLine), qPrintable(run.lines().join('\n')));
    QVERIFY(update->isHidden());
    QCOMPARE(run.button->text(), "Download");
    for (const QString &name : installed)
        expected[name] =
            contents(QFile::encodeName(files.filePath(name.endsWith("deno") ? "deno" : "yt-dlp")));
    QCOMPARE(filesUnder(home.path(), written), expected);
    if (ran == "pipx")
        QCOMPARE(run.fake.recorded("pipx.args"), "upgrade yt-dlp\n");
}

void tst_Window::shouldStopTheWholeRun_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    // What the run prints and makes in its output folder before it hangs; D is that folder, which
    // holds yours.mp3 before the run. A step cut short leaves none of its file, nothing else goes.
    QTest::addColumn<QByteArray>("steps");
    QTest::addColumn<QStringList>("left");
    const auto row = [](const char *name, const char *how, int signal = 0, const QByteArray &steps = {},
                        const QStringList &left = {}) {
        QTest::newRow(name) << how << signal << steps << left + QStringList {"Downloads/yours.mp3"};
    };
    const QByteArray fetched = "echo \"[download] Destination: $D/clip.webm\"\ntouch \"$D/clip.webm\"\n";
    row("Cancel", "cancel");
    row("Cancel during a merge, and Download again at once", "restart", 0,
        "echo \"[download] Destination: $D/clip.f0.mp4\"\necho \"[download] Destination: $D/clip.f1.m4a\"\n"
        "touch \"$D/clip.f0.mp4\" \"$D/clip.f1.m4a\" \"$D/clip.temp.mp4\"\n"
        "echo \"[Merger] Merging formats into \\\"$D/clip.mp4\\\"\"",
        {"Downloads/clip.f0.mp4", "Downloads/clip.f1.m4a"});
    // The writer still prints when Cancel comes: nothing of it may follow the cancel line.
    row("Cancel while a flood is written and waits to be shown", "flood");
    row("Cancel a run stuck in the kernel, and Download into another folder", "stuck");
    // yt-dlp resumes from what it fetched.
    row("Enter: a field starts, never cancels; the button cancels the download", "enter", 0,
        "echo \"[download] Destination: $D/clip.webm\"\ntouch \"$D/clip.webm.part\"",
        {"Downloads/clip.webm.part"});
    // Its line in two reads, cut inside a character.
    row("closing the window during a conversion", "close", 0,
        fetched +
            "touch \"$D/clé.mp3\"\nprintf '[ExtractAudio] Destination: %s/cl\\303' \"$D\"\nsleep 0.3\n"
            "printf '\\251.mp3\\n'",
        {"Downloads/clip.webm"});
    // Kavari as its main() sets it up, in a process of its own.
    row("SIGTERM during a fixup", "signal", SIGTERM,
        "echo \"[download] Destination: $D/clip.mp4\"\ntouch \"$D/clip.mp4\" \"$D/clip.temp.mp4\"\n"
        "echo \"[FixupM3u8] Fixing MPEG-TS in MP4 container of \\\"$D/clip.mp4\\\"\"",
        {"Downloads/clip.mp4"});
    row("SIGINT, Ctrl-C in the terminal, during a conversion into a file that was there before", "signal",
        SIGINT, fetched + "echo \"[ExtractAudio] Destination: $D/yours.mp3\"", {"Downloads/clip.webm"});
    row("SIGHUP, logout, while a line names a file below the folder", "signal", SIGHUP,
        "mkdir \"$D/sub\"\ntouch \"$D/sub/clip.temp.mp4\"\n"
        "echo \"[Merger] Merging formats into \\\"$D/sub/clip.mp4\\\"\"",
        {"Downloads/sub/clip.temp.mp4"});
    row("SIGKILL", "signal", SIGKILL);
}

void tst_Window::shouldStopTheWholeRun()
{
    QFETCH(QString, how);
    QFETCH(int, signal);
    QFETCH(QByteArray, steps);
    QFETCH(QStringList, left);

    Run run;
    // On a mount that stops answering, even a killed yt-dlp waits for it, in uninterruptible sleep.
    QProcess deadMount;
    const QString mount = run.fake.filePath("mount");
    const auto unmount = qScopeGuard([&] {
        if (how == "stuck")
            QProcess::execute("fusermount3", {"-u", "-z", mount});
    });
    if (how == "stuck") {
        QDir().mkpath(mount);
        deadMount.start("/usr/bin/python3", {KAVARI_TEST_SUPPORT "/deadmount.py", mount, mount + ".answers"});
        if (!deadMount.waitForReadyRead(10000))
            QSKIP("needs python3-fusepy, fuse3 and the right to mount");
    }
    writeScript(run.fake.filePath("Downloads/yours.mp3"), "mine");
    // Nothing is printed after a step's line: any line would end the step.
    run.fake.install(QByteArray("if [ -e second ]; then echo 'second run'; exit 0; fi\nD=$PWD/Downloads\n") +
                     steps + (steps.isEmpty() ? "" : "\nexec >/dev/null\n") +
                     (how == "flood" ? "sleep 300 &\necho $! > grandchild.pid\nexec seq 100000000\n"
                                     : FakeYtDlp::hangWithGrandchild));
    // Shown, the log takes its time over a flood, and a Cancel comes while some of it waits.
    if (how == "flood")
        run.window->show();
    QProcess kavari;
    if (signal) {
        kavari.start(QCoreApplication::applicationFilePath(), {"--kavari", videoLink});
    } else if (how == "enter") {
        run.url->setText(videoLink);
        QTest::keyClick(run.url, Qt::Key_Enter);
    } else {
        run.start();
        run.button->click();
    }
    // The bar busy until a percent is known; screen readers hear a notification of what the button does now.
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(run.status);
    if (!signal)
        QCOMPARE(run.status->text() + ' ' + run.status->styleSheet() + (run.bar->maximum() ? "" : " busy") +
                     ' ' + status->text(QAccessible::Description),
                 "Downloading... color: blue; font-weight: bold; busy The Download button now reads Cancel");
    QVERIFY(run.bar->isHidden() == bool(signal) && status->role() == QAccessible::Notification);
    QTRY_VERIFY_WITH_TIMEOUT(run.fake.recordedPid("grandchild.pid") > 0, 20000);
    const qint64 child = run.fake.recordedPid("child.pid");
    const qint64 grandchild = run.fake.recordedPid("grandchild.pid");
    QVERIFY(isProcessAlive(child) && isProcessAlive(grandchild));

    if (signal) {
        ::kill(static_cast<pid_t>(kavari.processId()), signal);
        QVERIFY(kavari.waitForFinished(20000));
        // Nothing is cleaned up from inside after SIGKILL: the kernel ends the child, the grandchild is left.
        QCOMPARE(kavari.exitStatus() == QProcess::NormalExit && kavari.exitCode() == 0, signal != SIGKILL);
        if (signal == SIGKILL) {
            ::kill(static_cast<pid_t>(grandchild), SIGKILL);
            // Its empty working folder stays, until the next Kavari starts.
            const QString workedIn = run.fake.recorded("cwd").split(' ').first();
            QVERIFY(QFileInfo::exists(workedIn));
            KavariWindow next;
            QVERIFY(!QFileInfo::exists(workedIn));
        }
    } else if (how == "close") {
        run.window.reset();
        QVERIFY(!isProcessAlive(child));
    } else {
        QFile(run.fake.filePath("second")).open(QIODevice::WriteOnly);
        // A click too soon after the start would be taken for the second half of a double-click.
        QTest::qWait(QApplication::doubleClickInterval());
        // Enter in a field never cancels.
        if (how == "enter") {
            QTest::keyClick(run.url, Qt::Key_Enter);
            QTest::keyClick(run.folder, Qt::Key_Return);
        }
        QCOMPARE(run.status->text(), "Downloading...");
        run.button->setFocus();
        how == "enter" ? QTest::keyClick(run.button, Qt::Key_Return) : run.button->click();
        QCOMPARE(run.button->text() + ' ' + run.status->text() + ' ' + run.status->styleSheet(),
                 "Download Cancelled color: orange; font-weight: bold;");
        QVERIFY(run.bar->isHidden());
        // Before the killed run's end is reported: the new run must not get the old one's end.
        if (how == "stuck") {
            QVERIFY(isProcessAlive(child));
            // The user's own configuration, in the folder of the start that is refused.
            QFile(run.fake.filePath("yt-dlp.conf")).open(QIODevice::WriteOnly);
            run.folder->setText("~");
            run.button->click();
            QVERIFY2(run.lines().last() ==
                         "✗ yt-dlp could not be started: the previous download has not ended yet",
                     qPrintable(run.log->toPlainText()));
            // The refused start opened nothing of its own: the live run keeps its working folder,
            // and what it plants in its output folder is still removed.
            QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(run.fake.recorded("cwd").split(' ').first())));
            QDir().mkpath(run.fake.filePath("Downloads"));
            QTest::qWait(200);
            QFile(run.fake.filePath("Downloads/yt-dlp.conf")).open(QIODevice::WriteOnly);
            QTRY_VERIFY(!QFile::exists(run.fake.filePath("Downloads/yt-dlp.conf")));
            QFile(mount + ".answers").open(QIODevice::WriteOnly);
            QTRY_COMPARE(run.lines().last(), failed);
            QTest::qWait(300);
            QVERIFY(QFile::exists(run.fake.filePath("yt-dlp.conf")) && run.lines().last() == failed);
        } else if (how != "cancel" && how != "flood") {
            how == "enter" ? QTest::keyClick(run.folder, Qt::Key_Return) : run.button->click();
            QTRY_COMPARE(run.status->text(), "Complete");
            QCOMPARE(run.lines().mid(2), QStringList({"second run", "", completed}));
            // A held key sends repeats: they neither start nor click.
            // X may send one as a release and a press of the same moment that Qt does not flag.
            for (QWidget *held : std::initializer_list<QWidget *> {run.url, run.folder, run.button}) {
                QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
                QApplication::sendEvent(held, &repeat);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
                release.setTimestamp(4711);
                press.setTimestamp(4711);
                QApplication::sendEvent(held, &release);
                QApplication::sendEvent(held, &press);
            }
            QTest::qWait(300);
            QCOMPARE(run.fake.recorded("starts").count('\n'), 2);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(run.status->text(), "Failed", 60000);
            // Whatever waited to be shown comes before the cancel line, and nothing of the run after it.
            QStringList shown = run.lines().mid(2);
            // Read more than the log keeps: its last lines, under one that counts the others.
            if (run.lines().first().endsWith(" earlier lines not kept"))
                shown = run.lines().mid(1);
            // In a flood, every line read before the Cancel, in order; the kill may cut the last short.
            for (int line = std::max(1, shown.first().toInt());
                 how == "flood" && shown.size() > 4 && shown.first() != "ready"; ++line) {
                // Lines read faster than the log could show them are told, not shown.
                if (shown.first().endsWith(" could show them")) {
                    shown.removeFirst();
                    line = shown.first().toInt();
                }
                const QString read = shown.takeFirst(), whole = QString::number(line);
                QVERIFY2(read == whole || (whole.startsWith(read) && shown.first().isEmpty()),
                         qPrintable(read));
            }
            if (shown.first() != "ready")
                shown.prepend("ready");
            QCOMPARE(shown, QStringList({"ready", "", "--- Download cancelled by user ---", "", failed}));
            // The user knows why it failed: nothing to explain, and "Cancelled" is what screen readers say.
            QVERIFY(!run.window->findChild<QObject *>("versionQuery"));
            QCOMPARE(status->text(QAccessible::Name), "Cancelled");
        }
    }
    QTRY_VERIFY(!isProcessAlive(child) && !isProcessAlive(grandchild));
    QCOMPARE(filesUnder(run.fake.home(), {"Downloads", "Downloads/sub"}).keys(), left);
}

void tst_Window::shouldTellTheDesktopHowTheRunGoes()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    NotificationServer server;
    if (!bus.registerService("org.freedesktop.Notifications"))
        QSKIP("needs a session bus without a notification server: run it under dbus-run-session");
    QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &server, QDBusConnection::ExportAllSlots));
    QVERIFY(bus.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", &server,
                        SLOT(Update(QString, QVariantMap, QDBusMessage))));
    const auto signal = [&bus](const char *name, const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                          "org.freedesktop.Notifications", name);
        message.setArguments(arguments);
        bus.send(message);
    };
    QWidget elsewhere;
    // One window throughout: the number of the notification shown is kept until it is closed or the
    // server goes; a server that shows markup gets the body escaped.
    Run run;
    for (const QString how : {"in another window", "again, replacing it", "after the server's restart",
                              "after the user closed it", "in Kavari's window", "cancelled"}) {
        if (how == "after the server's restart") {
            QVERIFY(bus.unregisterService("org.freedesktop.Notifications"));
            server.capabilities = QStringList {"actions", "body"};
            QVERIFY(bus.registerService("org.freedesktop.Notifications"));
        } else if (how == "after the user closed it") {
            signal("NotificationClosed", {7u, 2u});
        }
        // On the task bar: a signal when the whole percent changes, at most one a chunk, and none after the
        // end. Two links are two halves of the run.
        const QByteArray percents =
            "printf '[download]  10.0%% of 1MiB\\n'; sleep 0.3; printf '[download]  10.4%% "
            "of 1MiB\\n'; sleep 0.3; printf '[download]  30.0%%\\n[download]  55.5%%\\n'\n";
        run.fake.install(percents + (how == "cancelled" ? FakeYtDlp::hangWithGrandchild : "exit 1"));
        run.window->show();
        elsewhere.show();
        QWidget *active = how == "in Kavari's window" ? static_cast<QWidget *>(run.window.get()) : &elsewhere;
        active->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(active));
        run.start(videoLink + "&<b> " + videoLink);
        if (how == "cancelled") {
            QTRY_VERIFY(run.lines().contains("ready"));
            QTest::qWait(QApplication::doubleClickInterval());
            run.button->click();
        }
        QTRY_COMPARE(run.status->text(), "Failed");
        // Time for a Notify that must not come.
        QTest::qWait(500);
        const QString app = "application://org.tolmend.Kavari.desktop",
                      path = "/org/tolmend/Kavari/LauncherEntry";
        QCOMPARE(
            server.updates,
            QList<QVariantList>({{path, app, QVariantMap {{"progress", 0.05}, {"progress-visible", true}}},
                                 {path, app, QVariantMap {{"progress", 0.2775}, {"progress-visible", true}}},
                                 {path, app, QVariantMap {{"progress-visible", false}}}}));
        server.updates.clear();
        QCOMPARE(server.calls.size(), how.startsWith("in Kavari") || how == "cancelled" ? 0 : 1);
        if (server.calls.isEmpty())
            continue;
        const bool markup = server.capabilities.contains("body-markup");
        const QString links = markup ? "&amp;&lt;b&gt; and 1 more" : "&<b> and 1 more";
        QCOMPARE(server.calls.takeFirst(),
                 QVariantList({"Kavari", how == "again, replacing it" ? 7u : 0u, "org.tolmend.Kavari",
                               "Download failed", videoLink + links + "\ninto " + run.folder->text(),
                               QStringList {"default", "Show Kavari"}, "org.tolmend.Kavari"}));
        if (how != "in another window")
            continue;
        // Its default action brings Kavari to the front, with the token that came with it, used once.
        signal("ActivationToken", {7u, "token"});
        signal("ActionInvoked", {7u, "default"});
        QTRY_VERIFY(run.window->isActiveWindow());
        QVERIFY(qEnvironmentVariableIsEmpty("XDG_ACTIVATION_TOKEN"));
    }
    QCOMPARE(server.asked, 2);
}

// Ten paints a second at most, but always of the last percent: a silent conversion after the
// download must not show an old one.
void tst_Window::shouldPaintTheLastPercent()
{
    Run run;
    run.fake.install("printf '[download]   0.0%%\\n'\nsleep 0.05\nprintf '[download] 100%%\\n'\nsleep 2");
    run.start();
    QTRY_COMPARE_WITH_TIMEOUT(run.bar->value(), 100, 1500);
    QCOMPARE(run.status->text(), "Downloading...");
}

// Browsers planted as their installs keep them: the combo names each install, and the run gets the
// profile whose cookies changed last, with the keyring of the desktop for Chromium and its relatives
// by the name that the yt-dlp which runs knows: from the query after a failure, or asked before. A
// version after the desktop is what yt-dlp says after a run without cookies has failed.
void tst_Window::shouldReadTheCookiesOfTheBrowserChosen_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("argument");
    QTest::newRow("none found: None alone, and no argument")
        << QStringList() << QByteArray() << QStringList {"None"} << "";
    QTest::newRow("two Firefox profiles: the one changed last")
        << QStringList {".mozilla/firefox/new.default/cookies.sqlite",
                        ".mozilla/firefox/old.default/cookies.sqlite"}
        << QByteArray() << QStringList {"None", "Firefox"} << "firefox:$HOME/.mozilla/firefox/old.default";
    QTest::newRow("Firefox under XDG_CONFIG_HOME")
        << QStringList {"$XDG/mozilla/firefox/p/cookies.sqlite"} << QByteArray("XDG_CONFIG_HOME")
        << QStringList {"None", "Firefox"} << "firefox:$XDG/mozilla/firefox/p";
    QTest::newRow("Firefox (Flatpak)")
        << QStringList {".var/app/org.mozilla.firefox/.mozilla/firefox/p/cookies.sqlite"} << QByteArray()
        << QStringList {"None", "Firefox (Flatpak)"}
        << "firefox:$HOME/.var/app/org.mozilla.firefox/.mozilla/firefox/p";
    QTest::newRow("Firefox (Snap)") << QStringList {"snap/firefox/common/.mozilla/firefox/p/cookies.sqlite"}
                                    << QByteArray() << QStringList {"None", "Firefox (Snap)"}
                                    << "firefox:$HOME/snap/firefox/common/.mozilla/firefox/p";
    QTest::newRow("Chromium on KDE Plasma 6, a yt-dlp asked first")
        << QStringList {".config/chromium/Default/Cookies"} << QByteArray("6")
        << QStringList {"None", "Chromium"} << "chromium+kwallet6:$HOME/.config/chromium/Default";
    QTest::newRow("Chromium on KDE Plasma 5, the first yt-dlp that knows its wallet")
        << QStringList {".config/chromium/Default/Cookies"} << QByteArray("5 2023.06.21")
        << QStringList {"None", "Chromium"} << "chromium+kwallet5:$HOME/.config/chromium/Default";
    QTest::newRow("Chrome on KDE Plasma 5, its cookies in Network, Debian's yt-dlp")
        << QStringList {".config/google-chrome/Profile 1/Network/Cookies"} << QByteArray("5 2023.03.04")
        << QStringList {"None", "Chrome"} << "chrome+kwallet:$HOME/.config/google-chrome/Profile 1";
    QTest::newRow("Brave (Flatpak) on GNOME")
        << QStringList {".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser/Default/Cookies"}
        << QByteArray("GNOME") << QStringList {"None", "Brave (Flatpak)"}
        << "brave+gnomekeyring:$HOME/.var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser/Default";
    QTest::newRow("Chromium (Snap) on a desktop yt-dlp does not know")
        << QStringList {"snap/chromium/common/chromium/Default/Cookies"} << QByteArray("LXQt")
        << QStringList {"None", "Chromium (Snap)"}
        << "chromium+gnomekeyring:$HOME/snap/chromium/common/chromium/Default";
    QTest::newRow("several, in the order of the list")
        << QStringList {".config/microsoft-edge/Default/Cookies", ".config/chromium/Default/Cookies",
                        ".mozilla/firefox/p/cookies.sqlite"}
        << QByteArray() << QStringList {"None", "Firefox", "Chromium", "Edge"}
        << "firefox:$HOME/.mozilla/firefox/p";
}

void tst_Window::shouldReadTheCookiesOfTheBrowserChosen()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, desktop);
    QFETCH(QStringList, items);
    QFETCH(QString, argument);
    const QString version = QString::fromLatin1(desktop).section(' ', 1);
    desktop = desktop.split(' ').first();
    const auto guard = qScopeGuard([] {
        qunsetenv("KDE_SESSION_VERSION");
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CURRENT_DESKTOP");
    });
    QTemporaryDir xdg;
    files.replaceInStrings("$XDG", xdg.path());
    argument.replace("$XDG", xdg.path());
    if (desktop == "XDG_CONFIG_HOME")
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(xdg.path()));
    else
        qputenv(desktop.size() == 1 ? "KDE_SESSION_VERSION" : "XDG_CURRENT_DESKTOP", desktop);
    Run run(files);
    QStringList shown;
    for (int item = 0; item < run.cookies->count(); ++item)
        shown += run.cookies->itemText(item);
    QCOMPARE(shown, items);
    QCOMPARE(run.cookies->isEnabled(), items.size() > 1);
    // As Debian's yt-dlp does, it refuses the wallets' newer names.
    run.fake.install("case \"$*\" in *+kwallet[56]:*) grep -qs 2023.03.04 version && exit 2;; esac\n"
                     "case \"$*\" in *--cookies-from-browser*) exit 0;; esac\nexec test ! -f version");
    if (!version.isEmpty()) {
        writeScript(run.fake.filePath("version"), "echo " + version.toUtf8());
        run.start();
        QTRY_VERIFY(!run.lines().filter("yt-dlp " + version + " at ").isEmpty());
    }
    run.cookies->setCurrentIndex(items.size() > 1 ? 1 : 0);
    run.start();
    QTRY_COMPARE(run.status->text(), "Complete");
    QCOMPARE(run.fake.recorded("starts").count("--version\n"),
             !version.isEmpty() || argument.contains("+kwallet"));
    const QStringList arguments = run.fake.recordedArguments();
    const qsizetype at = arguments.indexOf("--cookies-from-browser");
    QCOMPARE(at < 0 ? QString() : arguments.value(at + 1), argument.replace("$HOME", run.fake.home()));
    QVERIFY(at < 0 || at < arguments.indexOf("--"));
    QCOMPARE(run.mode->text().endsWith(", cookies from " + items.value(1)), items.size() > 1);
}

// The fake refuses without what the offer adds, and completes with it; the cookies stay chosen
// for later runs until "None" is chosen again, the pauses hold for the retry alone. The offer is
// taken with a click or with Return, and goes once the link is another.
void tst_Window::shouldRetryAsTheOfferSays_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("needed");
    QTest::addColumn<QString>("offer");
    QTest::addColumn<QString>("how");
    const QString bot = "Sign in to confirm you're not a bot",
                  firefox = "Retry with cookies from Firefox (Flatpak)";
    QTest::newRow("a bot check, mended with the browser's cookies")
        << bot << "--cookies-from-browser" << firefox << "click";
    QTest::newRow("a rate limit, mended with pauses, Return on the offer")
        << "This content isn't available, try again later"
        << "--sleep-requests"
        << "Retry, pausing between videos"
        << "Return";
    QTest::newRow("a bot check, then another link: no retry of that")
        << bot << "--cookies-from-browser" << firefox << "another link";
}

void tst_Window::shouldRetryAsTheOfferSays()
{
    QFETCH(QString, refusal);
    QFETCH(QString, needed);
    QFETCH(QString, offer);
    QFETCH(QString, how);
    Run run({".var/app/org.mozilla.firefox/.mozilla/firefox/p/cookies.sqlite"});
    // In colour, as a user's own --color always has it.
    writeScript(run.fake.filePath("said"), "\033[0;31mERROR:\033[0m [youtube] x: " + refusal.toUtf8() + '\n');
    run.fake.install("case \"$*\" in *" + needed.toUtf8() + "*) exit 0;; esac\ncat said >&2\nexit 1");
    run.start();
    QTRY_VERIFY(!run.retry->isHidden());
    QCOMPARE(run.retry->text(), offer);
    if (how == "another link") {
        run.url->setText(videoLink + "&v=another");
        run.retry->click();
        QVERIFY(run.retry->isHidden() && run.status->text() == "Failed" && run.cookies->currentIndex() == 0);
        return;
    }
    run.retry->setFocus();
    how == "Return" ? QTest::keyClick(run.retry, Qt::Key_Return) : run.retry->click();
    QTRY_COMPARE(run.status->text(), "Complete");
    const QStringList retried = run.fake.recordedArguments();
    const QStringList pauses = {"--sleep-requests",     "0.75", "--sleep-interval", "10",
                                "--max-sleep-interval", "20"};
    QCOMPARE(retried.mid(retried.indexOf("--sleep-requests"), 6) == pauses, needed == "--sleep-requests");
    QCOMPARE(run.lines().first(), "Command: yt-dlp " + retried.join(' '));
    // The next download as the window stands now.
    run.button->click();
    QTRY_COMPARE(run.status->text(), needed == "--sleep-requests" ? "Failed" : "Complete");
    QCOMPARE(run.fake.recordedArguments().contains("--cookies-from-browser"), needed != "--sleep-requests");
    run.cookies->setCurrentIndex(0);
    run.button->click();
    QTRY_COMPARE(run.status->text(), "Failed");
    QVERIFY(!run.fake.recordedArguments().contains("--cookies-from-browser"));
}

// After a failure that offers both, an update and a download never run side by side: while one
// runs, the other cannot be started, also not by a click that reaches a button out of view (as a
// screen reader's may), and Cancel stops the one that runs.
void tst_Window::shouldDoOneThingAtATime_data()
{
    QTest::addColumn<bool>("updateFirst");
    QTest::newRow("Update, cancelled, then the retry, cancelled") << true;
    QTest::newRow("the retry, then Update, then Cancel") << false;
}

void tst_Window::shouldDoOneThingAtATime()
{
    QFETCH(bool, updateFirst);
    QVERIFY2(releasing, "gpg made no keys, or the release server did not start");
    Run run({".mozilla/firefox/p/cookies.sqlite"});
    const QDir home(run.fake.home());
    run.fake.install("case \"$*\" in *--cookies-from-browser*) echo ready; exec sleep 300;; esac\n"
                     "echo \"ERROR: [youtube] x: Sign in to confirm you're not a bot\" >&2\nexit 1");
    writeScript(home.filePath("version"), "echo 2023.03.04");
    QVERIFY(home.mkpath("system") &&
            QFile::rename(home.filePath(".local/bin/yt-dlp"), home.filePath("system/yt-dlp")));
    qputenv("PATH", QFile::encodeName(home.filePath("system")) + ":/usr/bin:/bin");
    QVERIFY(QDir(serveRelease("stall yt-dlp")).exists());
    auto *update = run.window->findChild<QPushButton *>("updateButton");
    run.start();
    QTRY_VERIFY_WITH_TIMEOUT(!update->isHidden() && !run.retry->isHidden(), 15000);
    if (updateFirst) {
        update->setFocus();
        QTest::keyClick(update, Qt::Key_Return);
        QTRY_VERIFY(run.log->toPlainText().contains("Fetching yt-dlp from "));
        run.retry->click();
        QVERIFY(!run.retry->isHidden() && run.status->text() == "Updating yt-dlp...");
        run.button->click();
        QCOMPARE(run.status->text() + ' ' + run.button->text(), "Update cancelled Download");
    }
    run.retry->click();
    QTRY_VERIFY(run.log->toPlainText().contains("ready"));
    const QString log = run.log->toPlainText();
    update->click();
    run.retry->click();
    QCOMPARE(run.log->toPlainText(), log);
    QTest::qWait(QApplication::doubleClickInterval());
    run.button->click();
    QCOMPARE(run.status->text() + ' ' + run.lines().last(), "Cancelled --- Download cancelled by user ---");
    QTRY_VERIFY(!isProcessAlive(run.fake.recordedPid("child.pid")));
}

// The browsers as they are now: a chosen profile that was removed after the window opened is said
// and not used, and a browser first used since then is offered at the failure and in the combo.
void tst_Window::shouldLookForTheBrowsersAgain()
{
    Run run({".mozilla/firefox/p/cookies.sqlite"});
    // Chromium's first profile comes while a run runs, once the test asks for it.
    run.fake.install(
        "[ -e plant ] && mkdir -p .config/chromium/Default && : > .config/chromium/Default/Cookies\n"
        "echo \"ERROR: [youtube] x: Sign in to confirm you're not a bot\" >&2\nexit 1");
    run.cookies->setCurrentIndex(1);
    QVERIFY(QDir(run.fake.filePath(".mozilla")).removeRecursively());
    run.start();
    const QString gone = "The Firefox profile %1 is gone; this run goes without cookies.";
    QCOMPARE(run.lines().first(), gone.arg(run.fake.filePath(".mozilla/firefox/p")));
    QVERIFY(run.cookies->currentIndex() == 0 && !run.mode->text().contains("cookies"));
    // With no browser to choose, the advice is to sign in in one first.
    QTRY_VERIFY(!run.lines().filter("sign in to YouTube in a browser first, then retry.").isEmpty());
    QVERIFY(run.retry->isHidden() && !run.fake.recordedArguments().contains("--cookies-from-browser"));
    QVERIFY(QFile(run.fake.filePath("plant")).open(QIODevice::WriteOnly));
    run.start();
    QTRY_VERIFY(!run.retry->isHidden());
    QCOMPARE(run.retry->text(), "Retry with cookies from Chromium");
    run.plant({".config/opera/Cookies"});
    run.cookies->showPopup();
    QCOMPARE(run.cookies->itemText(2), "Opera");
}

void tst_Window::shouldKeepTheOutcomeInView()
{
    // The view at the end stays there; a user who scrolled up stays where they are.
    for (const bool scrolledUp : {false, true}) {
        Run run;
        run.fake.install("seq 200\nsleep 0.5");
        run.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.window.get()));
        run.start();
        QScrollBar *bar = run.log->verticalScrollBar();
        QTRY_VERIFY(run.lines().contains("200"));
        QCOMPARE(bar->value(), bar->maximum());
        if (scrolledUp)
            bar->setValue(0);
        QTRY_COMPARE(run.status->text(), "Complete");
        QCOMPARE(bar->value(), scrolledUp ? 0 : bar->maximum());
        // A caret for the keyboard, which screen readers follow line by line.
        run.log->setFocus();
        QTest::keyClick(run.log, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(run.log->textCursor().position(), 0);
        QTest::keyClick(run.log, Qt::Key_Down);
        QVERIFY(run.log->textCursor().position() > 0);
    }
}

// What the colours are is tested without a window; here, that they follow the theme.
void tst_Window::shouldKeepTheStatusReadableOnADarkTheme()
{
    Run run;
    run.fake.install("exit 1");
    QPalette dark = run.window->palette();
    // Breeze Dark's window and text colours.
    dark.setColor(QPalette::Window, QColor(0x20, 0x23, 0x26));
    dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    run.window->setPalette(dark);
    const auto styled = [&dark](const QString &hue) { return "color: " + readableColour(hue, dark) + ";"; };
    QVERIFY(run.mode->styleSheet().startsWith(styled("#666")));
    run.start();
    QVERIFY(run.status->styleSheet().startsWith(styled("blue")));
    QTRY_COMPARE(run.status->text(), "Failed");
    QVERIFY(run.status->styleSheet().startsWith(styled("red")) && styled("red") != "color: red;");

    // Back to a light theme while the window is open.
    run.window->setPalette(QPalette());
    QCOMPARE(run.status->styleSheet() + run.mode->styleSheet(),
             "color: red; font-weight: bold;color: #666; font-style: italic;");
}

// Each shipped language, read off the widgets: every text that its catalogue translates is shown
// translated, a run's outcome too, and at the window's smallest size nothing is cut off, the offers
// after a failure included. "C" is English exactly as it has always been.
void tst_Window::shouldSpeakEachLanguageWhole_data()
{
    QTest::addColumn<QString>("language");
    // The bar at 36 percent, as the language writes it.
    QTest::addColumn<QString>("percent");
    QTest::newRow("C") << "C"
                       << "36%";
    QTest::newRow("de") << "de"
                        << "36\u00a0%";
    QTest::newRow("es") << "es"
                        << "36\u00a0%";
    QTest::newRow("fr") << "fr"
                        << "36\u202f%";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "36%";
    QTest::newRow("ru") << "ru"
                        << "36\u00a0%";
    QTest::newRow("zh_CN") << "zh_CN"
                           << "36%";
}

void tst_Window::shouldSpeakEachLanguageWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, percent);
    const auto shownTexts = [](QWidget *window) {
        QStringList texts = {window->windowTitle()};
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            texts << widget->accessibleName() << widget->toolTip();
            if (auto *label = qobject_cast<QLabel *>(widget))
                texts << label->text();
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                texts << button->text();
            if (auto *group = qobject_cast<QGroupBox *>(widget))
                texts << group->title();
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                texts << edit->placeholderText();
            for (int item = 0;
                 qobject_cast<QComboBox *>(widget) && item < qobject_cast<QComboBox *>(widget)->count();
                 ++item)
                texts << qobject_cast<QComboBox *>(widget)->itemText(item);
        }
        return texts;
    };
    const QStringList profile = {".mozilla/firefox/p.default/cookies.sqlite"};
    const QStringList english = shownTexts(Run(profile).window.get());
    const auto guard = qScopeGuard([] {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::system());
    });
    QCOMPARE(installTranslations(qApp, {language}), language == "C" ? QString() : language);
    // Qt's own dialogs in the language too.
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text() != "Cancel", language != "C");
    Run run(profile);
    run.bar->setRange(0, 100);
    run.bar->setValue(36);
    QCOMPARE(run.bar->text(), percent);
    const QStringList shown = shownTexts(run.window.get());
    QCOMPARE(shown.size(), english.size());
    for (qsizetype at = 0; at < shown.size(); ++at) {
        const QByteArray source = english[at].toUtf8();
        const bool kept = QCoreApplication::translate("KavariWindow", source) == english[at] &&
            QCoreApplication::translate("CookieChoice", source) == english[at];
        QVERIFY2(shown[at] != english[at] || kept, qPrintable(english[at]));
        QVERIFY(language != "C" || shown[at] == english[at]);
    }
    run.window->resize(run.window->minimumSize());
    run.window->show();
    writeScript(run.fake.filePath("said"), "ERROR: [youtube] x: Sign in to confirm you're not a bot\n");
    writeScript(run.fake.filePath("version"), "echo 2020.01.01");
    run.fake.install("[ -e said ] || exit 0\ncat said >&2\nexit 1");
    run.start();
    QStringList outcome = {run.button->text()};
    QTRY_VERIFY(!run.retry->isHidden() && !run.window->findChild<QPushButton *>("updateButton")->isHidden());
    for (QWidget *widget : run.window->findChildren<QWidget *>()) {
        if (widget->isVisible() &&
            (qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget) ||
             qobject_cast<QComboBox *>(widget)))
            QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(widget->objectName()));
    }
    outcome << run.status->text() << run.lines().filter(QRegularExpression("^✗")).value(0);
    // The yt-dlp's age, in days, as the language writes numbers.
    const qint64 days = QDate(2020, 1, 1).daysTo(QDate::currentDate());
    // The log's plain text has a blank for a no-break space.
    const QString age =
        (language == "C" ? QLocale::system() : QLocale(language)).toString(days).replace(QChar(0xa0), ' ');
    QTRY_VERIFY2(!run.lines().filter(' ' + age + ' ').isEmpty(), qPrintable(age));
    // The explanation's last line in view, at the height its fallback font paints it.
    QTextCursor lastLine(run.log->document()->lastBlock().previous());
    lastLine.movePosition(QTextCursor::EndOfBlock);
    QTRY_VERIFY(run.log->verticalScrollBar()->value() == run.log->verticalScrollBar()->maximum() &&
                run.log->cursorRect(lastLine).bottom() < run.log->viewport()->height());
    QFile::remove(run.fake.filePath("said"));
    run.button->click();
    QTRY_VERIFY(run.lines().last().startsWith("✓"));
    outcome << run.status->text() << run.lines().last();
    const QStringList inEnglish = {"Cancel", "Failed", failed, "Complete", completed};
    for (qsizetype at = 0; at < outcome.size(); ++at)
        QCOMPARE(outcome[at] == inEnglish[at], language == "C");
}

// What the session names, through uiLanguages() as main() reads it.
void tst_Window::shouldAnswerItsCommandLineInTheSessionsLanguage_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("language");
    QTest::newRow("LANGUAGE=de:en") << QByteArray("LANGUAGE") << QByteArray("de:en") << "de";
    QTest::newRow("LANG=pt_BR.UTF-8") << QByteArray("LANG") << QByteArray("pt_BR.UTF-8") << "pt_BR";
    QTest::newRow("LANGUAGE=en:de: English first") << QByteArray("LANGUAGE") << QByteArray("en:de") << "";
    QTest::newRow("LANGUAGE=pt_PT: none of its own, English")
        << QByteArray("LANGUAGE") << QByteArray("pt_PT") << "";
    QTest::newRow("LANGUAGE=zh_TW: none of its own, English")
        << QByteArray("LANGUAGE") << QByteArray("zh_TW") << "";
    QTest::newRow("LANG=C") << QByteArray("LANG") << QByteArray("C") << "";
}

void tst_Window::shouldAnswerItsCommandLineInTheSessionsLanguage()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(QString, language);
    QProcess kavari;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *other : {"LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES"})
        environment.remove(other);
    environment.insert(variable, value);
    kavari.setProcessEnvironment(environment);
    // Its version, and Kavari's own line of its help under Qt's. A link as an argument is how Kavari
    // starts where it is sent a signal.
    kavari.start(KAVARI_PROGRAM, {"--version"});
    QVERIFY(kavari.waitForFinished(10000) && kavari.readAllStandardOutput() == "kavari " KAVARI_VERSION "\n");
    kavari.start(KAVARI_PROGRAM, {"--help"});
    QVERIFY(kavari.waitForFinished(10000) && kavari.exitCode() == 0);
    QTranslator catalogue;
    QVERIFY(
        language.isEmpty() ||
        catalogue.load("kavari_" + language, QCoreApplication::applicationDirPath() + "/../translations"));
    const char *english = "Downloads videos, audio tracks and playlists with yt-dlp.";
    const QString said = language.isEmpty() ? english : catalogue.translate("CommandLine", english);
    QVERIFY(said != english || language.isEmpty());
    QCOMPARE(QString::fromUtf8(kavari.readAllStandardOutput()).section('\n', 1, 1), said);
}

void tst_Window::shouldDownloadWithTheRealYtDlp_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("choices");
    // Each file left in the folder, with its streams and container as ffprobe names them.
    QTest::addColumn<QStringList>("expected");
    const QString mp4 = " mov,mp4,m4a,3gp,3g2,mj2", hd = ": h264 1920 1080 aac" + mp4;
    // yt-dlp knows no height of a direct file or of a page's <video>: both video choices take them.
    const QStringList formats = {"MP3", "M4A", "Best Video + Audio", "720p Video", "1080p Video"};
    for (const auto &[link, video] : {std::pair {"clip.mp4", "clip.mp4" + hd},
                                      {"clip.webm", "clip.webm: vp9 640 360 opus matroska,webm"},
                                      {"two.html", "two clips (1).mp4" + hd}}) {
        const QString title = video.left(video.indexOf('.'));
        const QStringList files = {title + ".mp3: mp3 mp3", title + ".m4a: aac" + mp4, video, video, video};
        for (int format = 0; format < formats.size(); ++format)
            QTest::addRow("%s, %s", link, qPrintable(formats[format]))
                << link << QList {format, 0} << QStringList {files[format]};
    }
    QTest::newRow("HLS, 720p Video: the 720p variant")
        << "hls/master.m3u8" << QList {3, 0} << QStringList {"master.mp4: h264 1280 720 aac" + mp4};
    QTest::newRow("HLS, 1080p Video: the 1080p variant")
        << "hls/master.m3u8" << QList {4, 0} << QStringList {"master.mp4" + hd};
    QTest::newRow("two videos, box checked: both")
        << "two.html" << QList {2, 1} << QStringList {"two clips (1).mp4" + hd, "two clips (2).mp4" + hd};
    QTest::newRow("a title of 300 bytes, cut at a character boundary")
        << "long.html" << QList {2, 0} << QStringList {QString(66, QChar(0x65e5)) + ".mp4" + hd};
    QTest::newRow("a missing file: failed, and which yt-dlp it was")
        << "missing.mp4" << QList {2, 0} << QStringList();
    // The source stays, whole; what was converted of it goes.
    QTest::newRow("Cancel while converting to MP3")
        << "long.webm" << QList {0, 0} << QStringList {"long.webm: opus matroska,webm"};
}

void tst_Window::shouldDownloadWithTheRealYtDlp()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, choices);
    QFETCH(QStringList, expected);

    // A missing tool skips; a tool that is there but failed fails.
    for (const char *tool : {"yt-dlp", "ffmpeg", "python3"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP("needs yt-dlp, ffmpeg and python3");
    QVERIFY(serving && QFile::exists(served.filePath("long.webm")));
    // Nothing in the fake's .local/bin: the real yt-dlp, in a HOME without the user's configuration.
    Run run;
    run.folder->setText(run.fake.filePath("my clips 100%"));
    run.format->setCurrentIndex(choices[0]);
    run.playlist->setChecked(choices[1]);
    run.start(server.url(file));
    // The long clip is there to be cancelled once yt-dlp's ffmpeg has begun its MP3.
    const QString converted = file == "long.webm" ? run.folder->text() + "/long.mp3" : QString();
    if (!converted.isEmpty() && QTest::qWaitFor([&] { return QFile::exists(converted); }, 60000))
        run.button->click();
    QTRY_VERIFY_WITH_TIMEOUT(run.status->text() == "Complete" || run.status->text() == "Failed", 180000);
    QVERIFY2(run.status->text() == (expected.isEmpty() || !converted.isEmpty() ? "Failed" : "Complete"),
             qPrintable(run.log->toPlainText()));
    QStringList files;
    for (const QFileInfo &found : QDir(run.folder->text()).entryInfoList(QDir::Files, QDir::Name)) {
        QProcess probe;
        probe.start("ffprobe",
                    {"-v", "error", "-of", "default=nw=1:nk=1", "-show_entries",
                     "stream=codec_name,width,height:format=format_name", found.filePath()});
        probe.waitForFinished();
        files += found.fileName() + ": " + QString::fromUtf8(probe.readAll()).simplified();
    }
    QCOMPARE(files, expected);
    // One line says what went, after the Cancel and before the outcome.
    if (!converted.isEmpty())
        QCOMPARE(run.lines().mid(run.lines().indexOf("--- Download cancelled by user ---") + 1),
                 QStringList({"Removed " + converted +
                                  ": the download was stopped while yt-dlp was still writing it.",
                              "", failed}));
    if (expected.isEmpty()) {
        const QString ran = " at " + QStandardPaths::findExecutable("yt-dlp");
        QTRY_VERIFY(run.lines()
                        .filter(QRegularExpression("^yt-dlp \\d{4}\\.\\d\\d\\.\\d\\d\\S*" + ran + "$"))
                        .size() == 1);
        // A 404, said first: no update mends it, however old this yt-dlp is.
        QCOMPARE(run.lines().at(run.lines().indexOf(failed) + 1), "The link leads nowhere: check it.");
        QVERIFY(run.window->findChild<QPushButton *>("updateButton")->isHidden());
    }
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("org.tolmend.Kavari");
    // Kavari set up as its main() sets it up, downloading the link argv[2] from the start; with
    // --kavari-update, also clicking "Update yt-dlp" once it is offered.
    if (argc == 3 && (qstrcmp(argv[1], "--kavari") == 0 || qstrcmp(argv[1], "--kavari-update") == 0)) {
        installTranslations(&app, QLocale::system().uiLanguages());
        KavariWindow window;
        // The link as Kavari's own command line would give it.
        window.setLinks(readCommandLine({argv[0], argv[2]}));
        closeOnTerminationSignals();
        window.show();
        window.findChild<QPushButton *>("downloadButton")->click();
        auto *update = window.findChild<QPushButton *>("updateButton");
        QTimer offered;
        QObject::connect(&offered, &QTimer::timeout, update, [update] {
            if (!update->isHidden())
                update->click();
        });
        if (qstrcmp(argv[1], "--kavari-update") == 0)
            offered.start(50);
        return app.exec();
    }
    tst_Window test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
