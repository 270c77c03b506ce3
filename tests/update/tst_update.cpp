// SPDX-License-Identifier: GPL-3.0-or-later
// Getting the current yt-dlp and deno, against releases made at test time and served on 127.0.0.1
// as the release servers serve them, and as broken or hostile ones would.
#include "fakeytdlp.h"
#include "fetch.h"
#include "localhttpserver.h"
#include "testrelease.h"
#include "updater.h"
#include "zipentry.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
const QString denoArchive = "deno-x86_64-unknown-linux-gnu.zip";
const QString ranVersion = "2023.03.04";

// The yt-dlp of a failed run, with the environment of that run, as the window hands it on.
ChildCommand failedRun(const QByteArray &program, const QByteArray &home)
{
    const QByteArray own = home.startsWith('/') ? home + "/.deno/bin:" + home + "/.local/bin:" : QByteArray();
    return {program, {}, {"HOME=" + home, "PATH=" + own + "/usr/bin:/bin"}};
}

// Runs an update to its end; what it said, its failure last (empty when it succeeded).
QStringList update(const ChildCommand &ran, const UpdateNeeds &needs, int timeoutMs = 60000)
{
    Updater updater(ran, needs, nullptr);
    QStringList said;
    QObject::connect(&updater, &Updater::step, &updater, [&said](const QString &line) { said += line; });
    QSignalSpy finished(&updater, &Updater::finished);
    updater.start();
    if (finished.isEmpty() && !finished.wait(timeoutMs))
        return said << "no end within the time";
    return said << finished.first().first().toString();
}

} // namespace

class tst_Update : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shouldFetchOnlyOverHttps_data();
    void shouldFetchOnlyOverHttps();
    void shouldTakeOnlyTheProgramFromTheArchive_data();
    void shouldTakeOnlyTheProgramFromTheArchive();
    void shouldUpdateYtDlpAndDeno_data();
    void shouldUpdateYtDlpAndDeno();
    void shouldFollowGitHubsRedirects_data();
    void shouldFollowGitHubsRedirects();
    void shouldSweepWhatAKilledUpdateLeft();

private:
    // A fresh release in a folder of its own; its address.
    QString serve(const QString &name, TestRelease::Signer signer = TestRelease::Release,
                  const QString &version = QDate::currentDate().toString("yyyy.MM.dd"), int padding = 0);

    TestRelease release;
    QTemporaryDir releases;
    QTemporaryDir certificates;
    LocalHttpServer server;
    LocalHttpServer secureServer;
    bool serving = false;
    bool secure = false;
    int releaseCount = 0;
};

void tst_Update::initTestCase()
{
    const QString script = KAVARI_TEST_SUPPORT "/releaseserver.py";
    serving = release.makeKeys() && server.start(releases.path(), script);
    secure = secureServer.start(releases.path(), script, {"--tls", certificates.path()});
}

QString tst_Update::serve(const QString &name, TestRelease::Signer signer, const QString &version,
                          int padding)
{
    if (!QDir(releases.path()).mkdir(name) ||
        !release.write(releases.filePath(name), version, "2.5.6", signer, padding))
        return {};
    return server.url(name);
}

// What an update fetches comes over https; plain http only from this machine.
void tst_Update::shouldFetchOnlyOverHttps_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("https") << "https://github.com/yt-dlp/yt-dlp/releases/latest/download" << true;
    QTest::newRow("http elsewhere") << "http://github.com/yt-dlp/yt-dlp/releases" << false;
    QTest::newRow("a host that only begins like this machine") << "http://127.0.0.1.example.com/" << false;
    QTest::newRow("a user name that looks like this machine") << "http://127.0.0.1@example.com/" << false;
    QTest::newRow("https without a host") << "https:///yt-dlp" << false;
    QTest::newRow("a file") << "file:///etc/passwd" << false;
    QTest::newRow("ftp on this machine") << "ftp://127.0.0.1/yt-dlp" << false;
    for (const char *local : {"http://127.0.0.1:8080/", "http://[::1]/", "http://localhost/"})
        QTest::newRow(local) << local << true;
}

