// SPDX-License-Identifier: GPL-3.0-or-later
#include "runsandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>

QString temporaryFolder()
{
    const QString named = QDir::tempPath();
    const QFileInfo folder(named);
    if (!named.isEmpty() && folder.isDir() && folder.isWritable())
        return named;
    return "/tmp";
}

namespace {
// The owner's process id is in the name, so that a later Kavari can tell the folder abandoned.
const QString prefix = "kavari-run-";
} // namespace

RunSandbox::RunSandbox(QObject *parent)
    : QObject(parent)
    , watcher(new QFileSystemWatcher(this))
{
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watch();
        sweep();
    });
}

bool RunSandbox::open(const QString &outputFolder, QString *why)
{
    planted = false;
    const QString parent = temporaryFolder();
    folder = std::make_unique<QTemporaryDir>(
        QString("%1/%2%3-XXXXXX").arg(parent, prefix).arg(QCoreApplication::applicationPid()));
    if (!folder->isValid()) {
        *why = tr("no working folder could be made in %1: %2").arg(parent, folder->errorString());
        folder.reset();
        return false;
    }
    guard = ConfigGuard(outputFolder);
    watch();
    return true;
}

QString RunSandbox::workingFolder() const
{
    return folder ? folder->path() : QString();
}

// The output folder itself once it exists; until then, the nearest folder above it, to learn when
// the run makes it.
void RunSandbox::watch()
{
    QString target = guard.folder();
    if (target.isEmpty())
        return;
    while (!QFileInfo(target).isDir() && target.count('/') > 1)
        target = QFileInfo(target).path();
    const QStringList watched = watcher->directories();
    if (watched.contains(target))
        return;
    if (!watched.isEmpty())
        watcher->removePaths(watched);
    watcher->addPath(target);
}

void RunSandbox::sweep()
{
    for (const QString &file : guard.removeCreated()) {
        planted = true;
        emit removed(file);
    }
}

bool RunSandbox::close()
{
    sweep();
    if (!watcher->directories().isEmpty())
        watcher->removePaths(watcher->directories());
    guard = ConfigGuard();
    folder.reset();
    return planted;
}

QStringList abandonedFolders(const QString &prefix)
{
    const QRegularExpression owned("^" + QRegularExpression::escape(prefix) + "(\\d+)-");
    const QDir parent(temporaryFolder());
    QStringList abandoned;
    for (const QString &name : parent.entryList({prefix + "*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const qint64 owner = owned.match(name).captured(1).toLongLong();
        if (owner > 0 && owner != QCoreApplication::applicationPid() && ::kill(pid_t(owner), 0) != 0 &&
            errno == ESRCH)
            abandoned += parent.filePath(name);
    }
    return abandoned;
}

void RunSandbox::removeAbandoned()
{
    // Only empty folders go: rmdir refuses any other.
    for (const QString &folder : abandonedFolders(prefix))
        QDir().rmdir(folder);
}
