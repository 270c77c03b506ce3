// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressshown.h"

#include <QProgressBar>
#include <QTimer>

#include <cmath>

namespace {
constexpr int paintIntervalMs = 100;
}

ProgressShown::ProgressShown(QProgressBar *bar, QObject *parent)
    : QObject(parent)
    , bar(bar)
    , latePaint(new QTimer(this))
{
    latePaint->setSingleShot(true);
    connect(latePaint, &QTimer::timeout, this, &ProgressShown::paint);
}

void ProgressShown::start(const QStringList &links)
{
    progress = RunProgress(links);
    shownPercent = -1;
    sinceBarPainted.invalidate();
    latePaint->stop();
    bar->setRange(0, 0);
    bar->show();
}

void ProgressShown::read(QStringView output)
{
    progress.read(output);
    if (progress.fraction() >= 0)
        show(progress.fraction());
}

void ProgressShown::show(double fraction)
{
    const int percent = int(std::floor(fraction * 100 + 1e-9));
    if (percent != shownPercent) {
        shownPercent = percent;
        taskbar.show(fraction);
    }
    if (percent == bar->value() || latePaint->isActive())
        return;
    // Painting the bar costs more than a hundred lines of the log; a value that comes too soon is
    // painted when the time is up, so that a silent conversion never shows an old one.
    const qint64 since = sinceBarPainted.isValid() ? sinceBarPainted.elapsed() : paintIntervalMs;
    if (since < paintIntervalMs)
        latePaint->start(int(paintIntervalMs - since));
    else
        paint();
}

void ProgressShown::paint()
{
    if (shownPercent < 0 || bar->isHidden())
        return;
    sinceBarPainted.start();
    // QProgressBar::setValue paints at once, and with it everything of the window waiting to be
    // painted, the flooded log included; here the bar waits for the next paint like the rest.
    bar->setUpdatesEnabled(false);
    bar->setRange(0, 100);
    bar->setValue(shownPercent);
    bar->setUpdatesEnabled(true);
}

void ProgressShown::end()
{
    latePaint->stop();
    bar->hide();
    taskbar.hide();
}