void tst_Update::shouldFetchOnlyOverHttps()
{
    QFETCH(QString, link);
    QFETCH(bool, allowed);
    QCOMPARE(isAllowedLink(QUrl(link)), allowed);
}

// deno's release holds deno at its top; nothing that merely ends in deno is taken for it.
void tst_Update::shouldTakeOnlyTheProgramFromTheArchive_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("failure");
    QTest::newRow("deno") << "deno" << QString();
    QTest::newRow("in a folder") << "x/deno"
                                 << "the archive holds no file deno";
    QTest::newRow("above the archive") << "../deno"
                                       << "the archive holds no file deno";
    QTest::newRow("a longer name") << "nodeno"
                                   << "the archive holds no file deno";
    QTest::newRow("no zip at all") << ""
                                   << "the archive is damaged";
}

void tst_Update::shouldTakeOnlyTheProgramFromTheArchive()
{
    QFETCH(QString, entry);
    QFETCH(QString, failure);
    QTemporaryDir folder;
    writeScript(folder.filePath("deno"), "#!/bin/sh\necho 'deno 2.5.6'\n");
    const QString zip = folder.filePath("deno.zip");
    if (entry.isEmpty())
        writeScript(zip, QByteArray(4096, 'x'));
    else
        QVERIFY(TestRelease::zip(zip, {{entry, folder.filePath("deno")}}));
    ZipEntry zipEntry;
    QString why;
    QBuffer copy;
    copy.open(QIODevice::WriteOnly);
    const bool opened = zipEntry.open(QFile::encodeName(zip), "deno", &why);
    QVERIFY2(opened == failure.isEmpty() && why.startsWith(failure), qPrintable(why));
    while (opened && zipEntry.copySome(&copy, &why) > 0) { }
    QCOMPARE(copy.data(), opened ? contents(QFile::encodeName(folder.filePath("deno"))) : QByteArray());
}

