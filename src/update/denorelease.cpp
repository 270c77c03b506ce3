// SPDX-License-Identifier: GPL-3.0-or-later
#include "denorelease.h"
#include "fetch.h"
#include "releasefiles.h"
#include "stagedfile.h"
#include "versions.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTimer>

namespace {
constexpr qint64 archiveLimit = qint64(256) << 20;
constexpr qint64 programLimit = qint64(512) << 20;

QUrl release()
{
    return releaseFolder("KAVARI_DENO_RELEASE_URL",
                         "https://github.com/denoland/deno/releases/latest/download");
}
} // namespace

DenoRelease::DenoRelease(QNetworkAccessManager *network, const ChildCommand &ran, QObject *parent)
    : ReleaseJob(network, ran, parent)
    , archiveName(denoArchiveName())
{
}

QString DenoRelease::unavailable()
{
    if (!denoArchiveName().isEmpty())
        return {};
    return tr("deno makes no release for this machine (%1)").arg(QSysInfo::currentCpuArchitecture());
}

void DenoRelease::start()
{
    if (!unavailable().isEmpty()) {
        fail(tr("Updating deno"), unavailable());
        return;
    }
    if (!home().startsWith('/')) {
        fail(tr("Updating deno"),
             tr("HOME is \"%1\", not a full path, so there is no ~/.deno/bin where a download would "
                "look for it")
                 .arg(QFile::decodeName(home())));
        return;
    }
    fetch(release(), archiveName + ".sha256sum", smallFileLimit, nullptr, [this](Fetch *sumFetch) {
        const QByteArray sum = sumFor(sumFetch->data(), archiveName.toUtf8());
        if (sum.isEmpty()) {
            fail(tr("Reading %1").arg(archiveName + ".sha256sum"),
                 tr("it gives no checksum of %1").arg(archiveName));
            return;
        }
        archive = workFile(archiveName);
        if (!archive)
            return;
        fetch(release(), archiveName, archiveLimit, archive, [this, sum](Fetch *file) {
            if (file->sha256() != sum) {
                fail(tr("Checking the checksum of %1").arg(archiveName),
                     tr("its SHA-256 is %1, but %2 says %3")
                         .arg(QString::fromLatin1(file->sha256()), archiveName + ".sha256sum",
                              QString::fromLatin1(sum)));
                return;
            }
            // deno's Linux releases are not signed: this guards against a broken download only.
            emit step(
                tr("Checksum of %1: its SHA-256 matches %2").arg(archiveName, archiveName + ".sha256sum"));
            extract();
        });
    });
}

void DenoRelease::extract()
{
    QString why;
    if (!archive->finish(&why, false)) {
        fail(tr("Fetching %1").arg(archiveName), why);
        return;
    }
    if (!entry.open(archive->path(), "deno", &why)) {
        fail(tr("Extracting deno"), why);
        return;
    }
    program = stage(home() + "/.deno/bin/deno", "deno");
    if (!program)
        return;
    emit step(tr("Extracting deno to %1").arg(QFile::decodeName(program->path())));
    copySome();
}

// A few milliseconds at a time, so that the window paints and takes a Cancel in between.
void DenoRelease::copySome()
{
    QElapsedTimer slice;
    slice.start();
    while (slice.elapsed() < 10) {
        QString why;
        const qint64 copied = entry.copySome(program, &why);
        size += qMax<qint64>(copied, 0);
        if (copied < 0 || size > programLimit) {
            fail(tr("Extracting deno"), copied < 0 ? why : tr("it is more than the 512 MiB it may be"));
            return;
        }
        if (copied == 0) {
            checkAndInstall(
                "deno", [this](const QString &text) { return judge(text); }, [this] { succeed(); });
            return;
        }
    }
    QTimer::singleShot(0, this, [this] {
        if (!isDone())
            copySome();
    });
}

QString DenoRelease::judge(const QString &versionText)
{
    const QVersionNumber version = denoVersion(versionText);
    if (version.isNull())
        return tr("it printed no version");
    if (version < oldestDeno())
        return tr("it is %1, older than %2").arg(version.toString(), oldestDeno().toString());
    emit step(tr("New deno: %1").arg(version.toString()));
    return {};
}
