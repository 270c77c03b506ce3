// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "configguard.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class QFileSystemWatcher;

// TMPDIR, or /tmp where TMPDIR names a missing or read-only folder, which must not stop Kavari's work.
QString temporaryFolder();
// The folders there whose names are the prefix, then the process id of a Kavari that is gone.
QStringList abandonedFolders(const QString &prefix);

// Keeps a run from leaving anything where yt-dlp would obey it at its next start: the run works in
// an empty folder of its own, and a configuration file it saves in the output folder is removed
// the moment it appears, and once more when the run has ended.
class RunSandbox : public QObject
{
    Q_OBJECT

public:
    explicit RunSandbox(QObject *parent);

    // For a run into the folder; false, with the reason, when no working folder could be made.
    bool open(const QString &outputFolder, QString *why);
    QString workingFolder() const;
    // The run has ended: a last look, and the working folder goes. True when it planted anything.
    bool close();

    // Working folders of earlier Kavaris that were killed, left empty behind them.
    static void removeAbandoned();

signals:
    void removed(const QString &file);

private:
    void sweep();
    void watch();

    std::unique_ptr<QTemporaryDir> folder;
    ConfigGuard guard;
    QFileSystemWatcher *watcher;
    bool planted = false;
};