void tst_Update::shouldUpdateYtDlpAndDeno_data()
{
    QTest::addColumn<QString>("ran");
    QTest::addColumn<QString>("needs");
    QTest::addColumn<QString>("served");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("installed");

    // ran: "system" stands for Debian's yt-dlp, a script outside HOME's bin folders; "release" for a
    // release file of the user's; "pipx" for a link into pipx's folders; "pip" for a script of
    // another install in ~/.local/bin; "relative HOME" and "HOME not UTF-8" for Debian's with such a
    // home. served: what the release server does to a file, or what the update finds.
    const QString ytDlp = ".local/bin/yt-dlp", deno = ".deno/bin/deno";
    const QString signature = "Checking the signature of SHA2-256SUMS failed: ";
    const auto row = [](const char *name, const QString &ran, const QString &needs, const QString &served,
                        const QString &failure, const QStringList &installed = {}) {
        QTest::newRow(name) << ran << needs << served << failure << installed;
    };
    row("good, replaced by one rename", "system", "yt-dlp", "", "", {ytDlp});
    row("signed by another key", "system", "yt-dlp", "another key",
        signature + "it is signed by another key (");
    row("signed by a revoked key", "system", "yt-dlp", "revoked key",
        signature + "it is signed by a revoked key, which proves nothing any more");
    row("signed by an expired key", "system", "yt-dlp", "expired key",
        signature + "it is signed by an expired key");
    row("a keyring named by a relative path", "system", "yt-dlp", "keyring release.gpg",
        signature + "the keyring release.gpg that KAVARI_YTDLP_KEYRING names is not a full path");
    row("a keyring that is a folder", "system", "yt-dlp", "keyring /tmp",
        signature + "the keyring /tmp is not a file");
    row("a missing keyring", "system", "yt-dlp", "keyring /nonexistent/k.gpg",
        signature + "the keyring /nonexistent/k.gpg that KAVARI_YTDLP_KEYRING names is missing");
    row("no signature", "system", "yt-dlp", "rm SHA2-256SUMS.sig",
        "Fetching SHA2-256SUMS.sig failed: the server answered 404");
    row("checksum mismatch, twice", "system", "yt-dlp", "damage yt-dlp",
        "Checking the checksum of yt-dlp failed: its SHA-256 is ");
    row("404", "system", "yt-dlp", "rm yt-dlp", "Fetching yt-dlp failed: the server answered 404 Not Found");
    row("cut short", "system", "yt-dlp", "cut yt-dlp", "Fetching yt-dlp failed: the transfer stopped short");
    for (const char *status : {"204", "300", "304"})
        row(qPrintable(QString("a last reply of %1").arg(status)), "system", "yt-dlp",
            QString("status %1 yt-dlp").arg(status),
            QString("Fetching yt-dlp failed: the server answered %1 ").arg(status));
    row("sent on without end", "system", "yt-dlp", "loop SHA2-256SUMS",
        "Fetching SHA2-256SUMS failed: it was sent on more than 10 times");
    row("sent on to a file", "system", "yt-dlp", "redirect file:///etc/passwd yt-dlp",
        "Fetching yt-dlp failed: it was sent on to file:///etc/passwd, which is not https");
    row("sent on to another host over http", "system", "yt-dlp", "redirect http://127.0.0.2:9/yt-dlp yt-dlp",
        "Fetching yt-dlp failed: it was sent on to http://127.0.0.2:9/yt-dlp, which is not https");
    row("a byte a second", "system", "yt-dlp", "drip SHA2-256SUMS",
        "Fetching SHA2-256SUMS failed: it had not come whole after 10 s");
    row("a server that stops sending", "system", "yt-dlp", "stall yt-dlp",
        "Fetching yt-dlp failed: nothing came for 30 s");
    // Chunked, with no length: the limit acts while the data comes, and bounds the memory too.
    row("1 GiB of sums", "system", "yt-dlp", "flood SHA2-256SUMS",
        "Fetching SHA2-256SUMS failed: it is more than the 1.0 MiB it may be");
    row("1 GiB of yt-dlp", "system", "yt-dlp", "flood yt-dlp",
        "Fetching yt-dlp failed: it is more than the 64.0 MiB it may be");
    row("1 GiB of deno's archive", "system", "deno", "flood " + denoArchive,
        "Fetching " + denoArchive + " failed: it is more than the 256.0 MiB it may be");
    row("a full disk", "system", "yt-dlp", "full disk",
        "Fetching yt-dlp failed: it could not be written: the disk is full");
    row("an older version", "system", "yt-dlp", "version 2020.01.01",
        "Checking the new yt-dlp failed: the release offers nothing newer than " + ranVersion);
    row("the same version, from a stale mirror", "system", "yt-dlp", "version " + ranVersion,
        "Checking the new yt-dlp failed: the release offers nothing newer than " + ranVersion);
    row("a release file replaced in place", "release", "yt-dlp", "", "", {"tools/yt-dlp"});
    row("a pipx link: pipx upgrades", "pipx", "yt-dlp", "", "");
    row("another install in ~/.local/bin: left alone", "pip", "yt-dlp", "",
        "Updating yt-dlp failed: $HOME/.local/bin/yt-dlp is not yt-dlp's release file but another install");
    row("relative HOME: nowhere a run looks", "relative HOME", "yt-dlp", "",
        "Updating yt-dlp failed: HOME is \"rh\"");
    row("HOME not UTF-8: where a run looks", "HOME not UTF-8", "both", "", "", {ytDlp, deno});
    row("deno", "system", "deno", "", "", {deno});
    row("deno and yt-dlp", "system", "both", "", "", {ytDlp, deno});
    row("deno checksum mismatch", "system", "deno", "damage " + denoArchive,
        "Checking the checksum of " + denoArchive + " failed: ");
    row("deno in a folder of the archive", "system", "deno", "zip x/deno",
        "Extracting deno failed: the archive holds no file deno");
    row("deno's archive damaged", "system", "deno", "zip damaged",
        "Extracting deno failed: the archive is damaged");
}

