// SPDX-License-Identifier: GPL-3.0-or-later
// deno from its release: its archive, checked against its checksum, then the program in it, which
// must say it is new enough before it is installed where deno's own installer puts it.
#include "fetch.h"
#include "releasefiles.h"
#include "stagedfile.h"
#include "updater.h"
#include "versions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSysInfo>
#include <QTimer>

namespace {
constexpr qint64 smallLimit = 1 << 20;
constexpr qint64 archiveLimit = qint64(256) << 20;
constexpr qint64 programLimit = qint64(512) << 20;

QUrl denoRelease()
{
    return releaseFolder("KAVARI_DENO_RELEASE_URL",
                         "https://github.com/denoland/deno/releases/latest/download");
}
} // namespace

void Updater::updateDeno()
{
    const QString archive = denoArchiveName();
    if (archive.isEmpty()) {
        const QString why =
            "deno makes no release for this machine (" + QSysInfo::currentCpuArchitecture() + ")";
        // yt-dlp alone may still mend the failure.
        if (!needs.ytDlp) {
            fail("Updating deno", why);
            return;
        }
        emit step(why + "; deno is left out");
        succeed();
        return;
    }
    fetch(denoRelease(), archive + ".sha256sum", smallLimit, nullptr, [this, archive](Fetch *sumFetch) {
        const QByteArray sum = sumFor(sumFetch->data(), archive.toUtf8());
        if (sum.isEmpty()) {
            fail("Reading " + archive + ".sha256sum", "it gives no checksum of " + archive);
            return;
        }
        if (!denoArchive.open()) {
            fail("Fetching " + archive, "no temporary file: " + denoArchive.errorString());
            return;
        }
        fetch(denoRelease(), archive, archiveLimit, &denoArchive, [this, archive, sum](Fetch *file) {
            if (file->sha256() != sum) {
                fail("Checking the checksum of " + archive,
                     "its SHA-256 is " + file->sha256() + ", but " + archive + ".sha256sum says " + sum);
                return;
            }
            // deno's Linux releases are not signed: this guards against a broken download only.
            emit step("Checksum of " + archive + ": its SHA-256 matches " + archive + ".sha256sum");
            extractDeno();
        });
    });
}

void Updater::extractDeno()
{
    target = QDir::homePath() + "/.deno/bin/deno";
    staged = std::make_unique<StagedFile>(target);
    QString why;
    if (!denoArchive.flush() || !denoEntry.open(denoArchive.fileName(), "deno", &why)) {
        fail("Extracting deno", why.isEmpty() ? denoArchive.errorString() : why);
        return;
    }
    if (!staged->open(&why)) {
        fail("Installing deno", why);
        return;
    }
    emit step("Extracting deno to " + QDir::toNativeSeparators(staged->path()));
    denoSize = 0;
    copyDeno();
}

// A few milliseconds at a time, so that the window paints and takes a Cancel in between.
void Updater::copyDeno()
{
    QElapsedTimer slice;
    slice.start();
    while (slice.elapsed() < 10) {
        QString why;
        const qint64 copied = denoEntry.copySome(staged->device(), &why);
        denoSize += qMax<qint64>(copied, 0);
        if (copied < 0 || denoSize > programLimit) {
            fail("Extracting deno", copied < 0 ? why : "it is more than the 512 MiB it may be");
            return;
        }
        if (copied == 0) {
            checkAndInstall("deno", &Updater::judgeDeno, &Updater::succeed);
            return;
        }
    }
    QTimer::singleShot(0, this, [this] {
        if (!done)
            copyDeno();
    });
}

QString Updater::judgeDeno(const QString &versionText)
{
    const QVersionNumber version = denoVersion(versionText);
    if (version.isNull())
        return "it printed no version";
    if (version < oldestDeno())
        return "it is " + version.toString() + ", older than " + oldestDeno().toString();
    emit step("New deno: " + version.toString());
    return {};
}
