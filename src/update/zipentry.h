// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QIODevice;
struct archive;

// One file read out of a zip archive a piece at a time, so that the window goes on painting while
// a large one is extracted. Only an entry of exactly that name is taken, never one that merely ends
// in it, in a folder of the archive's or above it.
class ZipEntry
{
    Q_DECLARE_TR_FUNCTIONS(ZipEntry)

public:
    ZipEntry() = default;
    ~ZipEntry();
    ZipEntry(const ZipEntry &) = delete;
    ZipEntry &operator=(const ZipEntry &) = delete;

    // Opens the archive at the file of that name; false, and why, when it cannot or the file is
    // not in it.
    bool open(const QByteArray &archivePath, const QByteArray &name, QString *why);
    // Copies the next piece: the bytes copied, 0 at the end, -1 on a failure, with why.
    qint64 copySome(QIODevice *to, QString *why);

private:
    archive *reader = nullptr;
};