void tst_Update::shouldUpdateYtDlpAndDeno()
{
    QFETCH(QString, ran);
    QFETCH(QString, needs);
    QFETCH(QString, served);
    QFETCH(QString, failure);
    QFETCH(QStringList, installed);
    QVERIFY2(serving, "gpg made no keys, or the release server did not start");

    FakeYtDlp fake;
    const QDir home(fake.home());
    QByteArray homeBytes = QFile::encodeName(home.path());
    QByteArray program = QFile::encodeName(home.filePath("system/yt-dlp"));
    writeScript(home.filePath("system/yt-dlp"), "#!/bin/sh\necho " + ranVersion.toUtf8() + "\n");
    if (ran == "release") {
        program = QFile::encodeName(home.filePath("tools/yt-dlp"));
        QVERIFY(TestRelease::writeYtDlp(home.filePath("tools/yt-dlp"), ranVersion));
    } else if (ran == "pipx") {
        writeScript(home.filePath(".local/pipx/venvs/yt-dlp/bin/yt-dlp"), "#!/bin/sh\n");
        QVERIFY(QFile::link(home.filePath(".local/pipx/venvs/yt-dlp/bin/yt-dlp"),
                            home.filePath(".local/bin/yt-dlp")));
        program = QFile::encodeName(home.filePath(".local/bin/yt-dlp"));
    } else if (ran == "pip") {
        fake.install("exit 1");
        program = QFile::encodeName(home.filePath(".local/bin/yt-dlp"));
    } else if (ran == "relative HOME") {
        homeBytes = "rh";
    } else if (ran == "HOME not UTF-8") {
        homeBytes += "/caf\xe9";
        QVERIFY(::mkdir(homeBytes.constData(), 0700) == 0);
    }
    writeScript(home.filePath(".local/bin/pipx"),
                "#!/bin/sh\necho \"$@\" > \"$HOME/pipx.args\"\necho upgraded\n");
    // What the user had: an older release file of yt-dlp, an older deno.
    if (installed.contains(".local/bin/yt-dlp") && ran == "system")
        QVERIFY(TestRelease::writeYtDlp(home.filePath(".local/bin/yt-dlp"), "2022.01.01"));
    if (installed.value(0) == ".deno/bin/deno")
        writeScript(home.filePath(".deno/bin/deno"), "#!/bin/sh\necho 'deno 1.0.0'\n");

    // The release, then what the row does to it.
    const QString folder = QString("release%1").arg(++releaseCount);
    const QStringList words = served.split(' ');
    const QMap<QString, TestRelease::Signer> signers = {{"another key", TestRelease::Another},
                                                        {"revoked key", TestRelease::Revoked},
                                                        {"expired key", TestRelease::Expired}};
    const TestRelease::Signer signer = signers.value(served, TestRelease::Release);
    const QString url =
        serve(folder, signer,
              words.first() == "version" ? words.last() : QDate::currentDate().toString("yyyy.MM.dd"),
              served == "full disk" ? 512 * 1024 : 0);
    QVERIFY(!url.isEmpty());
    const QDir files(releases.filePath(folder));
    const QString file = files.filePath(words.last());
    if (words.first() == "rm")
        QVERIFY(QFile::remove(file));
    if (words.first() == "damage") {
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::Append) && damaged.write("\n") == 1);
    }
    if (QStringList {"cut", "stall", "drip", "flood", "loop"}.contains(words.first()))
        writeScript(file + "." + words.first(), {});
    if (words.first() == "status" || words.first() == "redirect")
        writeScript(file + "." + words.first(), words.at(1).toUtf8());
    if (words.first() == "zip") {
        if (words.last() == "damaged")
            writeScript(files.filePath(denoArchive), QByteArray(4096, 'x'));
        else
            QVERIFY(TestRelease::zip(files.filePath(denoArchive), {{"x/deno", files.filePath("deno")}}));
        writeScript(files.filePath(denoArchive + ".sha256sum"),
                    TestRelease::sumLine(files.filePath(denoArchive), denoArchive));
    }
    const auto guard = qScopeGuard([&] {
        if (served == "full disk")
            QProcess::execute("umount", {home.filePath(".local/bin")});
        // Qt cannot name what is not UTF-8, nor remove it.
        QProcess::execute("sh", {"-c", "rm -rf \"$HOME\"/caf?"});
    });
    qputenv("KAVARI_YTDLP_RELEASE_URL", url.toUtf8());
    qputenv("KAVARI_DENO_RELEASE_URL", url.toUtf8() + "/");
    qputenv("KAVARI_YTDLP_KEYRING",
            words.first() == "keyring" ? words.last().toUtf8() : QFile::encodeName(release.keyring(signer)));
    if (served == "full disk" &&
        QProcess::execute("mount",
                          {"-t", "tmpfs", "-o", "size=128k", "tmpfs", home.filePath(".local/bin")}) != 0)
        QSKIP("needs the right to mount a tmpfs");

    const QStringList written = {".local/bin", ".deno/bin", "tools"};
    QMap<QString, QByteArray> expected = filesUnder(home.path(), written);
    // A reader of the target never finds it missing: the new file takes the old one's place in one step.
    const QByteArray watched = homeBytes + "/" + installed.value(0).toUtf8();
    struct stat before;
    const bool existed = !installed.isEmpty() && ::stat(watched.constData(), &before) == 0;
    std::atomic<bool> watching = true, missing = false;
    std::thread reader([&] {
        struct stat now;
        while (existed && watching)
            missing = missing || ::stat(watched.constData(), &now) != 0;
    });

    [[maybe_unused]] const qint64 memoryBefore = memoryKiB("VmRSS:", true);
    const QStringList said =
        update(failedRun(program, homeBytes), {needs != "deno", needs != "yt-dlp", ranVersion}, 90000);
    watching = false;
    reader.join();
    failure.replace("$HOME", home.path());
    QVERIFY2(failure.isEmpty() ? said.last().isEmpty() : said.last().startsWith(failure),
             qPrintable(said.join('\n')));
    QVERIFY2(!missing, "the target was missing for a moment");
    // AddressSanitizer keeps what was freed for a while, to catch a use after it: no memory to count.
