// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// The environment a yt-dlp run gets: Kavari's own, with the folders where users install the
// current yt-dlp and deno for themselves searched first.
struct ChildEnvironment
{
    QProcessEnvironment environment;
    // The child's PATH, folder by folder.
    QStringList searchPath;
};

// Built afresh from Kavari's own environment as it is now, so repeated runs never lengthen it.
ChildEnvironment childEnvironment();
// ~/.deno/bin and ~/.local/bin, then the inherited folders; never an empty entry, which would
// mean the working folder, and nothing under a relative HOME.
QStringList childSearchPath(const QString &home, const QString &inherited);
