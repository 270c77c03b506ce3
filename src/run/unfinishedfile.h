// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

// The file that yt-dlp's conversion, merge or fix-up is writing, followed through the lines that
// yt-dlp prints before each such step, so that a run stopped in the middle of one leaves no
// cut-short file under a name that looks finished. Only ever a file directly in the output
// folder, named by the run's own line, that the folder did not hold before the run, and that is
// not what the run fetched.
class UnfinishedFile
{
public:
    UnfinishedFile() = default;
    // The folder exactly as the run's output template names it.
    explicit UnfinishedFile(const QString &folder);

    // yt-dlp's standard output, in reads as they come, cut anywhere.
    void read(const QByteArray &output);
    // Once the run's processes are gone and all they printed was read: removes the file that the
    // step under way was writing, and says which; empty when there was none.
    QString remove();

private:
    void readLine(QByteArrayView line);
    bool isRemovable(const QString &path) const;

    QString folder;
    QSet<QString> before;
    QSet<QString> fetched;
    // What the step under way writes: the file its line names, or a file beside it.
    QStringList writing;
    // The start of a line that a read cut in two.
    QByteArray carried;
};
