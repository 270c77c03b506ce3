// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QProgressBar>

#include <cmath>

// At most once a chunk, and only when the whole percent changed: a long run prints hundreds of
// thousands of progress lines.
void KavariWindow::showProgress()
{
    const double fraction = progress.fraction();
    const int percent = int(std::floor(fraction * 100 + 1e-9));
    if (fraction < 0 || percent == shownPercent)
        return;
    shownPercent = percent;
    progressBar->setRange(0, 100);
    progressBar->setValue(percent);
    taskbar.show(fraction);
}

void KavariWindow::endProgress()
{
    progressBar->hide();
    taskbar.hide();
}
