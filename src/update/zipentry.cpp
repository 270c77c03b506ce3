// SPDX-License-Identifier: GPL-3.0-or-later
#include "zipentry.h"

#include <QIODevice>

#include <archive.h>
#include <archive_entry.h>

ZipEntry::~ZipEntry()
{
    if (reader)
        archive_read_free(reader);
}

bool ZipEntry::open(const QByteArray &archivePath, const QByteArray &name, QString *why)
{
    if (reader)
        archive_read_free(reader);
    reader = archive_read_new();
    // The central directory, not the entries one after another: what a zip says of itself.
    archive_read_support_format_zip_seekable(reader);
    // A file that is no zip at all, or one cut or changed, is damaged as far as the user goes:
    // either way it is not the release that was published.
    if (archive_read_open_filename(reader, archivePath.constData(), 64 * 1024) != ARCHIVE_OK) {
        *why = tr("the archive is damaged (%1)").arg(QString::fromLocal8Bit(archive_error_string(reader)));
        return false;
    }
    archive_entry *entry = nullptr;
    int status;
    while ((status = archive_read_next_header(reader, &entry)) == ARCHIVE_OK) {
        if (archive_entry_filetype(entry) == AE_IFREG && name == archive_entry_pathname(entry))
            return true;
    }
    *why = status == ARCHIVE_EOF
        ? tr("the archive holds no file %1").arg(QString::fromUtf8(name))
        : tr("the archive is damaged (%1)").arg(QString::fromLocal8Bit(archive_error_string(reader)));
    return false;
}

qint64 ZipEntry::copySome(QIODevice *to, QString *why)
{
    char buffer[256 * 1024];
    const la_ssize_t size = archive_read_data(reader, buffer, sizeof buffer);
    if (size < 0) {
        *why = tr("the archive is damaged (%1)").arg(QString::fromLocal8Bit(archive_error_string(reader)));
        return -1;
    }
    if (size > 0 && to->write(buffer, size) != size) {
        *why = tr("it could not be written: %1").arg(to->errorString());
        return -1;
    }
    return size;
}
