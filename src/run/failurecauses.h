// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Why yt-dlp failed, in its own words: a site's refusal (a bot check, an age gate, a private
// video, a rate limit, a country), a video that is gone, a player that needs deno, a full disk,
// no connection. Read from its ERROR: lines, and the WARNING: lines that name a cause, as they pass
// into the log; what is kept is a count per cause and a path, whatever the run prints.
class FailureCauses
{
    Q_DECLARE_TR_FUNCTIONS(FailureCauses)

public:
    // In the order they are told.
    enum Cause {
        BotCheck,
        AgeGate,
        Private,
        RateLimit,
        Country,
        Gone,
        NeedsDeno,
        Forbidden,
        DiskFull,
        PermissionDenied,
        Unsupported,
        NoConnection,
        NoKeyring,
        Causes
    };
    // What mends a cause, where anything does.
    enum Remedy { Nothing, Cookies, PacedRetry, Update };

    // The output folder, where a refused write counts.
    explicit FailureCauses(const QString &folder = {});
    // Output of a channel (0 standard output, 1 standard error), in reads as they come.
    void read(QStringView text, int channel);
    QList<Cause> found() const;
    // One line per cause found, saying for how many of the run's links where there were several.
    QStringList lines(int links) const;
    static Remedy remedy(Cause cause);

private:
    void readLine(QStringView line);

    QString folder;
    int counts[Causes] = {};
    bool seen[Causes] = {};
    // The format that failed follows a player that could not be solved.
    bool unsolved = false;
    QString refusedPath;
    // Each channel's line that a read cut in two, its start only.
    QString carried[2];
};
