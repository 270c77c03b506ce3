// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"
#include "desktopnotifier.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

KavariWindow::KavariWindow(QWidget *parent)
    : QMainWindow(parent)
    , process(new QProcess(this))
    , notifier(new DesktopNotifier(this))
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

    // yt-dlp never gets input from Kavari: a prompt (a password, a confirmation) must fail at once
    // instead of waiting for an answer nobody can give.
    process->setStandardInputFile(QProcess::nullDevice());

    isDownloading = false;
    setupUi();

    connect(process, &QProcess::readyReadStandardOutput, this, &KavariWindow::onProcessOutput);
    connect(process, &QProcess::readyReadStandardError, this, &KavariWindow::onProcessError);
    connect(process, &QProcess::finished, this, &KavariWindow::onProcessFinished);
    connect(process, &QProcess::errorOccurred, this, &KavariWindow::onProcessErrorOccurred);
    connect(notifier, &DesktopNotifier::activated, this, &KavariWindow::bringToFront);
}

KavariWindow::~KavariWindow()
{
    // Nothing is explained to a window that is going away.
    run.cancelled = true;
    if (versionQuery) {
        versionQuery->kill();
        versionQuery->waitForFinished(1000);
    }
    if (process->state() != QProcess::NotRunning) {
        killRun();
        process->waitForFinished(30000);
    }
}

// yt-dlp and whatever it started, such as ffmpeg. Also after yt-dlp's end has been reported, for
// what is left of its group.
void KavariWindow::killRun()
{
    // Never kill(0, …): that would hit Kavari's own group. The group's id stays taken while any
    // member lives, so this cannot reach a stranger that got the number later.
    if (runGroup > 0)
        ::kill(-static_cast<pid_t>(runGroup), SIGKILL);
    process->kill();
}
