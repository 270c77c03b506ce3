// SPDX-License-Identifier: GPL-3.0-or-later
// What runs yt-dlp and keeps its runs safe, tested without a window: the causes read from its
// output and the advice after a failure, the child's environment, and the folders yt-dlp would load
// plugins from.
#include "childenvironment.h"
#include "configguard.h"
#include "failureadvice.h"
#include "failurecauses.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString videoLink = "http://127.0.0.1:9/watch?v=kavari";
} // namespace

class tst_Run : public QObject
{
    Q_OBJECT

private slots:
    void shouldReadTheCausesInYtDlpsOwnWords_data();
    void shouldReadTheCausesInYtDlpsOwnWords();
    void shouldAdviseFromTheVersion_data();
    void shouldAdviseFromTheVersion();
    void shouldKeepTheActivationTokenFromTheChild();
    void shouldRefusePluginFolders_data();
    void shouldRefusePluginFolders();
};

// yt-dlp's lines as it prints them on standard error, in an output folder named as a cause; each
// cause told once, in a line that begins or ends as `told` says, those no update mends first.
void tst_Run::shouldReadTheCausesInYtDlpsOwnWords_data()
{
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<int>("links");
    QTest::addColumn<bool>("videos");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<bool>("update");
    const QString bot = "ERROR: [youtube] %1: Sign in to confirm you're not a bot. Use --cookies";
    const QString limited =
        "ERROR: [youtube] %1: Unable to download API page: HTTP Error 429: Too Many Requests";
    const QString gone = "ERROR: [youtube] %1: Video unavailable";
    const QString retrying = "WARNING: [youtube] a: Unable to download API page: HTTP Error 429: Too Many "
                             "Requests. Retrying (1/3)...";
    const QString asked = "The site limits how many videos", people = "YouTube wants this connection";
    const auto row = [](const char *name, const QStringList &said, const QStringList &told,
                        bool update = true, int links = 1, bool videos = false) {
        QTest::newRow(name) << said << links << videos << told << update;
    };
    row("bot check", {bot.arg("x")}, {people});
    row("bot check, typographic apostrophe", {"ERROR: [youtube] x: Sign in to confirm you\u2019re not a bot"},
        {people});
    row("age gate", {"ERROR: [youtube] x: Sign in to confirm your age. This video may be inappropriate"},
        {"Only a signed-in, age-verified account"}, false);
    row("members only", {"ERROR: [youtube] x: Join this channel to get access to members-only content"},
        {"Only accounts with access"}, false);
    row("rate limit", {"ERROR: [youtube] x: This content isn\u2019t available, try again later."}, {asked},
        false);
    row("HTTP 429", {limited.arg("x")}, {asked}, false);
    row("country",
        {"ERROR: [youtube] x: Video unavailable. The uploader has not made this video available in your "
         "country"},
        {"The video is not available where this connection is."}, false);
    row("removed", {"ERROR: [youtube] x: Video unavailable. This video has been removed by the uploader"},
        {"The video is gone, or was never public."}, false);
    // Debian's yt-dlp, asked for a missing file on a local server.
    row("HTTP 404",
        {"ERROR: [generic] None: Unable to download webpage: HTTP Error 404: File not found (caused "
         "by <HTTPError 404: 'File not found'>); please report this issue on  "
         "https://github.com/yt-dlp/yt-dlp/issues?q= , filling out the appropriate issue template. "
         "Confirm you are on the latest version using  yt-dlp -U"},
        {"The link leads nowhere: check it."}, false);
    row("no JavaScript runtime",
        {"WARNING: [youtube] x: n challenge solving failed: some formats may be missing",
         "ERROR: [youtube] x: Requested format is not available. Use --list-formats"},
        {"YouTube's player needs the JavaScript runtime deno"});
    row("a format that is not there, alone", {"ERROR: [youtube] x: Requested format is not available."}, {});
    row("HTTP 403", {"ERROR: unable to download video data: HTTP Error 403: Forbidden"},
        {"The site refused the file itself (HTTP 403)"});
    row("full disk", {"ERROR: unable to write data: [Errno 28] No space left on device"},
        {"The disk of the output folder is full: "}, false);
    row("a refused write in the output folder, named as a private video",
        {"ERROR: unable to open for writing: [Errno 13] Permission denied: '/m/Private videos/x.part'"},
        {"Kavari's user may not write to /m/Private videos: it was refused /m/Private videos/x.part."},
        false);
    row("a refused write elsewhere", {"ERROR: [Errno 13] Permission denied: '/etc/x'"}, {});
    row("a link whose path names causes",
        {"ERROR: Unsupported URL: http://127.0.0.1:9/members-only/age-restricted"},
        {"yt-dlp knows no way to read that page: check the link."});
    row("a file's name as the video's id, HTTP 410",
        {"ERROR: [generic] Private video: Unable to download webpage: HTTP Error 410: Gone"},
        {"The link leads nowhere"}, false);
    row("a title, quoted and in the output folder",
        {"ERROR: unable to open for writing: [Errno 36] File name too long: \"/m/Private videos/HTTP "
         "Error 429 Video unavailable isn't it.webm.part\"",
         "ERROR: Cannot write video subtitles file /m/Private videos/Sign in to confirm your age.en.vtt",
         "ERROR: Skipping the remaining entries in playlist 'Private video \\'x\\' members-only' since "
         "3 items failed extraction"},
        {});
    row("lines other than ERROR: and WARNING:, and an error of no known cause",
        {"[ExtractAudio] Destination: /m/Private videos/Sign in to confirm your age.mp3",
         "[youtube] x: Video unavailable", "Private video", "ERROR: something else went wrong"},
        {});
    row("offline",
        {"ERROR: [generic] Unable to download webpage: <urlopen error [Errno -3] Temporary failure in name "
         "resolution>"},
        {"There is no connection to the site"}, false);
    row("no secretstorage", {"WARNING: [Cookies] secretstorage not available", bot.arg("x")},
        {"yt-dlp could not read the browser's cookies", people});
    row("a keyring this yt-dlp does not know",
        {"yt-dlp: error: unsupported keyring specified for cookies: \"KWALLET5\". Supported keyrings are: "
         "BASICTEXT, GNOMEKEYRING, KWALLET"},
        {"This yt-dlp does not know the keyring"});
    row("two links, the same cause, told by the downloader",
        QStringList(2, "ERROR: [download] Got error: HTTP Error 403"),
        {"2 of the 2 links: The site refused the file itself"}, true, 2);
    row("two links, two causes",
        {bot.arg("a"), "ERROR: [youtube] b: Video unavailable. This video has been removed"},
        {"1 of the 2 links: The video is gone", "1 of the 2 links: " + people}, true, 2);
    row("a warning of a link that then downloads", {retrying, gone.arg("b")},
        {"1 of the 3 links: The video is gone"}, false, 3);
    row("a warning of a link that then fails", {retrying, gone.arg("a"), limited.arg("b")},
        {"1 of the 3 links: The video is gone", "2 of the 3 links: " + asked}, false, 3);
    row("more videos than links, and a video that fails twice",
        {bot.arg("a"), bot.arg("b"), bot.arg("c"), bot.arg("d"), gone.arg("e"), gone.arg("e")},
        {"1 of the 3 links: The video is gone", "3 of the 3 links: " + people}, true, 3);
    row("the videos of a playlist", {bot.arg("a"), bot.arg("b"), bot.arg("c")},
        {"3 of the videos: " + people}, true, 2, true);
    // Read whole, wherever a read cuts it.
    row("a line of 4 KiB", {QString(bot.arg(QString(4096 - bot.size(), 'x')))}, {people});
}

