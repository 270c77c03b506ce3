// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A page can name a file yt-dlp.conf; saved where yt-dlp looks for its configuration, it would run
// the page's options, --exec among them, at the next start. The guard notes which configuration
// files a folder holds before a run; what the run adds is removed, what was there is the user's.
class ConfigGuard
{
public:
    ConfigGuard() = default;
    explicit ConfigGuard(const QString &folder);

    // The folder as the file system knows it, symbolic links resolved.
    QString folder() const { return resolved; }
    // Removes the configuration files that were not there when the guard was made; says which.
    QStringList removeCreated() const;

private:
    QStringList present() const;

    QString resolved;
    QStringList before;
};

// The path with its symbolic links resolved, also where its last folders do not exist yet.
QString resolvedPath(const QString &path);
// yt-dlp loads whatever lies in its plugin folders at its next start, whatever the names.
bool isPluginFolder(const QString &folder, const QString &program);
