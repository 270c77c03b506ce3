// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
struct archive;

// One file read out of a zip archive a piece at a time, so that the window goes on painting while
// a large one is extracted.
class ZipEntry
{
public:
    ZipEntry() = default;
    ~ZipEntry();
    ZipEntry(const ZipEntry &) = delete;
    ZipEntry &operator=(const ZipEntry &) = delete;

    // Opens the archive at the file of that name; false, and why, when it cannot or the file is
    // not in it.
    bool open(const QString &archivePath, const QByteArray &name, QString *why);
    // Copies the next piece: the bytes copied, 0 at the end, -1 on a failure, with why.
    qint64 copySome(QIODevice *to, QString *why);

private:
    archive *reader = nullptr;
};
