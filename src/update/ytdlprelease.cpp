// SPDX-License-Identifier: GPL-3.0-or-later
#include "ytdlprelease.h"
#include "childenvironment.h"
#include "failureadvice.h"
#include "fetch.h"
#include "releasefiles.h"
#include "stagedfile.h"
#include "versions.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
constexpr qint64 fileLimit = 64 << 20;

QUrl release()
{
    return releaseFolder("KAVARI_YTDLP_RELEASE_URL",
                         "https://github.com/yt-dlp/yt-dlp/releases/latest/download");
}
} // namespace

YtDlpRelease::YtDlpRelease(QNetworkAccessManager *network, const ChildCommand &ran, const QString &version,
                           QObject *parent)
    : ReleaseJob(network, ran, parent)
    , ranVersion(version)
{
}

YtDlpRelease::~YtDlpRelease()
{
    if (pipx) {
        pipx->disconnect(this);
        killGroup(pipxGroup);
        pipx->kill();
        pipx->waitForFinished(1000);
    }
}

void YtDlpRelease::start()
{
    if (isPipxInstall(QFile::decodeName(ranProgram()))) {
        upgradeWithPipx();
        return;
    }
    const YtDlpPlace place = ytDlpPlace(ranProgram(), home());
    if (!place.problem.isEmpty()) {
        fail(tr("Updating yt-dlp"), place.problem);
        return;
    }
    target = place.target;
    fetchSums();
}

void YtDlpRelease::upgradeWithPipx()
{
    // The user's own tools are found first, as for the run.
    const QByteArray program = findProgram("pipx", searchPath());
    if (program.isEmpty()) {
        fail(tr("Upgrading yt-dlp with pipx"),
             tr("no pipx was found; install it with: %1").arg("sudo apt install pipx"));
        return;
    }
    emit step(tr("yt-dlp is pipx's; running: %1").arg("pipx upgrade yt-dlp"));
    pipx = new QProcess(this);
    protectChild(pipx, {program, {"upgrade", "yt-dlp"}, environment()});
    pipx->setWorkingDirectory(QDir::rootPath());
    connect(pipx, &QProcess::readyReadStandardOutput, this,
            [this] { emit output(outputDecoder.decode(pipx->readAllStandardOutput()), 0); });
    connect(pipx, &QProcess::readyReadStandardError, this,
            [this] { emit output(errorDecoder.decode(pipx->readAllStandardError()), 1); });
    connect(pipx, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        killGroup(pipxGroup);
        pipxGroup = 0;
        if (status != QProcess::NormalExit || exitCode != 0)
            fail(tr("Upgrading yt-dlp with pipx"), tr("pipx ended with exit code %1").arg(exitCode));
        else
            succeed();
    });
    connect(pipx, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(tr("Upgrading yt-dlp with pipx"), pipx->errorString());
    });
    pipx->start(QFile::decodeName(program), {"upgrade", "yt-dlp"});
    pipxGroup = childGroup(pipx);
}

void YtDlpRelease::fetchSums()
{
    ++tries;
    fetch(release(), "SHA2-256SUMS", smallFileLimit, nullptr, [this](Fetch *sumsFetch) {
        sums = sumsFetch->data();
        fetch(release(), "SHA2-256SUMS.sig", smallFileLimit, nullptr, [this](Fetch *signatureFetch) {
            signature = signatureFetch->data();
            checkSignature();
        });
    });
}

void YtDlpRelease::checkSignature()
{
    const QString what = tr("Checking the signature of SHA2-256SUMS");
    const QByteArray gpgv = findProgram("gpgv", searchPath());
    bool named = false;
    const QString keyring = ytDlpKeyring(&named);
    if (gpgv.isEmpty()) {
        fail(what, tr("gpgv was not found; install it with: %1").arg("sudo apt install gpgv"));
        return;
    }
    if (const QString problem = keyringProblem(keyring, named); !problem.isEmpty()) {
        fail(what, problem);
        return;
    }
    StagedFile *sumsFile = writeWorkFile("SHA2-256SUMS", sums, what);
    StagedFile *signatureFile = sumsFile ? writeWorkFile("SHA2-256SUMS.sig", signature, what) : nullptr;
    if (!signatureFile)
        return;
    const QByteArray workFolder = folderOf(sumsFile->path());
    ask(gpgv,
        {"--homedir", workFolder, "--status-fd", "1", "--keyring", QFile::encodeName(keyring),
         signatureFile->path(), sumsFile->path()},
        [this, what, keyring](const QString &status) {
            QString fingerprint;
            const QString failure = signatureFailure(status.toUtf8(), &fingerprint);
            if (!failure.isEmpty()) {
                fail(what, failure);
                return;
            }
            emit step(tr("Signature of SHA2-256SUMS: good, by the key %1 of %2").arg(fingerprint, keyring));
            fetchFile();
        });
}

void YtDlpRelease::fetchFile()
{
    const QByteArray sum = sumFor(sums, "yt-dlp");
    if (sum.isEmpty()) {
        fail(tr("Reading SHA2-256SUMS"), tr("it gives no checksum of yt-dlp"));
        return;
    }
    StagedFile *file = stage(target, "yt-dlp");
    if (!file)
        return;
    fetch(release(), "yt-dlp", fileLimit, file, [this, sum](Fetch *fetched) {
        if (fetched->sha256() == sum) {
            emit step(tr("Checksum of yt-dlp: its SHA-256 matches SHA2-256SUMS"));
            checkAndInstall(
                "yt-dlp", [this](const QString &text) { return judge(text); }, [this] { succeed(); });
        } else if (tries < 2) {
            // A new release between the fetches: its sums and file match again on a second try.
            emit step(
                tr("The checksum of yt-dlp does not match SHA2-256SUMS; fetching the release once more"));
            fetchSums();
        } else {
            fail(tr("Checking the checksum of yt-dlp"),
                 tr("its SHA-256 is %1, but SHA2-256SUMS says %2")
                     .arg(QString::fromLatin1(fetched->sha256()), QString::fromLatin1(sum)));
        }
    });
}

// What the new yt-dlp says of itself; empty when it may replace the one that ran.
QString YtDlpRelease::judge(const QString &versionText)
{
    const QString version = datedVersion(versionText);
    if (version.isEmpty())
        return tr("it printed no version; it needs Python 3.10 or newer as python3");
    if (QVersionNumber::fromString(version) <= QVersionNumber::fromString(ranVersion))
        return tr("the release offers nothing newer than %1").arg(ranVersion);
    emit step(tr("New yt-dlp: %1 (was %2)").arg(version, ranVersion));
    return {};
}
