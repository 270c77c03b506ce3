// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"

#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

class Fetch;
class QIODevice;
class QNetworkAccessManager;
class QTemporaryDir;
class StagedFile;

// What getting a program from its release takes, whichever program it is: a fetch with its limits,
// a folder for the files that are only checked, the program staged beside its target, asked for its
// version and installed only if what it says passes. Going away stops whatever runs and removes what
// was written. The release of a program is a type on top of this one.
class ReleaseJob : public QObject
{
    Q_OBJECT

public:
    // Of a checksum file or a signature.
    static constexpr qint64 smallFileLimit = 1 << 20;

    // ran: the yt-dlp that failed, whose run's environment gives the home folder, the search path
    // and the environment of everything asked.
    ReleaseJob(QNetworkAccessManager *network, const ChildCommand &ran, QObject *parent);
    ~ReleaseJob() override;

    // Work folders of updates whose Kavari is gone, and what they staged where an update of this
    // run's yt-dlp or deno goes.
    static void removeAbandoned(const ChildCommand &ran);

signals:
    // What is being done, or was found, for the log.
    void step(const QString &line);
    // Of the file being fetched; total is -1 while unknown.
    void progress(qint64 received, qint64 total);
    // Once; empty when the program is installed.
    void finished(const QString &failure);

protected:
    // Fetches the file of that name from the folder, into the device or kept; then goes on.
    void fetch(const QUrl &folder, const QString &name, qint64 limit, QIODevice *into,
               const std::function<void(Fetch *)> &then);
    // Runs a short query with the run's environment; then goes on with what it printed.
    void ask(const QByteArray &program, const QByteArrayList &arguments,
             const std::function<void(const QString &)> &then);
    // A file written in a folder of this update's own; null, having failed, when there is none.
    StagedFile *workFile(const QString &name);
    // Such a file holding those bytes, on the disk; null, having failed as what, when it cannot be.
    StagedFile *writeWorkFile(const QString &name, const QByteArray &contents, const QString &what);
    // The program that is to replace target, written beside it; null, having failed, when it cannot be.
    StagedFile *stage(const QByteArray &target, const QString &name);
    // Runs the staged program with --version; what judge makes of it fails the update, or else
    // the program is installed and the update goes on.
    void checkAndInstall(const QString &name, const std::function<QString(const QString &)> &judge,
                         const std::function<void()> &then);
    void succeed();
    void fail(const QString &what, const QString &why);
    bool isDone() const { return done; }

    QByteArray home() const { return homeFolder; }
    QByteArrayList searchPath() const { return path; }
    QByteArray ranProgram() const { return ran.program; }
    QByteArrayList environment() const { return ran.environment; }

private:
    QNetworkAccessManager *network;
    ChildCommand ran;
    QByteArray homeFolder;
    QByteArrayList path;
    std::unique_ptr<QTemporaryDir> work;
    std::vector<std::unique_ptr<StagedFile>> workFiles;
    std::unique_ptr<StagedFile> staged;
    bool done = false;
};
