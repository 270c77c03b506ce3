// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"

#include <QByteArrayList>
#include <QStringList>

// The environment a yt-dlp run gets: Kavari's own, with the folders where users install the
// current yt-dlp and deno for themselves searched first. Bytes throughout, as the system has them.
struct ChildEnvironment
{
    // "NAME=value" each.
    QByteArrayList variables;
    // The child's PATH, folder by folder.
    QByteArrayList searchPath;
};

// Built afresh from Kavari's own environment as it is now, so repeated runs never lengthen it.
ChildEnvironment childEnvironment();
// ~/.deno/bin and ~/.local/bin, then the inherited folders; never an empty entry, which would
// mean the working folder, and nothing under a relative HOME.
QByteArrayList childSearchPath(const QByteArray &home, const QByteArray &inherited);
// The first executable file of that name in the folders; empty when there is none.
QByteArray findProgram(const QByteArray &name, const QByteArrayList &folders);
ChildCommand childCommand(const QByteArray &program, const QStringList &arguments,
                          const ChildEnvironment &environment);
// File names as text, for what is shown.
QStringList decodedNames(const QByteArrayList &names);
