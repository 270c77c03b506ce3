// SPDX-License-Identifier: GPL-3.0-or-later
#include "updater.h"
#include "fetch.h"
#include "runsandbox.h"
#include "stagedfile.h"
#include "versionquery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QProcess>
#include <QStandardPaths>

Updater::Updater(const ChildCommand &ran, const QStringList &searchPath, const UpdateNeeds &needs,
                 QObject *parent)
    : QObject(parent)
    , ran(ran)
    , searchPath(searchPath)
    , needs(needs)
    , network(new QNetworkAccessManager(this))
    , work(temporaryFolder() + "/kavari-update-XXXXXX")
    , denoArchive(temporaryFolder() + "/kavari-deno-XXXXXX.zip")
{
    // As other programs do with https_proxy and the desktop's settings.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

Updater::~Updater()
{
    done = true;
    if (pipx) {
        pipx->disconnect(this);
        killGroup(pipxGroup);
        pipx->kill();
        pipx->waitForFinished(1000);
    }
}

void Updater::start()
{
    for (const QString &folder : {QDir::homePath() + "/.local/bin", QDir::homePath() + "/.deno/bin",
                                  QFileInfo(QFile::decodeName(ran.program)).canonicalPath()})
        StagedFile::removeAbandoned(folder);
    if (needs.ytDlp)
        updateYtDlp();
    else
        updateDeno();
}

void Updater::fetch(const QUrl &folder, const QString &name, qint64 limit, QIODevice *into,
                    const std::function<void(Fetch *)> &then)
{
    QString base = folder.toString();
    if (!base.endsWith('/'))
        base += '/';
    const QUrl url(base + name);
    emit step("Fetching " + name + " from " + url.toDisplayString());
    emit progress(0, -1);
    auto *transfer = new Fetch(network, url, limit, into, this);
    connect(transfer, &Fetch::progress, this, &Updater::progress);
    connect(transfer, &Fetch::finished, this, [this, transfer, name, then](const QString &failure) {
        transfer->deleteLater();
        if (done)
            return;
        if (!failure.isEmpty())
            fail("Fetching " + name, failure);
        else
            then(transfer);
    });
}

void Updater::ask(const QString &program, const QByteArrayList &arguments,
                  const std::function<void(QString)> &then)
{
    auto *query = new VersionQuery({QFile::encodeName(program), {}, ran.environment}, this, arguments);
    connect(query, &VersionQuery::answered, this, [this, query, then](const QString &text) {
        query->deleteLater();
        if (!done)
            then(text);
    });
}

void Updater::upgradeWithPipx()
{
    // The user's own tools are found first, as for the run.
    const QString program = QStandardPaths::findExecutable("pipx", searchPath);
    if (program.isEmpty()) {
        fail("Upgrading yt-dlp with pipx", "no pipx was found; install it with: sudo apt install pipx");
        return;
    }
    emit step("yt-dlp is pipx's; running: pipx upgrade yt-dlp");
    pipx = new QProcess(this);
    protectChild(pipx, {QFile::encodeName(program), {"upgrade", "yt-dlp"}, ran.environment});
    pipx->setWorkingDirectory(QDir::homePath());
    connect(pipx, &QProcess::readyReadStandardOutput, this,
            [this] { emit output(outputDecoder.decode(pipx->readAllStandardOutput()), 0); });
    connect(pipx, &QProcess::readyReadStandardError, this,
            [this] { emit output(errorDecoder.decode(pipx->readAllStandardError()), 1); });
    connect(pipx, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        killGroup(pipxGroup);
        pipxGroup = 0;
        if (status != QProcess::NormalExit || exitCode != 0)
            fail("Upgrading yt-dlp with pipx", QString("pipx ended with exit code %1").arg(exitCode));
        else if (needs.deno)
            updateDeno();
        else
            succeed();
    });
    connect(pipx, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail("Upgrading yt-dlp with pipx", pipx->errorString());
    });
    pipx->start(program, {"upgrade", "yt-dlp"});
    pipxGroup = childGroup(pipx);
}

// The staged program runs only with --version before it is installed, and only if what it says
// passes.
void Updater::checkAndInstall(const QString &name, QString (Updater::*judge)(const QString &),
                              void (Updater::*next)())
{
    QString why;
    if (!staged->finish(&why)) {
        fail("Installing " + name, why);
        return;
    }
    ask(staged->path(), {"--version"}, [this, name, judge, next](const QString &text) {
        QString why = (this->*judge)(text);
        if (!why.isEmpty()) {
            fail("Checking the new " + name, why);
            return;
        }
        if (!staged->install(&why)) {
            fail("Installing " + name, why);
            return;
        }
        staged.reset();
        emit step("Installed " + target);
        (this->*next)();
    });
}

void Updater::succeed()
{
    done = true;
    emit finished({});
}

void Updater::fail(const QString &what, const QString &why)
{
    if (done)
        return;
    done = true;
    // Nothing half-made stays behind for even a moment.
    staged.reset();
    if (denoArchive.isOpen())
        denoArchive.remove();
    emit finished(what + " failed: " + why);
}
