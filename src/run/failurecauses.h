// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Why yt-dlp failed, in its own words: a site's refusal (a bot check, an age gate, a private
// video, a rate limit, a country), a link that leads nowhere, a video that is gone, a player that
// needs deno, a full disk, no connection. Read from its ERROR: lines, and the WARNING: lines that
// name a cause of a video that then fails, as they pass into the log; never from what a message
// quotes (a path, a link, a title). What is kept is a count per cause and a path, whatever the run
// prints.
class FailureCauses
{
    Q_DECLARE_TR_FUNCTIONS(FailureCauses)

public:
    // In the order they are told: first those that no update of yt-dlp mends.
    enum Cause {
        NotFound,
        Gone,
        Country,
        Private,
        AgeGate,
        RateLimit,
        DiskFull,
        PermissionDenied,
        NoConnection,
        NoKeyring,
        BotCheck,
        NeedsDeno,
        Forbidden,
        Unsupported,
        UnknownKeyring,
        Causes
    };
    // What the user can do about a cause, where a retry does it.
    enum Remedy { Nothing, Cookies, PacedRetry };

    // The output folder, where a refused write counts.
    explicit FailureCauses(const QString &folder = {});
    // Output of a channel (0 standard output, 1 standard error), in reads as they come.
    void read(QStringView text, int channel);
    QList<Cause> found() const;
    // Whether the current yt-dlp may mend the run: nothing named its cause, or one of them is one
    // that a newer yt-dlp may get past.
    bool updateMayMend() const;
    // One line per cause found, saying for how many of the run's links where there were several, or
    // of its videos where it fetched a playlist. signIn: how to get a browser's cookies.
    QStringList lines(int links, bool videos, const QString &signIn) const;
    static Remedy remedy(Cause cause);

private:
    void readLine(QStringView line);
    void count(Cause cause, const QString &item);

    QString folder;
    int counts[Causes] = {};
    // The video whose failure was counted last, so that its second line is no second failure.
    QString countedItem[Causes];
    bool seen[Causes] = {};
    // Causes named by warnings, told once a video fails: of any video, and of the one named last.
    quint32 warnedOfAny = 0;
    quint32 warnedOfItem = 0;
    QString warnedItem;
    // The format that failed follows a player that could not be solved.
    bool unsolved = false;
    QString refusedPath;
    // Each channel's line that a read cut in two, its start only.
    QString carried[2];
};
