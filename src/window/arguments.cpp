// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

QStringList KavariWindow::buildArguments(const QString &cookiesFrom, bool pacing)
{
    QStringList arguments;
    // --no-playlist alone still fetches every video of a link that names only a playlist.
    if (!playlistCheckBox->isChecked())
        arguments += {"--no-playlist", "--playlist-items", "1"};

    const QString format = qualityCombo->currentData().toString();
    const QString audioQuality = audioQualityCombo->currentData().toString();
    if (format == "mp3")
        arguments += {"-x", "--audio-format", "mp3", "--audio-quality",
                      audioQuality == "0" ? audioQuality : audioQuality + "K"};
    // The site's own M4A audio is kept as it comes; any other audio, also the track of a file with
    // video, is extracted: AAC copied, the rest converted.
    else if (format == "m4a")
        arguments += {"-f", "bestaudio[ext=m4a]/bestaudio/best", "-x", "--audio-format", "m4a"};
    // "<=?" lets a height that yt-dlp does not know pass, as of a direct file or a page's <video>.
    else if (format == "720p")
        arguments += {"-f", "bestvideo[height<=?720]+bestaudio/best[height<=?720]"};
    else if (format == "1080p")
        arguments += {"-f", "bestvideo[height<=?1080]+bestaudio/best[height<=?1080]"};
    else
        arguments += {"-f", "bestvideo+bestaudio/best"};

    // yt-dlp reads the whole -o value as a template: a % of the folder's own name must be doubled
    // to reach the file system as it is.
    QString folder = outputFolder();
    folder.replace('%', "%%");
    // A title of a hundred CJK characters is 300 bytes, more than a file name may hold; 200 leave
    // room for yt-dlp's own suffixes such as ".f251.webm.part".
    arguments += {"-o", folder + "/%(title).200B.%(ext)s", "--newline"};

    // yt-dlp reads the browser's cookies itself, for this run.
    if (!cookiesFrom.isEmpty())
        arguments += {"--cookies-from-browser", cookiesFrom};
    // What yt-dlp's "-t sleep" sets, without subtitles, for the one run that retries a rate limit.
    if (pacing)
        arguments += {"--sleep-requests", "0.75", "--sleep-interval", "10", "--max-sleep-interval", "20"};

    // A pasted "--exec=…" must stay a link, never become an option.
    arguments += "--";
    arguments += links();
    return arguments;
}
