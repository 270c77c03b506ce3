// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryFile>

#include <memory>

// A program written beside the file it is to replace, under a hidden temporary name, and put in
// its place by one rename once it has been checked. Until then the old file stays as it was; a
// staged file that is never installed is removed, with the folder it made.
class StagedFile
{
public:
    explicit StagedFile(const QString &target);
    ~StagedFile();

    // Makes the target's folder if it is missing.
    bool open(QString *why);
    QIODevice *device() { return file.get(); }
    // The temporary file, runnable once it is finished.
    QString path() const { return staged; }
    // On the disk and executable, so that it can be run before it is installed.
    bool finish(QString *why);
    bool install(QString *why);
    // Removes what Kavaris that are gone staged in the folder: killed, or the machine went down,
    // before they could install or remove it.
    static void removeAbandoned(const QString &folder);

private:
    QString target;
    // Closed for good once finished: a file open for writing cannot be run.
    std::unique_ptr<QTemporaryFile> file;
    QString staged;
    bool installed = false;
    QString madeFolder;
};