void tst_Run::shouldReadTheCausesInYtDlpsOwnWords()
{
    QFETCH(QStringList, said);
    QFETCH(int, links);
    QFETCH(bool, videos);
    QFETCH(QStringList, told);
    QFETCH(bool, update);
    const QString output = said.join('\n') + '\n';
    // Whole, and cut in two at every place.
    for (qsizetype cut = output.size(); cut >= 0; --cut) {
        FailureCauses causes("/m/Private videos");
        causes.read(QStringView(output).first(cut), 1);
        causes.read(QStringView(output).sliced(cut), 1);
        const QStringList lines = causes.lines(links, videos, "sign in");
        QVERIFY2(lines.size() == told.size(), qPrintable(QString::number(cut) + ": " + lines.join('\n')));
        for (qsizetype at = 0; at < told.size(); ++at)
            QVERIFY2(lines[at].startsWith(told[at]) || lines[at].endsWith(told[at]), qPrintable(lines[at]));
        QCOMPARE(causes.updateMayMend(), update);
    }
}

void tst_Run::shouldAdviseFromTheVersion_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QString>("update");

    // Today is 2025-12-01 throughout; nothing is found on the search path.
    const QString youTube = "https://www.youtube.com/watch?v=kavari";
    const QString noDeno =
        " needs the JavaScript runtime deno for YouTube, and none was found. Install it with: "
        "curl -fsSL https://deno.land/install.sh | sh";
    QTest::newRow("90 days is not old yet") << "/opt/yt-dlp"
                                            << "2025.09.02" << videoLink << QString() << "";
    QTest::newRow("YouTube, the day before deno was needed") << "/opt/yt-dlp"
                                                             << "2025.11.11" << youTube << QString() << "";
    QTest::newRow("YouTube, from the release that needs deno")
        << "/opt/yt-dlp"
        << "2025.11.12" << youTube << "This yt-dlp" + noDeno << "deno";
    // The command must work pasted into a shell, and run nothing but yt-dlp.
    const QString old = "This yt-dlp is 334 days old. Sites such as YouTube change often, and an old yt-dlp "
                        "stops working with them.\nUpdate it with: ";
    QTest::newRow("a plain path") << "/home/a/.local/bin/yt-dlp"
                                  << "2025.01.01" << videoLink << old + "/home/a/.local/bin/yt-dlp -U"
                                  << "yt-dlp";
    QTest::newRow("a blank") << "/home/a b/yt-dlp"
                             << "2025.01.01" << videoLink << old + "'/home/a b/yt-dlp' -U"
                             << "yt-dlp";
    QTest::newRow("a $") << "/home/$(touch x)/yt-dlp"
                         << "2025.01.01" << videoLink << old + "'/home/$(touch x)/yt-dlp' -U"
                         << "yt-dlp";
    QTest::newRow("a quote") << "/home/it's/yt-dlp"
                             << "2025.01.01" << videoLink << old + "'/home/it'\\''s/yt-dlp' -U"
                             << "yt-dlp";
    // The current yt-dlp that the update brings needs deno, though the old one did not.
    QTest::newRow("Debian 12's yt-dlp on YouTube: the update brings deno too") << "/usr/bin/yt-dlp"
                                                                               << "2023.03.04" << youTube
                                                                               << "This yt-dlp is " +
            QLocale().toString(1003) +
            " days old. Sites such as YouTube change often, and an old yt-dlp stops "
            "working "
            "with them.\nIt is your system's copy, which cannot update itself. Install the current one for "
            "yourself, which Kavari then finds in ~/.local/bin: pipx install \"yt-dlp[default]\"\nThe "
            "current "
            "yt-dlp" +
            noDeno << "yt-dlp and deno";
}

