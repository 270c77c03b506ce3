// SPDX-License-Identifier: GPL-3.0-or-later
#include "failurecauses.h"

#include <QLocale>
#include <QStorageInfo>

#include <algorithm>

namespace {
// Of a line that a read cut in two: more than any line that names a cause needs.
constexpr qsizetype carriedLength = 1024;
constexpr qsizetype pathLength = 300;

struct Pattern
{
    FailureCauses::Cause cause;
    QStringView text;
};

// yt-dlp's own texts, in the order of the causes: a line is of the first cause it names. Both
// the straight and the typographic apostrophe occur.
const Pattern patterns[] = {
    {FailureCauses::BotCheck, u"Sign in to confirm you're not a bot"},
    {FailureCauses::BotCheck, u"Sign in to confirm you\u2019re not a bot"},
    {FailureCauses::AgeGate, u"Sign in to confirm your age"},
    {FailureCauses::AgeGate, u"age-restricted"},
    {FailureCauses::Private, u"Private video"},
    {FailureCauses::Private, u"members-only"},
    {FailureCauses::Private, u"Join this channel"},
    {FailureCauses::RateLimit, u"This content isn't available, try again later"},
    {FailureCauses::RateLimit, u"This content isn\u2019t available, try again later"},
    {FailureCauses::RateLimit, u"rate-limited"},
    {FailureCauses::RateLimit, u"HTTP Error 429"},
    {FailureCauses::Country, u"not made this video available in your country"},
    {FailureCauses::Country, u"geo restriction"},
    {FailureCauses::Gone, u"Video unavailable"},
    {FailureCauses::Gone, u"This video has been removed"},
    {FailureCauses::Gone, u"no longer available"},
    {FailureCauses::Forbidden, u"HTTP Error 403"},
    {FailureCauses::DiskFull, u"No space left on device"},
    {FailureCauses::DiskFull, u"Errno 28"},
    {FailureCauses::PermissionDenied, u"Permission denied"},
    {FailureCauses::Unsupported, u"Unsupported URL"},
    {FailureCauses::NoConnection, u"Temporary failure in name resolution"},
    {FailureCauses::NoConnection, u"Name or service not known"},
    {FailureCauses::NoConnection, u"Network is unreachable"},
    {FailureCauses::NoConnection, u"timed out"},
    {FailureCauses::NoConnection, u"Connection refused"},
    {FailureCauses::NoKeyring, u"secretstorage not available"},
    {FailureCauses::NoKeyring, u"cannot decrypt"},
};

const QStringView prefixes[] = {u"ERROR:", u"WARNING:", u"yt-dlp: error:"};

bool namesACause(QStringView line)
{
    return std::any_of(std::begin(prefixes), std::end(prefixes),
                       [line](QStringView prefix) { return line.startsWith(prefix); });
}

// Whether any line may name a cause: each prefix ends in a colon after R, G or r. A progress line
// has one colon, in its time, after a digit; the search for colons is the fastest there is.
bool mayHoldACause(QStringView text)
{
    for (qsizetype colon = text.indexOf(u':', 1); colon > 0; colon = text.indexOf(u':', colon + 1)) {
        const QChar before = text[colon - 1];
        if (before == u'R' || before == u'G' || before == u'r')
            return true;
    }
    return false;
}

// The start of a line that may yet name a cause once its end comes.
bool mayNameACause(QStringView start)
{
    return std::any_of(std::begin(prefixes), std::end(prefixes), [start](QStringView prefix) {
        return start.startsWith(prefix) || prefix.startsWith(start);
    });
}
} // namespace

FailureCauses::FailureCauses(const QString &folder)
    : folder(folder)
{
}

// Only lines that can name a cause are looked at: a flood of anything else costs a search or two
// a read.
void FailureCauses::read(QStringView text, int channel)
{
    QString &carry = carried[channel];
    qsizetype start = 0;
    if (!carry.isEmpty()) {
        const qsizetype end = text.indexOf(u'\n');
        carry += text.left(std::min(end < 0 ? text.size() : end, carriedLength - carry.size()));
        if (end < 0)
            return;
        readLine(carry);
        carry.clear();
        start = end + 1;
    }
    const qsizetype last = text.lastIndexOf(u'\n');
    const QStringView whole = last >= start ? text.sliced(start, last + 1 - start) : QStringView();
    if (mayHoldACause(whole))
        for (const QStringView line : QStringTokenizer(whole, u'\n'))
            readLine(line);
    const QStringView tail = text.sliced(std::max(start, last + 1));
    if (mayNameACause(tail))
        carry = tail.left(carriedLength).toString();
}

