// SPDX-License-Identifier: GPL-3.0-or-later
#include "stagedfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
// What the system says, in words.
QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The rename itself is on the disk only once its folder is.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

StagedFile::StagedFile(const QString &target)
    : target(target)
    // The owner's process id in the name tells a later Kavari whether the file was abandoned.
    , file(std::make_unique<QTemporaryFile>(QFileInfo(target).absolutePath() + "/." +
                                            QFileInfo(target).fileName() + "-kavari-" +
                                            QString::number(::getpid()) + "-XXXXXX"))
{
    // Removed here, not by QTemporaryFile, which would keep it open until then.
    file->setAutoRemove(false);
}

StagedFile::~StagedFile()
{
    file.reset();
    if (!installed && !staged.isEmpty())
        QFile::remove(staged);
    if (!madeFolder.isEmpty())
        QDir().rmdir(madeFolder);
}

void StagedFile::removeAbandoned(const QString &folder)
{
    static const QRegularExpression staged("^\\..+-kavari-(\\d+)-[A-Za-z0-9]{6}$");
    const QDir dir(folder);
    for (const QString &name : dir.entryList({".*-kavari-*"}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = staged.match(name);
        if (match.hasMatch() && ::kill(match.captured(1).toInt(), 0) != 0 && errno == ESRCH)
            QFile::remove(dir.filePath(name));
    }
}

bool StagedFile::open(QString *why)
{
    const QString folder = QFileInfo(target).absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (!QDir().mkpath(folder)) {
            *why = "the folder " + folder + " could not be made";
            return false;
        }
        madeFolder = folder;
    }
    if (!file->open()) {
        *why = "nothing can be written in " + folder + ": " + file->errorString();
        return false;
    }
    staged = file->fileName();
    return true;
}

bool StagedFile::finish(QString *why)
{
    if (!file->flush() || ::fsync(file->handle()) != 0) {
        *why = "it could not be written to " + QFileInfo(target).absolutePath() + ": " + systemError();
        return false;
    }
    file.reset();
    const auto runnable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!QFile::setPermissions(staged, runnable)) {
        *why = "it could not be made executable";
        return false;
    }
    return true;
}

bool StagedFile::install(QString *why)
{
    if (::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0) {
        *why = "it could not be put in place of " + target + ": " + systemError();
        return false;
    }
    installed = true;
    madeFolder.clear();
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}
