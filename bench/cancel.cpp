// SPDX-License-Identifier: GPL-3.0-or-later
// Cancel clicked in the middle of a flood, timed until the whole run is gone.
#include "bench.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <csignal>

// A click on Cancel that waits in the event queue behind a 1,000,000-line flood, timed until no
// process of the run's group is left. Prints: ms, worst tick gap ms.
int cancelFlood()
{
    FloodedWindow flooded(million);
    TickWatch ticks(&flooded.window);
    flooded.button()->click();
    const pid_t group = static_cast<pid_t>(flooded.process()->processId());
    // Past the double-click interval, and deep in the flood.
    QTest::qWait(std::max(600, QApplication::doubleClickInterval() + 200));

    std::atomic<qint64> goneNs {0};
    QThread *watcher = QThread::create([group, &goneNs] {
        while (::kill(-group, 0) == 0 || errno != ESRCH)
            QThread::usleep(50);
        goneNs = monotonicNs();
    });
    watcher->start();
    QPushButton *button = flooded.button();
    const QPointF centre = button->rect().center();
    const qint64 clickedNs = monotonicNs();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            button,
            new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
    }
    while (!watcher->wait(1))
        QCoreApplication::processEvents();
    delete watcher;
    QTextStream(stdout) << (goneNs - clickedNs) / 1e6 << ' ' << ticks.worstGapMs << '\n';
    return 0;
}

Figure cancelFigure()
{
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        const QList<double> c = runChild({"--cancel-flood"});
        times << c.value(0);
        stalls << c.value(1);
    }
    return {"Cancel clicked during a 1,000,000-line flood, until the whole group is gone",
            medianAndWorst(times, "ms"),
            "-",
            "-",
            "at most 20 ms",
            median(times) <= 20};
}
