// SPDX-License-Identifier: GPL-3.0-or-later
#include "failureadvice.h"
#include "versions.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace {
// yt-dlp began to need a JavaScript runtime for YouTube with this release.
const QDate needsDeno(2025, 11, 12);

bool isYouTube(const QString &link)
{
    const QString host = QUrl::fromUserInput(link).host();
    for (const char *domain : {"youtube.com", "youtu.be", "youtube-nocookie.com"})
        if (host == QLatin1String(domain) || host.endsWith('.' + QLatin1String(domain)))
            return true;
    return false;
}

// A yt-dlp this old is replaced by the current one when the user clicks "Update yt-dlp".
constexpr int oldAfterDays = 90;

bool isOld(const QString &version, const QDate &today)
{
    return versionDate(version).daysTo(today) > oldAfterDays;
}

bool isYouTubeRun(const RanYtDlp &ran)
{
    return ran.youTube || std::any_of(ran.links.cbegin(), ran.links.cend(), isYouTube);
}

enum class Deno { NotNeeded, Missing, Old, Fine };

// Which yt-dlp the next YouTube run has: this one, or the current one that an update brings.
bool needsDenoFor(const RanYtDlp &ran, const QString &version, const QDate &today)
{
    return isYouTubeRun(ran) && (versionDate(version) >= needsDeno || isOld(version, today));
}

// deno is the one found, as denoToAsk finds it.
Deno denoState(const RanYtDlp &ran, const QString &version, const QDate &today, const QString &deno,
               const QString &denoText)
{
    if (!needsDenoFor(ran, version, today))
        return Deno::NotNeeded;
    if (deno.isEmpty())
        return Deno::Missing;
    const QVersionNumber found = denoVersion(denoText);
    return found.isNull() || found < oldestDeno() ? Deno::Old : Deno::Fine;
}

} // namespace

bool isPipxInstall(const QString &program)
{
    const QFileInfo file(program);
    return file.isSymLink() && file.symLinkTarget().contains("/pipx/venvs/");
}

QString shellQuoted(const QString &path)
{
    static const QRegularExpression plain("^[A-Za-z0-9/._~+-]*$");
    if (plain.match(path).hasMatch())
        return path;
    return '\'' + QString(path).replace('\'', "'\\''") + '\'';
}

QStringList failureAdvice(const RanYtDlp &ran, const QString &versionText, const QDate &today,
                          const QString &denoText)
{
    const QString version = datedVersion(versionText);
    if (version.isEmpty())
        return {"yt-dlp at " + ran.program};

    QStringList advice = {"yt-dlp " + version + " at " + ran.program};
    const qint64 age = versionDate(version).daysTo(today);
    if (isOld(version, today)) {
        advice += QString("This yt-dlp is %1 days old. Sites such as YouTube change often, and an old "
                          "yt-dlp stops working with them.")
                      .arg(age);
        if (ran.program.startsWith("/usr/"))
            advice += "It is your system's copy, which cannot update itself. Install the current one for "
                      "yourself, which Kavari then finds in ~/.local/bin: pipx install \"yt-dlp[default]\"";
        else if (isPipxInstall(ran.program))
            advice += "Update it with: pipx upgrade yt-dlp";
        else
            advice += "Update it with: " + shellQuoted(ran.program) + " -U";
    }
    const QString installDeno = "Install it with: curl -fsSL https://deno.land/install.sh | sh";
    const QString deno = denoToAsk(ran, version, today);
    // An old yt-dlp itself may need no deno, but the current one that mends it does.
    const QString which = versionDate(version) >= needsDeno ? "This yt-dlp" : "The current yt-dlp";
    switch (denoState(ran, version, today, deno, denoText)) {
    case Deno::Missing:
        advice +=
            which + " needs the JavaScript runtime deno for YouTube, and none was found. " + installDeno;
        break;
    case Deno::Old:
        advice += which + " needs deno " + oldestDeno().toString() +
            " or newer for YouTube, and the deno at " + deno + " is older. " + installDeno;
        break;
    default:
        break;
    }
    // Only M4A is fetched as it is; MP3 is converted, and video and audio are merged.
    if (ran.format != "m4a" && QStandardPaths::findExecutable("ffmpeg", ran.searchPath).isEmpty())
        advice += "This format needs ffmpeg, and none was found. Install it with: sudo apt install ffmpeg";
    return advice;
}

UpdateNeeds updateNeeds(const RanYtDlp &ran, const QString &versionText, const QDate &today,
                        const QString &denoText)
{
    const QString version = datedVersion(versionText);
    if (version.isEmpty())
        return {};
    const Deno deno = denoState(ran, version, today, denoToAsk(ran, version, today), denoText);
    return {isOld(version, today), deno == Deno::Missing || deno == Deno::Old, version};
}

QString denoToAsk(const RanYtDlp &ran, const QString &versionText, const QDate &today)
{
    if (!needsDenoFor(ran, datedVersion(versionText), today))
        return {};
    return QStandardPaths::findExecutable("deno", ran.searchPath);
}

QString startFailure(const QString &program, const QString &systemSays)
{
    QFile file(program);
    QByteArray firstLine;
    if (file.open(QIODevice::ReadOnly))
        firstLine = file.readLine(4096).trimmed();
    if (firstLine.startsWith("#!")) {
        const QString interpreter = QString::fromLocal8Bit(firstLine.mid(2).trimmed()).section(' ', 0, 0);
        if (!interpreter.isEmpty() && !QFileInfo(interpreter).isExecutable()) {
            QString why = "its first line names the interpreter " + interpreter + ", which is missing (" +
                program + ")";
            if (isPipxInstall(program))
                why += ". Python was probably upgraded; reinstall it with: pipx reinstall yt-dlp";
            return why;
        }
    }
    return systemSays + " (" + program + ")";
}
