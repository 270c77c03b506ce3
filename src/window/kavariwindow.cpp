// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

KavariWindow::KavariWindow(QWidget *parent)
    : QMainWindow(parent)
    , process(new QProcess(this))
{
    // Every run gets a process group of its own, so that Cancel and closing can kill yt-dlp
    // together with the ffmpeg it spawns, and the kernel ends the run if Kavari dies.
    const pid_t kavari = getpid();
    process->setChildProcessModifier([kavari] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // Kavari died between fork and prctl: nobody would ever reap or kill this run.
        if (getppid() != kavari)
            _exit(127);
    });

    isDownloading = false;
    setupUi();

    connect(process, &QProcess::readyReadStandardOutput, this, &KavariWindow::onProcessOutput);
    connect(process, &QProcess::readyReadStandardError, this, &KavariWindow::onProcessError);
    connect(process, &QProcess::finished, this, &KavariWindow::onProcessFinished);
    connect(process, &QProcess::errorOccurred, this, &KavariWindow::onProcessErrorOccurred);
}

KavariWindow::~KavariWindow()
{
    if (process->state() != QProcess::NotRunning) {
        killProcessGroup();
        process->waitForFinished(30000);
    }
}

void KavariWindow::killProcessGroup()
{
    // processId() is 0 before the fork; kill(0, …) would hit Kavari's own group.
    const qint64 pid = process->processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process->kill();
}
