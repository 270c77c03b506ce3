// SPDX-License-Identifier: GPL-3.0-or-later
#include "runprogress.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
const QString download = "[download]";
const QString extracting = "] Extracting URL: ";
} // namespace

RunProgress::RunProgress(const QStringList &links)
    : links(links)
{
}

void RunProgress::read(QStringView chunk)
{
    // Items, formats and streams are a few lines of a run; the percent lines are nearly all of it,
    // and the last of a chunk is all that is shown.
    // "Downloading item 2 of 3", "Downloading video 2 of 3", "Downloading 1 format(s): 137+251".
    // Which extractor takes a link up is said before its first percent.
    const bool markers = chunk.contains(u"Downloading ") || chunk.contains(u"] Destination: ") ||
        ((links.size() > 1 || (!youTube && shown < 0)) && chunk.contains(extracting));
    if (markers) {
        for (const QStringView line : QStringTokenizer(chunk, u'\n'))
            readLine(line);
        return;
    }
    for (qsizetype end = chunk.size(); end > 0;) {
        const qsizetype start = chunk.lastIndexOf(u'\n', end - 1) + 1;
        const QStringView line = chunk.sliced(start, end - start);
        if (line.startsWith(download) && line.contains(u'%')) {
            readPercent(line);
            return;
        }
        end = start - 1;
    }
}

void RunProgress::readLine(QStringView line)
{
    static const QRegularExpression itemOf("Downloading (?:item|video) (\\d+) of (\\d+)");
    static const QRegularExpression formats(" format\\(s\\): (\\S+)");
    if (const qsizetype at = line.indexOf(extracting); at > 0 && line.startsWith(u'[')) {
        readExtracting(line.sliced(at + extracting.size()).trimmed());
        youTube = youTube || line.startsWith(u"[youtube");
    } else if (line.startsWith(download) && line.contains(u"] Destination: ")) {
        ++destinations;
    } else if (const auto match = itemOf.match(line); match.hasMatch() && line.startsWith(download)) {
        items = std::max(1, match.captured(2).toInt());
        playlist = playlist || items > 1;
        item = std::clamp(match.captured(1).toInt(), 1, items);
        streams = 1;
        destinations = 0;
    } else if (const auto match = formats.match(line); match.hasMatch() && line.startsWith(u"[info]")) {
        // 137+251: a video and an audio stream, fetched in turn.
        streams = int(match.capturedView(1).count(u'+')) + 1;
        destinations = 0;
    } else if (line.startsWith(download) && line.contains(u'%')) {
        readPercent(line);
    }
}

// "[download]  42.0% of ~  10.00MiB at 1.00MiB/s ETA 00:05 (frag 3/10)", or "[download] 100% of …"
void RunProgress::readPercent(QStringView line)
{
    const QStringView rest = line.sliced(download.size()).trimmed();
    const qsizetype sign = rest.indexOf(u'%');
    bool ok = false;
    const double percent = sign > 0 ? rest.first(sign).toDouble(&ok) : 0;
    if (!ok)
        return;
    const int stream = std::clamp(destinations - 1, 0, streams - 1);
    const double withinItem = (stream + std::clamp(percent, 0.0, 100.0) / 100) / streams;
    const int parts = std::max<int>(1, links.size());
    shown = std::max(shown, (std::max(link, 0) + (item - 1 + withinItem) / items) / parts);
}

// yt-dlp names each link as it takes it up; the entries of a playlist it names too, but those are
// none of the links given.
void RunProgress::readExtracting(QStringView url)
{
    for (int next = link + 1; next < links.size(); ++next) {
        if (links.at(next) != url)
            continue;
        link = next;
        item = items = streams = 1;
        destinations = 0;
        if (link > 0)
            shown = std::max(shown, double(link) / links.size());
        return;
    }
}
