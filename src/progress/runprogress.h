// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

// How far a run of yt-dlp --newline has come, read from the lines it prints: the item within the
// playlist, the stream within the item (a video and an audio stream are fetched one after the
// other, then merged), the percent within the stream. A run of several links is as many equal
// parts, one after the other.
class RunProgress
{
public:
    RunProgress() = default;
    explicit RunProgress(const QStringList &links);

    // One chunk of output, whole lines.
    void read(QStringView chunk);
    // From 0 to 1; below 0 until the first percent line. Never goes back within a run.
    double fraction() const { return shown; }
    // yt-dlp took a link up as YouTube's, whatever its address.
    bool sawYouTube() const { return youTube; }
    // A link fetched as a playlist of more than one video.
    bool sawPlaylist() const { return playlist; }

private:
    void readLine(QStringView line);
    void readPercent(QStringView line);
    void readExtracting(QStringView url);

    QStringList links;
    // The link being fetched; -1 until yt-dlp takes up the first.
    int link = -1;
    int item = 1;
    int items = 1;
    int streams = 1;
    // "Destination" lines of the current item: the stream being fetched is the last of them.
    int destinations = 0;
    double shown = -1;
    bool youTube = false;
    bool playlist = false;
};