#ifndef __SANITIZE_ADDRESS__
    if (served.startsWith("flood")) {
        // Never more than the file's limit held at once, and given back after the failure.
        const qint64 limitKiB = words.last() == "SHA2-256SUMS" ? 1024 : 0;
        QVERIFY2(memoryKiB("VmHWM:") - memoryBefore < limitKiB + 8 * 1024,
                 qPrintable(QString::number(memoryKiB("VmHWM:") - memoryBefore)));
        QVERIFY2(memoryKiB("VmRSS:") - memoryBefore < 8 * 1024,
                 qPrintable(QString::number(memoryKiB("VmRSS:") - memoryBefore)));
    }
#endif
    for (const QString &name : installed) {
        const QByteArray path = homeBytes + "/" + name.toUtf8();
        QCOMPARE(contents(path),
                 contents(QFile::encodeName(files.filePath(name.endsWith("deno") ? "deno" : "yt-dlp"))));
        struct stat after;
        QVERIFY(::stat(path.constData(), &after) == 0 &&
                (path != watched || !existed || after.st_ino != before.st_ino));
        if (ran != "HOME not UTF-8")
            expected[name] = contents(path);
    }
    QCOMPARE(filesUnder(home.path(), written), expected);
    QVERIFY(!QFileInfo::exists("rh"));
    if (ran == "pipx")
        QCOMPARE(fake.recorded("pipx.args"), "upgrade yt-dlp\n");
}

// GitHub's release links redirect to the release's tag, which redirects to another host that
// serves the file; over https, the certificate is checked at each hop against the system's CAs.
void tst_Update::shouldFollowGitHubsRedirects_data()
{
    QTest::addColumn<bool>("https");
    for (int run = 1; run <= 3; ++run) {
        QTest::addRow("http, run %d", run) << false;
        QTest::addRow("https with a CA of the test's own, run %d", run) << true;
    }
}

