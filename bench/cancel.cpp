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
#include <sys/resource.h>

// A click on Cancel that waits in the event queue behind a flood (1,000,000 lines, or what the
// generator prints) seconds after the start, timed until no process of the run's group is left.
// Prints: ms, worst tick gap ms, peak resident memory in bytes.
int cancelFlood(const QStringList &generator, int seconds)
{
    FloodedWindow flooded(generator.isEmpty() ? QStringList {QString::number(million)} : generator);
    TickWatch ticks(&flooded.window);
    flooded.button()->click();
    const pid_t group = static_cast<pid_t>(flooded.process()->processId());
    // Past the double-click interval, and deep in the flood.
    QTest::qWait(std::max({600, QApplication::doubleClickInterval() + 200, seconds * 1000}));

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
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    QTextStream(stdout) << (goneNs - clickedNs) / 1e6 << ' ' << ticks.worstGapMs << ' '
                        << usage.ru_maxrss * 1024 << '\n';
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

// A tool that never stops printing, in writes of a mebibyte (the fastest a pipe takes): the log
// keeps its tail, and the window answers and cancels as ever.
QList<Figure> endlessFigures(int seconds)
{
    QList<double> peak, gaps, cancels;
    for (int i = 0; i < repeats; ++i) {
        const QList<double> c =
            runChild({"--cancel-flood", "--large", "1000000000000", "--after", QString::number(seconds)});
        cancels << c.value(0);
        gaps << c.value(1);
        peak << c.value(2) / (1 << 20);
        stalls << c.value(1);
    }
    const QString name = QString("endless output in writes of 1 MiB for %1 s").arg(seconds);
    return {{name + ": peak resident memory", medianAndWorst(peak, "MiB", 0), "-", "-", "at most 1024 MiB",
             worst(peak) <= 1024},
            {name + ": worst stall of the GUI thread", medianAndWorst(gaps, "ms"), "-", "-",
             "at most 100.0 ms", worst(gaps) <= 100},
            {name + ": Cancel, until the whole group is gone", medianAndWorst(cancels, "ms"), "-", "-",
             "at most 20 ms", median(cancels) <= 20}};
}
