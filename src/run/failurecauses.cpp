// SPDX-License-Identifier: GPL-3.0-or-later
#include "failurecauses.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>

namespace {
// A line that names a cause is read whole up to this length, whether or not a read cut it in two.
constexpr qsizetype lineLength = 4096;
constexpr qsizetype pathLength = 300;

struct Pattern
{
    FailureCauses::Cause cause;
    QStringView text;
};

// yt-dlp's own texts: a line is of the first cause it names. Both the straight and the
// typographic apostrophe occur.
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
    {FailureCauses::NotFound, u"HTTP Error 404"},
    {FailureCauses::NotFound, u"HTTP Error 410"},
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
    {FailureCauses::UnknownKeyring, u"unsupported keyring"},
};

const QStringView prefixes[] = {u"ERROR:", u"WARNING:", u"yt-dlp: error:"};

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

// The end of a name that Python quotes, as yt-dlp prints paths and titles: the same quote, not
// escaped, with no letter after it. -1 where the quote at `at` opens none.
qsizetype closingQuote(QStringView text, qsizetype at)
{
    for (qsizetype end = text.indexOf(text[at], at + 1); end > 0; end = text.indexOf(text[at], end + 1))
        if (text[end - 1] != u'\\' && (end + 1 == text.size() || !text[end + 1].isLetterOrNumber()))
            return end;
    return -1;
}

// The first name quoted right after the label.
QString quotedAfter(QStringView line, QStringView label)
{
    for (qsizetype at = line.indexOf(label); at >= 0; at = line.indexOf(label, at + 1)) {
        const qsizetype quote = at + label.size();
        const bool opens = quote < line.size() && (line[quote] == u'\'' || line[quote] == u'"');
        if (const qsizetype end = opens ? closingQuote(line, quote) : -1; end > 0)
            return line.sliced(quote + 1, end - quote - 1).toString();
    }
    return {};
}

// What yt-dlp says about a video, and which it is ("[youtube] id", empty where it names none).
struct Said
{
    QString item;
    QString words;
};

// A message as yt-dlp words it, without what it quotes from elsewhere: the extractor and the
// video's id (a file's name, for a link to a file), names in quotes, links, and a path into the
// output folder up to the next colon.
Said ownWords(QStringView message, const QString &folder)
{
    Said said;
    message = message.trimmed();
    if (message.startsWith(u'[')) {
        const qsizetype close = message.indexOf(u"] ");
        const qsizetype colon = close > 0 ? message.indexOf(u": ", close + 2) : -1;
        // The downloader's own lines name no video: "[download] Got error: HTTP Error 403".
        if (colon > 0 && !message.startsWith(u"[download]"))
            said.item = message.first(colon).toString();
        message = message.sliced(colon > 0 ? colon + 2 : close > 0 ? close + 2 : 0);
    }
    // Once a quote finds no end, no later one of its kind does: a line full of them costs one search.
    bool mayClose[2] = {true, true};
    said.words.reserve(message.size());
    for (qsizetype at = 0; at < message.size(); ++at) {
        const QChar c = message[at];
        const int kind = c == u'"';
        const bool opens =
            (c == u'\'' || c == u'"') && mayClose[kind] && (at == 0 || !message[at - 1].isLetterOrNumber());
        const qsizetype end = opens ? closingQuote(message, at) : -1;
        mayClose[kind] = mayClose[kind] && (!opens || end > 0);
        said.words += end > at ? QChar(u' ') : c;
        at = std::max(at, end);
    }
    static const QRegularExpression link("[A-Za-z][A-Za-z0-9+.-]*://\\S*");
    said.words.replace(link, " ");
    for (qsizetype path = folder.isEmpty() ? -1 : said.words.indexOf(folder + '/'); path >= 0;
         path = said.words.indexOf(folder + '/', path)) {
        const qsizetype colon = said.words.indexOf(u": ", path);
        said.words.remove(path, (colon < 0 ? said.words.size() : colon) - path);
    }
    return said;
}

quint32 bit(FailureCauses::Cause cause)
{
    return quint32(1) << cause;
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
        carry += text.left(std::min(end < 0 ? text.size() : end, lineLength - carry.size()));
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
            readLine(line.left(lineLength));
    const QStringView tail = text.sliced(std::max(start, last + 1));
    if (mayNameACause(tail))
        carry = tail.left(lineLength).toString();
}