void FailureCauses::readLine(QStringView line)
{
    if (!namesACause(line))
        return;
    if (line.contains(u"n challenge solving failed") || line.contains(u"No supported JavaScript runtime"))
        unsolved = true;
    Cause cause = Causes;
    for (const Pattern &pattern : patterns) {
        if (line.contains(pattern.text)) {
            cause = pattern.cause;
            break;
        }
    }
    // Without a solved player, YouTube offers no format worth fetching.
    if (cause == Causes && unsolved && line.contains(u"Requested format is not available"))
        cause = NeedsDeno;
    if (cause == PermissionDenied) {
        // "[Errno 13] Permission denied: '/folder/title.part'": only a refusal in the output folder.
        QString path = line.sliced(line.indexOf(u"Permission denied") + 17).trimmed().toString();
        if (path.startsWith(':'))
            path = path.mid(1).trimmed();
        if (path.size() > 1 && (path.startsWith('\'') || path.startsWith('"')))
            path = path.mid(1, path.size() - 2);
        if (folder.isEmpty() || !(path == folder || path.startsWith(folder + '/')))
            return;
        refusedPath = path.left(pathLength);
    }
    if (cause == Causes)
        return;
    seen[cause] = true;
    if (!line.startsWith(u"WARNING:"))
        ++counts[cause];
}

QList<FailureCauses::Cause> FailureCauses::found() const
{
    QList<Cause> causes;
    for (int cause = 0; cause < Causes; ++cause)
        if (seen[cause])
            causes += Cause(cause);
    return causes;
}

FailureCauses::Remedy FailureCauses::remedy(Cause cause)
{
    switch (cause) {
    case BotCheck:
    case AgeGate:
    case Private:
        return Cookies;
    case RateLimit:
        return PacedRetry;
    case NeedsDeno:
    case Forbidden:
        return Update;
    default:
        return Nothing;
    }
}

QStringList FailureCauses::lines(int links) const
{
    const QString cookies = tr("choose a browser where you are signed in under \"Cookies from\"");
    QStringList told;
    for (const Cause cause : found()) {
        QString line;
        switch (cause) {
        case BotCheck:
            line =
                tr("YouTube wants this connection to prove that a person is behind it; a browser where you "
                   "are signed in to YouTube usually passes: %1.")
                    .arg(cookies);
            break;
        case AgeGate:
            line = tr("Only a signed-in, age-verified account may watch this video: %1.").arg(cookies);
            break;
        case Private:
            line = tr("Only accounts with access may watch this video, which is private or for the channel's "
                      "members: %1.")
                       .arg(cookies);
            break;
        case RateLimit:
            line = tr("The site limits how many videos one connection may fetch (YouTube: about 300 an hour "
                      "without an account). Wait up to an hour, or retry with pauses between the videos.");
            break;
        case Country:
            line = tr("The video is not available where this connection is.");
            break;
        case Gone:
            line = tr("The video is gone, or was never public.");
            break;
        case NeedsDeno:
            line =
                tr("YouTube's player needs the JavaScript runtime deno, and yt-dlp found none it could use.");
            break;
        case Forbidden:
            line = tr("The site refused the file itself (HTTP 403); most often yt-dlp is older than the "
                      "site's last change.");
            break;
        case DiskFull:
            line = tr("The disk of the output folder is full: %1 left in %2.")
                       .arg(QLocale().formattedDataSize(QStorageInfo(folder).bytesAvailable()), folder);
            break;
        case PermissionDenied:
            line = tr("Kavari's user may not write to %1: it was refused %2. Choose another output "
                      "directory.")
                       .arg(folder, refusedPath);
            break;
        case Unsupported:
            line = tr("yt-dlp knows no way to read that page: check the link.");
            break;
        case NoConnection:
            line = tr("There is no connection to the site: check that this computer is online.");
            break;
        case NoKeyring:
            line = tr("yt-dlp could not read the browser's cookies, which its keyring guards. Install what "
                      "reads it with: %1")
                       .arg("sudo apt install python3-secretstorage");
            break;
        case Causes:
            break;
        }
        if (links > 1)
            line = tr("%1 of the %n links: %2", "", links).arg(std::clamp(counts[cause], 1, links)).arg(line);
        told += line;
    }
    return told;
}
