// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"
#include "childprocess.h"
#include "desktopnotifier.h"
#include "runlog.h"
#include "runsandbox.h"
#include "statusline.h"
#include "versionquery.h"

#include <QEvent>

KavariWindow::KavariWindow(QWidget *parent)
    : QMainWindow(parent)
    , process(new QProcess(this))
    , sandbox(new RunSandbox(this))
    , notifier(new DesktopNotifier(this))
{
    // Every run gets a process group of its own, so that Cancel and closing can kill yt-dlp
    // together with the ffmpeg it spawns, and the kernel ends the run if Kavari dies. yt-dlp never
    // gets input from Kavari: a prompt (a password, a confirmation) must fail at once.
    protectChild(process);
    RunSandbox::removeAbandoned();

    isDownloading = false;
    setupUi();

    connect(process, &QProcess::readyReadStandardOutput, this, &KavariWindow::onProcessOutput);
    connect(process, &QProcess::readyReadStandardError, this, &KavariWindow::onProcessError);
    connect(process, &QProcess::finished, this, &KavariWindow::onProcessFinished);
    connect(process, &QProcess::errorOccurred, this, &KavariWindow::onProcessErrorOccurred);
    connect(notifier, &DesktopNotifier::activated, this, [this] { bringToFront(this); });
    connect(sandbox, &RunSandbox::removed, this, [this](const QString &file) {
        log->appendNote(tr("\n✗ Removed %1: yt-dlp would have read this downloaded file as its configuration "
                           "at its next start, and obeyed whatever options it holds.")
                            .arg(file));
    });
}

KavariWindow::~KavariWindow()
{
    // Nothing is explained to a window that is going away, nor started.
    cancelled = true;
    if (keyringQuery)
        keyringQuery->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        killRun();
        process->waitForFinished(30000);
    }
}

// A switch between a light and a dark theme while the window is open.
void KavariWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && modeLabel) {
        styleModeLabel();
        status->restyle();
    }
    QMainWindow::changeEvent(event);
}
