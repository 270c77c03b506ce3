// SPDX-License-Identifier: GPL-3.0-or-later
// What runs yt-dlp and keeps its runs safe, tested without a window: the advice after a failure,
// the child's environment, and the folders yt-dlp would load plugins from.
#include "childenvironment.h"
#include "configguard.h"
#include "failureadvice.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString videoLink = "http://127.0.0.1:9/watch?v=kavari";
} // namespace

class tst_Run : public QObject
{
    Q_OBJECT

private slots:
    void shouldAdviseFromTheVersion_data();
    void shouldAdviseFromTheVersion();
    void shouldKeepTheActivationTokenFromTheChild();
    void shouldRefusePluginFolders_data();
    void shouldRefusePluginFolders();
};

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
    QTest::newRow("Debian 12's yt-dlp on YouTube: the update brings deno too")
        << "/usr/bin/yt-dlp"
        << "2023.03.04" << youTube
        << "This yt-dlp is 1003 days old. Sites such as YouTube change often, and an old yt-dlp stops "
           "working "
           "with them.\nIt is your system's copy, which cannot update itself. Install the current one for "
           "yourself, which Kavari then finds in ~/.local/bin: pipx install \"yt-dlp[default]\"\nThe current "
           "yt-dlp" +
            noDeno
        << "yt-dlp and deno";
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
