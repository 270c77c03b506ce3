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
};

// Which yt-dlp failed, and what would mend the usual causes: an old yt-dlp, a missing deno or
// ffmpeg. versionText is what its --version printed; the first line is always which one it was.
QStringList failureAdvice(const RanYtDlp &ran, const QString &versionText, const QDate &today);
// Why the program could not be started, from what the system said: a script whose interpreter is
// gone reports its own file as missing.
QString startFailure(const QString &program, const QString &systemSays);
// The path as a shell takes it, quoted only where it holds more than letters, digits and /._-~+.
QString shellQuoted(const QString &path);
