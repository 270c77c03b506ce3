// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QVersionNumber>

// yt-dlp's version from what its --version printed: a date, "2025.11.12", with a fourth part for
// nightly builds. Empty when the first line is no such version.
QString datedVersion(const QString &versionText);
// The date of such a version; invalid for anything else.
QDate versionDate(const QString &version);
// deno's version from what its --version printed ("deno 2.3.1 (stable, release, …)"); null when
// it says none.
QVersionNumber denoVersion(const QString &versionText);
// The oldest deno that current yt-dlp accepts.
inline QVersionNumber oldestDeno()
{
    return {2, 3, 0};
}

// What a yt-dlp said its version is, remembered for its file as it is now: a file that an update
// replaced is asked again.
class KnownVersion
{
public:
    bool isKnown(const QString &program) const;
    // As datedVersion() gives it; empty when the program named none, or none is known.
    QString of(const QString &program) const { return isKnown(program) ? dated : QString(); }
    void remember(const QString &program, const QString &version);

private:
    QString stamp;
    QString dated;
};
