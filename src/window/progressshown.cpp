// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QProgressBar>

#include <cmath>

// The task bar at most once a chunk, and only when the whole percent changed: a long run prints
// hundreds of thousands of progress lines.
void KavariWindow::showProgress()
{
    const double fraction = progress.fraction();
    const int percent = int(std::floor(fraction * 100 + 1e-9));
    if (fraction < 0)
        return;
    if (percent != shownPercent) {
        shownPercent = percent;
        taskbar.show(fraction);
    }
    // Painting the bar costs more than a hundred lines of the log: at most ten times a second.
    if (percent == progressBar->value() || (sinceBarPainted.isValid() && sinceBarPainted.elapsed() < 100))
        return;
    sinceBarPainted.start();
    // QProgressBar::setValue paints at once, and with it everything of the window waiting to be
    // painted, the flooded log included; here the bar waits for the next paint like the rest.
    progressBar->setUpdatesEnabled(false);
    progressBar->setRange(0, 100);
    progressBar->setValue(percent);
    progressBar->setUpdatesEnabled(true);
}

void KavariWindow::endProgress()
{
    progressBar->hide();
    taskbar.hide();
}
