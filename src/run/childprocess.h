// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>

class QProcess;

// A child as the system starts it, in bytes, so that a HOME or PATH that is not UTF-8 reaches it
// unchanged: QProcess would take each through QString and lose what is not UTF-8.
struct ChildCommand
{
    QByteArray program;
    // Without the program.
    QByteArrayList arguments;
    // "NAME=value" each.
    QByteArrayList environment;
};

// What every child of Kavari gets, so that none outlives what it was started for: a process group
// of its own, which one kill ends together with whatever the child started (ffmpeg, a fork); death
// with Kavari, even by SIGKILL; and no input, so that a prompt fails at once instead of waiting.
// With a command, the next start runs that; QProcess::start still names the program for its reports.
void protectChild(QProcess *process, const ChildCommand &command = {});
// Right after the start: the child's group, made sure of from this side too, so that a kill right
// after the fork already finds it. 0 when nothing was started.
qint64 childGroup(QProcess *process);
// Kills the whole group; nothing for 0. Never kill(0, …): that would hit Kavari's own group.
void killGroup(qint64 group);
