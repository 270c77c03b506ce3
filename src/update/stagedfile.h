// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QIODevice>

// A file written beside the one it is to replace, under a hidden temporary name, and put in its
// place by one rename once it has been checked. Until then the old file stays as it was; a staged
// file that is never installed is removed, with the folders it made. Paths are bytes, as the system
// has them: a home folder whose name is not UTF-8 is written to as it is.
class StagedFile : public QIODevice
{
    Q_OBJECT

public:
    explicit StagedFile(const QByteArray &target, QObject *parent = nullptr);
    ~StagedFile() override;

    // Makes the target's folder if it is missing, and the temporary file in it.
    bool create(QString *why);
    // The temporary file.
    QByteArray path() const { return staged; }
    // The file it is to replace.
    QByteArray destination() const { return target; }
    // On the disk, and runnable if asked, so that it can be run before it is installed.
    bool finish(QString *why, bool runnable = true);
    bool install(QString *why);
    bool isSequential() const override { return true; }

    // Removes what Kavaris that are gone staged in the folder: killed, or the machine went down,
    // before they could install or remove it.
    static void removeAbandoned(const QByteArray &folder);

protected:
    qint64 readData(char *data, qint64 size) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QByteArray target;
    QByteArray staged;
    int descriptor = -1;
    bool installed = false;
    // Innermost last.
    QByteArrayList madeFolders;
};

// What the system's error number means for a file being written, in plain words.
QString writeFailure(int error);
// The folder of a path, as bytes.
QByteArray folderOf(const QByteArray &path);