void tst_Run::shouldAdviseFromTheVersion()
{
    QFETCH(QString, program);
    QFETCH(QString, version);
    QFETCH(QString, link);
    QFETCH(QString, advice);
    QFETCH(QString, update);
    const RanYtDlp ran {program, {}, {link}, "m4a", "/tmp"};
    const QDate today(2025, 12, 1);
    QCOMPARE(failureAdvice(ran, version + "\n", today).join('\n'),
             "yt-dlp " + version + " at " + program + (advice.isEmpty() ? "" : "\n" + advice));
    const UpdateNeeds needs = updateNeeds(ran, version + "\n", today);
    QCOMPARE(needs.ytDlp, update.startsWith("yt-dlp"));
    QCOMPARE(needs.deno, update.endsWith("deno"));
}

// A token from a clicked notification is Kavari's, to come to the front once; never yt-dlp's.
void tst_Run::shouldKeepTheActivationTokenFromTheChild()
{
    qputenv("XDG_ACTIVATION_TOKEN", "token");
    const ChildEnvironment child = childEnvironment();
    qunsetenv("XDG_ACTIVATION_TOKEN");
    QVERIFY(child.variables.contains("HOME=" + qgetenv("HOME")));
    QVERIFY(!child.variables.join('\n').contains("XDG_ACTIVATION_TOKEN"));
}

// yt-dlp loads whatever lies in its plugin folders, also when the folder is reached by a link.
void tst_Run::shouldRefusePluginFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("refused");
    QTest::newRow("the plugin folder") << ".config/yt-dlp/plugins"
                                       << "" << true;
    QTest::newRow("a folder inside it, not there yet") << ".config/yt-dlp/plugins/new/deep"
                                                       << "" << true;
    QTest::newRow("a link into it") << "clips"
                                    << ".config/yt-dlp/plugins" << true;
    QTest::newRow("a folder below a link into it") << "clips/new"
                                                   << ".config/yt-dlp" << false;
    QTest::newRow("a folder below a link to its parent") << "clips/plugins/x"
                                                         << ".config/yt-dlp" << true;
    QTest::newRow("the folder beside ~/yt-dlp-plugins") << "yt-dlp-plugins-old"
                                                        << "" << false;
    QTest::newRow("a link elsewhere") << "clips"
                                      << "Music" << false;
}

void tst_Run::shouldRefusePluginFolders()
{
    QFETCH(QString, folder);
    QFETCH(QString, link);
    QFETCH(bool, refused);
    QTemporaryDir home;
    const QByteArray ownHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    QVERIFY(QDir(home.path()).mkpath(".config/yt-dlp/plugins") && QDir(home.path()).mkpath("Music"));
    if (!link.isEmpty())
        QVERIFY(QFile::link(home.filePath(link), home.filePath("clips")));
    const bool found = isPluginFolder(home.filePath(folder), {});
    qputenv("HOME", ownHome);
    QCOMPARE(found, refused);
}

QTEST_GUILESS_MAIN(tst_Run)
#include "tst_run.moc"
