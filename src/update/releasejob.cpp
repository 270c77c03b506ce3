// SPDX-License-Identifier: GPL-3.0-or-later
#include "releasejob.h"
#include "fetch.h"
#include "runsandbox.h"
#include "stagedfile.h"
#include "versionquery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>
#include <cstdlib>

namespace {
// The owner's process id is in the name, so that a later Kavari can tell the folder abandoned.
const QString workPrefix = "kavari-update-";

// The value of a variable of the environment, "NAME=value" each.
QByteArray variable(const QByteArrayList &environment, const QByteArray &name)
{
    for (const QByteArray &entry : environment)
        if (entry.startsWith(name + '='))
            return entry.mid(name.size() + 1);
    return {};
}
} // namespace

ReleaseJob::ReleaseJob(QNetworkAccessManager *network, const ChildCommand &ran, QObject *parent)
    : QObject(parent)
    , network(network)
    , ran(ran)
    , homeFolder(variable(ran.environment, "HOME"))
    , path(variable(ran.environment, "PATH").split(':'))
{
    path.removeAll(QByteArray());
}

// What runs stops, and what was written goes, before anything else of this object does.
ReleaseJob::~ReleaseJob()
{
    done = true;
    staged.reset();
    workFiles.clear();
}

void ReleaseJob::removeAbandoned(const ChildCommand &ran)
{
    const QByteArray home = variable(ran.environment, "HOME");
    QByteArrayList folders;
    if (home.startsWith('/'))
        folders += {home + "/.local/bin", home + "/.deno/bin"};
    char resolved[PATH_MAX];
    if (::realpath(ran.program.constData(), resolved))
        folders += folderOf(resolved);
    for (const QByteArray &folder : folders)
        StagedFile::removeAbandoned(folder);
    for (const QString &folder : abandonedFolders(workPrefix))
        QDir(folder).removeRecursively();
}

void ReleaseJob::fetch(const QUrl &folder, const QString &name, qint64 limit, QIODevice *into,
                       const std::function<void(Fetch *)> &then)
{
    QString base = folder.toString();
    if (!base.endsWith('/'))
        base += '/';
    const QUrl url(base + name);
    emit step(tr("Fetching %1 from %2").arg(name, url.toDisplayString()));
    emit progress(0, -1);
    auto *transfer = new Fetch(network, url, limit, into, this);
    connect(transfer, &Fetch::progress, this, &ReleaseJob::progress);
    connect(transfer, &Fetch::finished, this, [this, transfer, name, then](const QString &failure) {
        transfer->deleteLater();
        if (done)
            return;
        if (!failure.isEmpty())
            fail(tr("Fetching %1").arg(name), failure);
        else
            then(transfer);
    });
}

void ReleaseJob::ask(const QByteArray &program, const QByteArrayList &arguments,
                     const std::function<void(const QString &)> &then)
{
    auto *query = new VersionQuery({program, {}, ran.environment}, this, arguments);
    connect(query, &VersionQuery::answered, this, [this, query, then](const QString &text) {
        query->deleteLater();
        if (!done)
            then(text);
    });
}

StagedFile *ReleaseJob::workFile(const QString &name)
{
    if (!work) {
        work = std::make_unique<QTemporaryDir>(QString("%1/%2%3-XXXXXX")
                                                   .arg(temporaryFolder(), workPrefix)
                                                   .arg(QCoreApplication::applicationPid()));
        if (!work->isValid()) {
            fail(tr("Making a work folder"),
                 tr("nothing can be written in %1: %2").arg(temporaryFolder(), work->errorString()));
            return nullptr;
        }
    }
    auto file = std::make_unique<StagedFile>(QFile::encodeName(work->filePath(name)));
    QString why;
    if (!file->create(&why)) {
        fail(tr("Writing %1").arg(name), why);
        return nullptr;
    }
    workFiles.push_back(std::move(file));
    return workFiles.back().get();
}

StagedFile *ReleaseJob::writeWorkFile(const QString &name, const QByteArray &contents, const QString &what)
{
    StagedFile *file = workFile(name);
    if (!file)
        return nullptr;
    QString why;
    if (file->write(contents) != contents.size() || !file->finish(&why, false)) {
        fail(what, why.isEmpty() ? file->errorString() : why);
        return nullptr;
    }
    return file;
}

StagedFile *ReleaseJob::stage(const QByteArray &target, const QString &name)
{
    staged = std::make_unique<StagedFile>(target);
    QString why;
    if (!staged->create(&why)) {
        fail(tr("Installing %1").arg(name), why);
        return nullptr;
    }
    return staged.get();
}

// The staged program runs only with --version before it is installed, and only if what it says
// passes is it installed.
void ReleaseJob::checkAndInstall(const QString &name, const std::function<QString(const QString &)> &judge,
                                 const std::function<void()> &then)
{
    QString why;
    if (!staged->finish(&why)) {
        fail(tr("Installing %1").arg(name), why);
        return;
    }
    ask(staged->path(), {"--version"}, [this, name, judge, then](const QString &text) {
        QString why = judge(text);
        if (!why.isEmpty()) {
            fail(tr("Checking the new %1").arg(name), why);
            return;
        }
        if (!staged->install(&why)) {
            fail(tr("Installing %1").arg(name), why);
            return;
        }
        const QByteArray installed = staged->destination();
        staged.reset();
        emit step(tr("Installed %1").arg(QFile::decodeName(installed)));
        then();
    });
}

void ReleaseJob::succeed()
{
    if (done)
        return;
    done = true;
    emit finished({});
}

void ReleaseJob::fail(const QString &what, const QString &why)
{
    if (done)
        return;
    done = true;
    // Nothing half-made stays behind for even a moment.
    staged.reset();
    workFiles.clear();
    work.reset();
    emit finished(tr("%1 failed: %2").arg(what, why));
}
