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

bool needsDenoFor(const RanYtDlp &ran, const QString &version)
{
    return versionDate(version) >= needsDeno &&
        (ran.youTube || std::any_of(ran.links.cbegin(), ran.links.cend(), isYouTube));
}

enum class Deno { NotNeeded, Missing, Old, Fine };

// deno is the one found, as denoToAsk finds it.
Deno denoState(const RanYtDlp &ran, const QString &version, const QString &deno, const QString &denoText)
{
    if (!needsDenoFor(ran, version))
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
    if (age > 90) {
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
    const QString deno = denoToAsk(ran, version);
    switch (denoState(ran, version, deno, denoText)) {
    case Deno::Missing:
        advice +=
            "This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. " + installDeno;
        break;
    case Deno::Old:
        advice += "This yt-dlp needs deno " + oldestDeno().toString() +
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
    const Deno deno = denoState(ran, version, denoToAsk(ran, version), denoText);
    return {versionDate(version).daysTo(today) > 90, deno == Deno::Missing || deno == Deno::Old, version};
}

QString denoToAsk(const RanYtDlp &ran, const QString &versionText)
{
    if (!needsDenoFor(ran, datedVersion(versionText)))
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
