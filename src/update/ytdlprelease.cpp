// SPDX-License-Identifier: GPL-3.0-or-later
// yt-dlp from its release: the checksums and their signature first, then the file, then what the
// file says of itself, and only then the install.
#include "fetch.h"
#include "releasefiles.h"
#include "runsandbox.h"
#include "stagedfile.h"
#include "updater.h"
#include "versions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr qint64 smallLimit = 1 << 20;
constexpr qint64 ytDlpLimit = 64 << 20;

QUrl ytDlpRelease()
{
    return releaseFolder("KAVARI_YTDLP_RELEASE_URL",
                         "https://github.com/yt-dlp/yt-dlp/releases/latest/download");
}

bool save(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}
} // namespace

void Updater::updateYtDlp()
{
    const QString program = QFile::decodeName(ran.program);
    if (isPipxInstall(program)) {
        upgradeWithPipx();
        return;
    }
    const YtDlpPlace place = ytDlpPlace(program, QDir::homePath());
    if (!place.problem.isEmpty()) {
        fail("Updating yt-dlp", place.problem);
        return;
    }
    target = place.target;
    fetchSums();
}

void Updater::fetchSums()
{
    ++ytDlpTries;
    fetch(ytDlpRelease(), "SHA2-256SUMS", smallLimit, nullptr, [this](Fetch *sumsFetch) {
        sums = sumsFetch->data();
        fetch(ytDlpRelease(), "SHA2-256SUMS.sig", smallLimit, nullptr, [this](Fetch *signatureFetch) {
            signature = signatureFetch->data();
            checkSignature();
        });
    });
}

void Updater::checkSignature()
{
    const QString what = "Checking the signature of SHA2-256SUMS";
    const QString gpgv = QStandardPaths::findExecutable("gpgv", searchPath);
    const QString keyring = ytDlpKeyring();
    const QString sumsFile = work.filePath("SHA2-256SUMS");
    const QString signatureFile = work.filePath("SHA2-256SUMS.sig");
    if (gpgv.isEmpty())
        fail(what, "gpgv was not found; install it with: sudo apt install gpgv");
    else if (!QFileInfo(keyring).isFile())
        fail(what, "the keyring " + keyring + " is missing; reinstall Kavari");
    else if (!work.isValid() || !save(sumsFile, sums) || !save(signatureFile, signature))
        fail(what, "nothing can be written in " + temporaryFolder());
    if (done)
        return;
    ask(gpgv,
        {"--homedir", QFile::encodeName(work.path()), "--status-fd", "1", "--keyring",
         QFile::encodeName(keyring), QFile::encodeName(signatureFile), QFile::encodeName(sumsFile)},
        [this, what, keyring](const QString &status) {
            const QString failure = signatureFailure(status.toUtf8(), &fingerprint);
            if (!failure.isEmpty()) {
                fail(what, failure);
                return;
            }
            emit step("Signature of SHA2-256SUMS: good, by the key " + fingerprint + " of " + keyring);
            fetchYtDlp();
        });
}

void Updater::fetchYtDlp()
{
    const QByteArray sum = sumFor(sums, "yt-dlp");
    QString why;
    if (sum.isEmpty()) {
        fail("Reading SHA2-256SUMS", "it gives no checksum of yt-dlp");
        return;
    }
    staged = std::make_unique<StagedFile>(target);
    if (!staged->open(&why)) {
        fail("Installing yt-dlp", why);
        return;
    }
    fetch(ytDlpRelease(), "yt-dlp", ytDlpLimit, staged->device(), [this, sum](Fetch *file) {
        if (file->sha256() == sum) {
            emit step("Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS");
            checkAndInstall("yt-dlp", &Updater::judgeYtDlp,
                            needs.deno ? &Updater::updateDeno : &Updater::succeed);
        } else if (ytDlpTries < 2) {
            // A new release between the fetches: its sums and file match again on a second try.
            staged.reset();
            emit step("The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more");
            fetchSums();
        } else {
            fail("Checking the checksum of yt-dlp",
                 "its SHA-256 is " + file->sha256() + ", but SHA2-256SUMS says " + sum);
        }
    });
}

// What the new yt-dlp says of itself; empty when it may replace the one that ran.
QString Updater::judgeYtDlp(const QString &versionText)
{
    const QString version = datedVersion(versionText);
    if (version.isEmpty())
        return "it printed no version; it needs Python 3.10 or newer as python3";
    if (QVersionNumber::fromString(version) < QVersionNumber::fromString(needs.version))
        return "it is " + version + ", older than the " + needs.version + " that ran";
    emit step("New yt-dlp: " + version + " (was " + needs.version + ")");
    return {};
}