void FailureCauses::readLine(QStringView line)
{
    const auto prefix = std::find_if(std::begin(prefixes), std::end(prefixes),
                                     [line](QStringView prefix) { return line.startsWith(prefix); });
    if (prefix == std::end(prefixes))
        return;
    const Said said = ownWords(line.sliced(prefix->size()), folder);
    if (said.words.contains(u"n challenge solving failed") ||
        said.words.contains(u"No supported JavaScript runtime"))
        unsolved = true;
    const auto pattern =
        std::find_if(std::begin(patterns), std::end(patterns),
                     [&said](const Pattern &pattern) { return said.words.contains(pattern.text); });
    Cause cause = pattern == std::end(patterns) ? Causes : pattern->cause;
    // Without a solved player, YouTube offers no format worth fetching.
    if (cause == Causes && unsolved && said.words.contains(u"Requested format is not available"))
        cause = NeedsDeno;
    if (cause == PermissionDenied) {
        // "[Errno 13] Permission denied: '/folder/title.part'": only a refusal in the output folder.
        const QString path = quotedAfter(line, u"Permission denied: ");
        if (folder.isEmpty() || !(path == folder || path.startsWith(folder + '/')))
            cause = Causes;
        else
            refusedPath = path.left(pathLength);
    }
    if (*prefix == u"WARNING:") {
        // Told only if the video it is about fails: a warning of one that then downloads is none.
        if (cause == Causes)
            return;
        if (said.item.isEmpty())
            warnedOfAny |= bit(cause);
        else if (said.item == warnedItem)
            warnedOfItem |= bit(cause);
        else {
            warnedItem = said.item;
            warnedOfItem = bit(cause);
        }
        return;
    }
    const quint32 warned = warnedOfAny | (said.item == warnedItem && !said.item.isEmpty() ? warnedOfItem : 0);
    warnedOfAny = 0;
    if (said.item == warnedItem)
        warnedOfItem = 0;
    for (int earlier = 0; earlier < Causes; ++earlier)
        if (warned & bit(Cause(earlier)))
            count(Cause(earlier), said.item);
    if (cause != Causes)
        count(cause, said.item);
}

// A video whose failure takes more than one line fails once; a line that names none, each time.
void FailureCauses::count(Cause cause, const QString &item)
{
    seen[cause] = true;
    if (item.isEmpty() || item != countedItem[cause])
        ++counts[cause];
    countedItem[cause] = item;
}

QList<FailureCauses::Cause> FailureCauses::found() const
{
    QList<Cause> causes;
    for (int cause = 0; cause < Causes; ++cause)
        if (seen[cause])
            causes += Cause(cause);
    return causes;
}

bool FailureCauses::updateMayMend() const
{
    const QList<Cause> causes = found();
    return causes.isEmpty() || causes.last() >= BotCheck;
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
    default:
        return Nothing;
    }
}

QStringList FailureCauses::lines(int links, bool videos, const QString &signIn) const
{
    QStringList told;
    for (const Cause cause : found()) {
        QString line;
        switch (cause) {
        case NotFound:
            line = tr("The link leads nowhere: check it.");
            break;
        case Gone:
            line = tr("The video is gone, or was never public.");
            break;
        case Country:
            line = tr("The video is not available where this connection is.");
            break;
        case Private:
            line = tr("Only accounts with access may watch this video, which is private or for the channel's "
                      "members: %1.")
                       .arg(signIn);
            break;
        case AgeGate:
            line = tr("Only a signed-in, age-verified account may watch this video: %1.").arg(signIn);
            break;
        case RateLimit:
            line = tr("The site limits how many videos one connection may fetch (YouTube: about 300 an hour "
                      "without an account). Wait up to an hour, or retry with pauses between the videos.");
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
        case NoConnection:
            line = tr("There is no connection to the site: check that this computer is online.");
            break;
        case NoKeyring:
            line = tr("yt-dlp could not read the browser's cookies, which its keyring guards. Install what "
                      "reads it with: %1")
                       .arg("sudo apt install python3-secretstorage");
            break;
        case BotCheck:
            line =
                tr("YouTube wants this connection to prove that a person is behind it; a browser where you "
                   "are signed in to YouTube usually passes: %1.")
                    .arg(signIn);
            break;
        case NeedsDeno:
            line =
                tr("YouTube's player needs the JavaScript runtime deno, and yt-dlp found none it could use.");
            break;
        case Forbidden:
            line = tr("The site refused the file itself (HTTP 403); most often yt-dlp is older than the "
                      "site's last change.");
            break;
        case Unsupported:
            line = tr("yt-dlp knows no way to read that page: check the link.");
            break;
        case UnknownKeyring:
            line = tr("This yt-dlp does not know the keyring that guards the browser's cookies on this "
                      "desktop; the current yt-dlp does, so updating it mends this.");
            break;
        case Causes:
            break;
        }
        // The keyrings are the run's, not a link's.
        const bool ofTheRun = cause == NoKeyring || cause == UnknownKeyring;
        if (videos && !ofTheRun)
            line = tr("%Ln of the videos: %1", "", counts[cause]).arg(line);
        else if (links > 1 && !ofTheRun)
            line = tr("%1 of the %Ln links: %2", "", links)
                       .arg(QLocale().toString(std::clamp(counts[cause], 1, links)), line);
        told += line;
    }
    return told;
}
