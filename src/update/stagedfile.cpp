// SPDX-License-Identifier: GPL-3.0-or-later
#include "stagedfile.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The rename itself is on the disk only once its folder is.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

QString writeFailure(int error)
{
    if (error == ENOSPC)
        return StagedFile::tr("the disk is full");
    if (error == EDQUOT)
        return StagedFile::tr("your disk quota is used up");
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : slash == 0 ? QByteArray("/") : QByteArray(".");
}

StagedFile::StagedFile(const QByteArray &target, QObject *parent)
    : QIODevice(parent)
    , target(target)
{
}

StagedFile::~StagedFile()
{
    if (descriptor >= 0)
        ::close(descriptor);
    if (!installed && !staged.isEmpty())
        ::unlink(staged.constData());
    for (auto folder = madeFolders.crbegin(); folder != madeFolders.crend(); ++folder)
        ::rmdir(folder->constData());
}

void StagedFile::removeAbandoned(const QByteArray &folder)
{
    static const QRegularExpression owned("^\\..+-kavari-(\\d+)-[A-Za-z0-9]{6}$");
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QRegularExpressionMatch match = owned.match(QString::fromLatin1(entry->d_name));
        if (match.hasMatch() && ::kill(match.captured(1).toInt(), 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

bool StagedFile::create(QString *why)
{
    // Every folder from the innermost one that exists on.
    QByteArrayList missing;
    for (QByteArray folder = folderOf(target); ::access(folder.constData(), F_OK) != 0 && folder != "/";
         folder = folderOf(folder))
        missing.prepend(folder);
    for (const QByteArray &folder : missing) {
        if (::mkdir(folder.constData(), 0755) != 0) {
            *why =
                tr("the folder %1 could not be made: %2").arg(QFile::decodeName(folder), writeFailure(errno));
            return false;
        }
        madeFolders += folder;
    }
    // The owner's process id in the name tells a later Kavari whether the file was abandoned.
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray name = target.left(slash + 1) + '.' + target.mid(slash + 1) + "-kavari-" +
        QByteArray::number(::getpid()) + "-XXXXXX";
    descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0) {
        *why = tr("nothing can be written in %1: %2")
                   .arg(QFile::decodeName(folderOf(target)), writeFailure(errno));
        return false;
    }
    staged = name;
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StagedFile::readData(char *, qint64)
{
    return -1;
}

qint64 StagedFile::writeData(const char *data, qint64 size)
{
    qint64 written = 0;
    while (written < size) {
        const ssize_t now = ::write(descriptor, data + written, size_t(size - written));
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0) {
            setErrorString(writeFailure(now < 0 ? errno : ENOSPC));
            return -1;
        }
        written += now;
    }
    return written;
}

bool StagedFile::finish(QString *why, bool runnable)
{
    const bool synced = ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    descriptor = -1;
    QIODevice::close();
    if (!synced) {
        *why = tr("it could not be written to %1: %2")
                   .arg(QFile::decodeName(folderOf(target)), writeFailure(error));
        return false;
    }
    if (runnable && ::chmod(staged.constData(), 0755) != 0) {
        *why = tr("it could not be made executable: %1").arg(writeFailure(errno));
        return false;
    }
    return true;
}

bool StagedFile::install(QString *why)
{
    if (::rename(staged.constData(), target.constData()) != 0) {
        *why =
            tr("it could not be put in place of %1: %2").arg(QFile::decodeName(target), writeFailure(errno));
        return false;
    }
    installed = true;
    madeFolders.clear();
    syncFolder(folderOf(target));
    return true;
}
