// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

void protectChild(QProcess *process)
{
    const pid_t kavari = getpid();
    process->setChildProcessModifier([kavari] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // Kavari died between fork and prctl: nobody would ever reap or kill this child.
        if (getppid() != kavari)
            _exit(127);
    });
    process->setStandardInputFile(QProcess::nullDevice());
}

qint64 childGroup(QProcess *process)
{
    const qint64 group = process->processId();
    if (group > 0)
        setpgid(static_cast<pid_t>(group), static_cast<pid_t>(group));
    return group;
}

void killGroup(qint64 group)
{
    // The group's id stays taken while any member lives, so this cannot reach a stranger that got
    // the number later.
    if (group > 0)
        ::kill(-static_cast<pid_t>(group), SIGKILL);
}
