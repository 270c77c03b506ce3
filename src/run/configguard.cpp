// SPDX-License-Identifier: GPL-3.0-or-later
#include "configguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ConfigGuard::ConfigGuard(const QString &folder)
    : resolved(resolvedPath(folder))
    , before(present())
{
}

// The files yt-dlp would read as its configuration, were it started in the folder or were the
// folder its home or configuration folder. A link that points nowhere is no configuration: what
// replaces it is the run's.
QStringList ConfigGuard::present() const
{
    QStringList names = {"yt-dlp.conf", "yt-dlp.conf.txt"};
    const QString folderName = QFileInfo(resolved).fileName();
    if (folderName == "yt-dlp" || folderName == ".yt-dlp")
        names += {"config", "config.txt"};
    QStringList files;
    for (const QString &name : names) {
        const QString file = resolved + '/' + name;
        if (QFileInfo::exists(file))
            files += file;
    }
    return files;
}

QStringList ConfigGuard::removeCreated() const
{
    QStringList removed;
    if (resolved.isEmpty())
        return removed;
    for (const QString &file : present())
        if (!before.contains(file) && QFile::remove(file))
            removed += file;
    return removed;
}

QString resolvedPath(const QString &path)
{
    QString existing = QDir::cleanPath(path);
    QString rest;
    while (!QFileInfo(existing).exists() && existing != "/" && !existing.isEmpty()) {
        rest.prepend('/' + QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + rest);
}

bool isPluginFolder(const QString &folder, const QString &program)
{
    const QString home = QDir::homePath();
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!config.startsWith('/'))
        config = home + "/.config";
    QStringList plugins = {config + "/yt-dlp/plugins", home + "/.yt-dlp/plugins", "/etc/yt-dlp/plugins",
                           config + "/yt-dlp-plugins", home + "/yt-dlp-plugins",  "/etc/yt-dlp-plugins"};
    if (!program.isEmpty())
        plugins += {QFileInfo(program).absolutePath() + "/yt-dlp-plugins",
                    QFileInfo(QFileInfo(program).canonicalFilePath()).absolutePath() + "/yt-dlp-plugins"};
    const QString target = resolvedPath(folder);
    for (const QString &plugin : plugins) {
        const QString resolved = resolvedPath(plugin);
        if (target == resolved || target.startsWith(resolved + '/'))
            return true;
    }
    return false;
}
