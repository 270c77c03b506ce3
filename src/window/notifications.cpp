// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopnotifier.h"
#include "kavariwindow.h"

#include <QApplication>

// A user who went on working elsewhere learns of the end also where the window cannot ask for
// attention (Wayland), but not of a Cancel they clicked themselves.
void KavariWindow::notifyIfUnseen(bool complete)
{
    QApplication::alert(this);
    if (run.cancelled || isActiveWindow())
        return;
    notifier->notify(
        complete ? "Download complete" : "Download failed",
        run.links.value(0) +
            (run.links.size() > 1 ? QString(" and %1 more").arg(run.links.size() - 1) : QString()) +
            "\ninto " + run.folder);
}

void KavariWindow::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