void tst_Update::shouldFollowGitHubsRedirects()
{
    QFETCH(bool, https);
    const QString folder = QString("release%1").arg(++releaseCount);
    QVERIFY(serving && !serve(folder).isEmpty());
    FakeYtDlp fake;
    writeScript(fake.filePath("system/yt-dlp"), "#!/bin/sh\necho " + ranVersion.toUtf8() + "\n");
    QString url = (https ? secureServer : server).url(folder + "/latest/");
    qputenv("KAVARI_YTDLP_RELEASE_URL", (https ? url.replace("http:", "https:") : url).toUtf8());
    qputenv("KAVARI_DENO_RELEASE_URL", qgetenv("KAVARI_YTDLP_RELEASE_URL"));
    qputenv("KAVARI_YTDLP_KEYRING", QFile::encodeName(release.keyring()));
    QString said;
    if (!https) {
        said = update(failedRun(QFile::encodeName(fake.filePath("system/yt-dlp")),
                                QFile::encodeName(fake.home())),
                      {true, true, ranVersion})
                   .last();
    } else {
        // The update in a process of its own that sees the test's CA where the system keeps its own.
        QVERIFY2(secure, "openssl made no certificates, or the https server did not start");
        QProcess child;
        child.start("unshare",
                    {"--mount", "--propagation", "private", "--", "sh", "-c",
                     "mount --bind \"$0\" /etc/ssl/certs && exec \"$@\"", certificates.filePath("certs"),
                     QCoreApplication::applicationFilePath(), "--update", fake.filePath("system/yt-dlp")});
        QVERIFY(child.waitForFinished(60000));
        if (child.exitCode() == 125)
            QSKIP("needs the right to make a mount namespace, as root has");
        said = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    }
    QVERIFY2(said.isEmpty(), qPrintable(said));
    const QDir files(releases.filePath(folder));
    QCOMPARE(contents(QFile::encodeName(fake.filePath(".local/bin/yt-dlp"))),
             contents(QFile::encodeName(files.filePath("yt-dlp"))));
    QCOMPARE(contents(QFile::encodeName(fake.filePath(".deno/bin/deno"))),
             contents(QFile::encodeName(files.filePath("deno"))));
}

// A Kavari killed mid-update leaves its staged file and its work folder; the next update removes them.
void tst_Update::shouldSweepWhatAKilledUpdateLeft()
{
    QVERIFY(serving && !serve("killed").isEmpty());
    FakeYtDlp fake;
    writeScript(fake.filePath("system/yt-dlp"), "#!/bin/sh\necho " + ranVersion.toUtf8() + "\n");
    QTemporaryDir temporary;
    const QByteArray ownTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    qputenv("KAVARI_YTDLP_RELEASE_URL", server.url("killed").toUtf8());
    qputenv("KAVARI_YTDLP_KEYRING", QFile::encodeName(release.keyring()));
    const auto guard = qScopeGuard(
        [&ownTemporary] { ownTemporary.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", ownTemporary); });
    writeScript(releases.filePath("killed/yt-dlp.stall"), {});
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--update", fake.filePath("system/yt-dlp")});
    const QDir bin(fake.filePath(".local/bin"));
    QTRY_VERIFY_WITH_TIMEOUT(!bin.entryList({".yt-dlp-kavari-*"}, QDir::Files | QDir::Hidden).isEmpty(),
                             20000);
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(10000));
    const QStringList left = QDir(temporary.path()).entryList({"kavari-update-*"}, QDir::Dirs);
    QCOMPARE(left.size(), 1);
    // What a Kavari still at it, this one, has staged stays.
    const QString alive = QString(".yt-dlp-kavari-%1-Ab12Cd").arg(QCoreApplication::applicationPid());
    writeScript(bin.filePath(alive), "staging");

    Updater next(failedRun(QFile::encodeName(fake.filePath("system/yt-dlp")), QFile::encodeName(fake.home())),
                 {true, false, ranVersion}, nullptr);
    next.start();
    QCOMPARE(bin.entryList({".yt-dlp-kavari-*"}, QDir::Files | QDir::Hidden), QStringList {alive});
    QVERIFY(!QFileInfo::exists(temporary.filePath(left.first())));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // An update of yt-dlp and deno for the yt-dlp argv[2], with HOME as it is, as the window starts
    // it; says why it failed, or nothing.
    if (argc == 3 && qstrcmp(argv[1], "--update") == 0) {
        Updater updater(failedRun(argv[2], qgetenv("HOME")), {true, true, ranVersion}, nullptr);
        QObject::connect(&updater, &Updater::finished, &app, [&app](const QString &failure) {
            QTextStream(stdout) << failure << "\n";
            app.exit(failure.isEmpty() ? 0 : 1);
        });
        updater.start();
        return app.exec();
    }
    tst_Update test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_update.moc"
