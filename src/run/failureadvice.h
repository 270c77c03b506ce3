// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What a run of yt-dlp was, as far as explaining its failure goes.
struct RanYtDlp
{
    QString program;
    QStringList searchPath;
    QStringList links;
    // The format's key: "mp3", "m4a", …
    QString format;
    // The output folder, as the user gave it.
    QString folder;
    // yt-dlp said it took a link up as YouTube's, whatever its address.
    bool youTube = false;
    // What yt-dlp said was refused or missing, a line each, told first.
    QStringList causes = {};
    // No cause was named that no newer yt-dlp or deno would get past, such as a link that leads nowhere.
    bool updateMayMend = true;
};

// What Kavari can fetch to mend a failure; nothing where no update would.
struct UpdateNeeds
{
    // The yt-dlp that ran is more than 90 days old.
    bool ytDlp = false;
    // YouTube needs deno with this yt-dlp, or with the current one that replaces it, and none was
    // found, or only one older than yt-dlp accepts.
    bool deno = false;
    // Of the yt-dlp that ran, "2025.11.12".
    QString version;
};

// Which yt-dlp failed, and what would mend the usual causes: an old yt-dlp, a missing or old deno,
// a missing ffmpeg. versionText is what its --version printed, denoText what the deno found
// printed; the first line is always which yt-dlp it was.
QStringList failureAdvice(const RanYtDlp &ran, const QString &versionText, const QDate &today,
                          const QString &denoText = {});
UpdateNeeds updateNeeds(const RanYtDlp &ran, const QString &versionText, const QDate &today,
                        const QString &denoText = {});
// The deno to ask for its version: the one a YouTube run of this yt-dlp, or of the current one an
// update would bring, uses. Empty when none is found, or the run needs none.
QString denoToAsk(const RanYtDlp &ran, const QString &versionText, const QDate &today);
// Why the program could not be started, from what the system said: a script whose interpreter is
// gone reports its own file as missing.
QString startFailure(const QString &program, const QString &systemSays);
// A link into a pipx virtual environment, which pipx updates.
bool isPipxInstall(const QString &program);
// The path as a shell takes it, quoted only where it holds more than letters, digits and /._-~+.
QString shellQuoted(const QString &path);
