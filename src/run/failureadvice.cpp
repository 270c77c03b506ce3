// SPDX-License-Identifier: GPL-3.0-or-later
#include "failureadvice.h"
#include "versions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace {
// What the advice says, in the user's language.
struct FailureAdvice
{
    Q_DECLARE_TR_FUNCTIONS(FailureAdvice)
};

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
        return {FailureAdvice::tr("yt-dlp at %1").arg(ran.program)};

    QStringList advice = {FailureAdvice::tr("yt-dlp %1 at %2").arg(version, ran.program)};
    const qint64 age = versionDate(version).daysTo(today);
    const QString updateWith = FailureAdvice::tr("Update it with: %1");
    if (isOld(version, today)) {
        advice +=
            FailureAdvice::tr("This yt-dlp is %Ln days old. Sites such as YouTube change often, and an old "
                              "yt-dlp stops working with them.",
                              "", int(age));
        if (ran.program.startsWith("/usr/"))
            advice +=
                FailureAdvice::tr("It is your system's copy, which cannot update itself. Install the current "
                                  "one for yourself, which Kavari then finds in ~/.local/bin: %1")
                    .arg("pipx install \"yt-dlp[default]\"");
        else if (isPipxInstall(ran.program))
            advice += updateWith.arg("pipx upgrade yt-dlp");
        else
            advice += updateWith.arg(shellQuoted(ran.program) + " -U");
    }
    const QString installDeno = "curl -fsSL https://deno.land/install.sh | sh";
    const QString deno = denoToAsk(ran, version, today);
    // An old yt-dlp itself may need no deno, but the current one that mends it does.
    const bool current = versionDate(version) < needsDeno;
    switch (denoState(ran, version, today, deno, denoText)) {
    case Deno::Missing:
        advice += current
            ? FailureAdvice::tr("The current yt-dlp needs the JavaScript runtime deno for YouTube, "
                                "and none was found. Install it with: %1")
                  .arg(installDeno)
            : FailureAdvice::tr("This yt-dlp needs the JavaScript runtime deno for YouTube, and "
                                "none was found. Install it with: %1")
                  .arg(installDeno);
        break;
    case Deno::Old:
        advice += current
            ? FailureAdvice::tr("The current yt-dlp needs deno %1 or newer for YouTube, and the deno "
                                "at %2 is older. Install it with: %3")
                  .arg(oldestDeno().toString(), deno, installDeno)
            : FailureAdvice::tr("This yt-dlp needs deno %1 or newer for YouTube, and the deno at %2 "
                                "is older. Install it with: %3")
                  .arg(oldestDeno().toString(), deno, installDeno);
        break;
    default:
        break;
    }
    // Every format goes through ffmpeg: audio is extracted, or its codec at least read, and video and
    // audio are merged.
    if (QStandardPaths::findExecutable("ffmpeg", ran.searchPath).isEmpty())
        advice += FailureAdvice::tr("This format needs ffmpeg, and none was found. Install it with: %1")
                      .arg("sudo apt install ffmpeg");
    return advice;
}

UpdateNeeds updateNeeds(const RanYtDlp &ran, const QString &versionText, const QDate &today,
                        const QString &denoText)
{
    const QString version = datedVersion(versionText);
    if (version.isEmpty() || !ran.updateMayMend)
        return {false, false, version};
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
            QString why = FailureAdvice::tr("its first line names the interpreter %1, which is missing (%2)")
                              .arg(interpreter, program);
            if (isPipxInstall(program))
                why += FailureAdvice::tr(". Python was probably upgraded; reinstall it with: %1")
                           .arg("pipx reinstall yt-dlp");
            return why;
        }
    }
    return FailureAdvice::tr("%1 (%2)").arg(systemSays, program);
}
