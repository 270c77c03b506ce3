// SPDX-License-Identifier: GPL-3.0-or-later
#include "unfinishedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {
// Longer than any path; a line of yt-dlp that is longer names no step.
constexpr qsizetype longestLine = 16384;

// Steps that write the file their line names: "[ExtractAudio] Destination: …", "[VideoConvertor]
// Converting video from mp4 to mkv; Destination: …". What yt-dlp says before "; " never holds a ";",
// so that a "; Destination: " in the path is part of the path.
const QRegularExpression writesNamed(
    R"(^\[(?:ExtractAudio\] |(?:VideoConvertor|VideoRemuxer|SplitChapters|Concat)\] [^;]*; )Destination: (.+)$)");
// Steps that rewrite the file they name through a ".temp" file beside it:
// "[Merger] Merging formats into "…"", "[FixupM3u8] Fixing MPEG-TS in MP4 container of "…"".
const QRegularExpression
    writesBeside(R"re(^\[(?:Merger|Fixup\w+|Metadata|EmbedSubtitle|EmbedThumbnail)\] [^"]*"(.+)"$)re");

// yt-dlp's name for the file beside: "clip.mp4" is written as "clip.temp.mp4".
QString besideName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const qsizetype dot = path.lastIndexOf('.');
    return dot > slash + 1 ? path.left(dot) + ".temp" + path.mid(dot) : path + ".temp";
}
} // namespace

UnfinishedFile::UnfinishedFile(const QString &folder)
    : folder(folder)
{
    const QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    before = QSet<QString>(names.cbegin(), names.cend());
}

void UnfinishedFile::read(const QByteArray &output)
{
    // Of a line longer than any path, only as much as shows that it is.
    const auto carry = [this](QByteArrayView part) {
        carried.append(
            part.first(std::min(part.size(), std::max<qsizetype>(longestLine + 1 - carried.size(), 0))));
    };
    qsizetype start = 0;
    for (qsizetype end; (end = output.indexOf('\n', start)) >= 0; start = end + 1) {
        const QByteArrayView line(output.constData() + start, end - start);
        if (carried.isEmpty()) {
            readLine(line);
            continue;
        }
        carry(line);
        readLine(std::exchange(carried, {}));
    }
    carry(QByteArrayView(output).sliced(start));
}

void UnfinishedFile::readLine(QByteArrayView line)
{
    // A step prints nothing until it ends, unless yt-dlp was asked for its debug lines.
    if (line.startsWith("[debug] "))
        return;
    writing.clear();
    if (line.size() > longestLine)
        return;
    if (line.endsWith('\r'))
        line.chop(1);
    // Most of what a run prints is progress.
    static constexpr QByteArrayView download = "[download] ", destination = "Destination: ",
                                    downloaded = " has already been downloaded";
    if (line.startsWith(download)) {
        line = line.sliced(download.size());
        if (line.startsWith(destination))
            fetched += QFile::decodeName(line.sliced(destination.size()).toByteArray());
        else if (line.endsWith(downloaded))
            fetched += QFile::decodeName(line.chopped(downloaded.size()).toByteArray());
        return;
    }
    if (!line.startsWith('['))
        return;
    const QString text = QFile::decodeName(line.toByteArray());
    if (const QRegularExpressionMatch named = writesNamed.match(text); named.hasMatch())
        // Where the new name is the fetched one's, the step writes beside it.
        writing = {named.captured(1), besideName(named.captured(1))};
    else if (const QRegularExpressionMatch beside = writesBeside.match(text); beside.hasMatch())
        writing = {besideName(beside.captured(1))};
}

// Directly in the folder, by the name the folder has in the output template; "a/../b" and a
// folder below are never taken for it.
bool UnfinishedFile::isRemovable(const QString &path) const
{
    const qsizetype slash = path.lastIndexOf('/');
    const QString name = path.mid(slash + 1);
    const QFileInfo file(path);
    return slash >= 0 && path.left(slash) == folder && name != "." && name != ".." && !name.isEmpty() &&
        !before.contains(name) && !fetched.contains(path) && file.isFile() && !file.isSymLink();
}

QString UnfinishedFile::remove()
{
    const QStringList candidates = std::exchange(writing, {});
    for (const QString &path : candidates)
        if (!folder.isEmpty() && isRemovable(path) && QFile::remove(path))
            return path;
    return {};
}
