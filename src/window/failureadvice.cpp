// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
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
} // namespace

// Which yt-dlp failed, and what would mend the usual causes: an old yt-dlp, a missing deno or
// ffmpeg. Asked of the yt-dlp that ran, without holding up the window.
void KavariWindow::explainFailure()
{
    auto *query = new QProcess(this);
    query->setObjectName("versionQuery");
    query->setProcessEnvironment(run.environment);
    // A folder nobody but root can write to holds no planted configuration.
    query->setWorkingDirectory(QDir::rootPath());
    query->setStandardInputFile(QProcess::nullDevice());
    versionQuery = query;
    connect(query, &QProcess::finished, this, [this, query] {
        for (const QString &line : failureAdvice(QString::fromUtf8(query->readAllStandardOutput())))
            appendNote(line);
    });
    connect(query, &QProcess::finished, query, &QObject::deleteLater);
    connect(query, &QProcess::errorOccurred, this, [this, query](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        appendNote(failureAdvice(QString()).constFirst());
        query->deleteLater();
    });
    // A yt-dlp that hangs even on --version says nothing more than its path.
    QTimer::singleShot(10000, query, &QProcess::kill);
    query->start(run.program, {"--version"});
}

QStringList KavariWindow::failureAdvice(const QString &versionOutput) const
{
    // yt-dlp's versions are dates, nightly builds with a fourth part.
    static const QRegularExpression dated("^(\\d{4})\\.(\\d{2})\\.(\\d{2})(\\.\\d+)?$");
    const QString version = versionOutput.trimmed().section('\n', 0, 0).trimmed();
    const QRegularExpressionMatch match = dated.match(version);
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!match.hasMatch() || !date.isValid())
        return {"yt-dlp at " + run.program};

    QStringList advice = {"yt-dlp " + version + " at " + run.program};
    const qint64 age = date.daysTo(QDate::currentDate());
    if (age > 90) {
        advice += QString("This yt-dlp is %1 days old. Sites such as YouTube change often, and an old "
                          "yt-dlp stops working with them.")
                      .arg(age);
        const QFileInfo file(run.program);
        if (run.program.startsWith("/usr/"))
            advice += "It is your system's copy, which cannot update itself. Install the current one for "
                      "yourself, which Kavari then finds in ~/.local/bin: pipx install \"yt-dlp[default]\"";
        else if (file.isSymLink() && file.symLinkTarget().contains("/pipx/venvs/"))
            advice += "Update it with: pipx upgrade yt-dlp";
        else
            advice += "Update it with: " + run.program + " -U";
    }
    if (date >= needsDeno && std::any_of(run.links.cbegin(), run.links.cend(), isYouTube) &&
        QStandardPaths::findExecutable("deno", run.searchPath).isEmpty())
        advice += "This yt-dlp needs the JavaScript runtime deno for YouTube, and none was found. Install "
                  "it with: curl -fsSL https://deno.land/install.sh | sh";
    // Only M4A is fetched as it is; MP3 is converted, and video and audio are merged.
    if (run.format != "m4a" && QStandardPaths::findExecutable("ffmpeg", run.searchPath).isEmpty())
        advice += "This format needs ffmpeg, and none was found. Install it with: sudo apt install ffmpeg";
    return advice;
}
