// SPDX-License-Identifier: GPL-3.0-or-later
// What yt-dlp does not print but a broken site or a misbehaving tool can: endless lines, a line
// redrawn millions of times, both channels flooded at once; beside an ordinary flood of as many lines.
#include "bench.h"

#include <QDateTime>
#include <QLabel>

#include <sys/resource.h>

// Prints: ms from the click until the end is told, ms from the writer's end until then, peak
// resident memory in bytes, worst tick gap ms, 1 when the run ended "Complete".
int floodCase(const QStringList &generator)
{
    FloodedWindow flooded(generator);
    TickWatch ticks(&flooded.window);
    QElapsedTimer clock;
    clock.start();
    flooded.button()->click();
    waitForReport(flooded.button());
    const double ms = clock.nsecsElapsed() / 1e6;
    const double lag =
        (QDateTime::currentMSecsSinceEpoch() * 1e6 - flooded.fake.recorded("writer.end").toDouble()) / 1e6;
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    const bool complete = flooded.window.findChild<QLabel *>("statusLabel")->text() == "Complete";
    QTextStream(stdout) << ms << ' ' << lag << ' ' << usage.ru_maxrss * 1024 << ' ' << ticks.worstGapMs << ' '
                        << (complete ? 1 : 0) << '\n';
    return 0;
}

QList<Figure> caseFigures()
{
    struct Case
    {
        QString name;
        QStringList generator;
        // Of an ordinary flood's memory, or a fixed limit of 300 MiB.
        bool likeAFlood;
        // A screen reader's call answered in time; for what an ordinary tool prints, a frame.
        double stallLimitMs = 100;
    };
    const QList<Case> cases = {
        {"100 MB with no line break", {"--long", "100000000"}, false},
        {"500 MB with no line break", {"--long", "500000000"}, false},
        {"2,000,000 updates separated by carriage returns", {"--returns", "2000000"}, false},
        {"1,000,000 lines on each channel at once", {"--both", "1000000"}, true},
        // Read a mebibyte at a time: laid out as it is read, each read would hold up the window
        // for several frames.
        {"1,000,000 lines in writes of 1 MiB", {"--large", "1000000"}, true, 25}};
    // The anchor: an ordinary flood of 2,000,000 lines.
    QList<double> ordinaryMs, ordinaryPeak;
    for (int i = 0; i < repeats; ++i) {
        const QList<double> o = runChild({"--flood-case", "2000000"});
        ordinaryMs << o.value(0);
        ordinaryPeak << o.value(2) / (1 << 20);
        stalls << o.value(3);
    }
    QList<Figure> figures;
    figures << Figure {"an ordinary flood of 2,000,000 lines, until the end is told",
                       medianAndWorst(ordinaryMs, "ms"),
                       "-",
                       "-",
                       "-",
                       true}
            << Figure {"peak resident memory during an ordinary flood of 2,000,000 lines",
                       medianAndWorst(ordinaryPeak, "MiB", 0),
                       "-",
                       "-",
                       "-",
                       true};
    for (const Case &flood : cases) {
        QList<double> lag, peak, gap;
        bool allComplete = true;
        for (int i = 0; i < repeats; ++i) {
            const QList<double> c = runChild(QStringList {"--flood-case"} + flood.generator);
            lag << c.value(1);
            peak << c.value(2) / (1 << 20);
            gap << c.value(3);
            stalls << c.value(3);
            allComplete = allComplete && c.value(4) == 1;
        }
        const double lagLimit = 10000 + (flood.generator.first() == "--long" ? 0 : median(ordinaryMs));
        const double peakLimit = flood.likeAFlood ? median(ordinaryPeak) : 300;
        const QString complete = allComplete ? QString() : QString(" (not all Complete)");
        figures << Figure {flood.name + ": the end told after the writer's end",
                           medianAndWorst(lag, "ms") + complete,
                           "-",
                           "-",
                           "at most " + ms(lagLimit),
                           median(lag) <= lagLimit && allComplete}
                << Figure {flood.name + ": peak resident memory",
                           medianAndWorst(peak, "MiB", 0),
                           flood.likeAFlood ? "the ordinary flood" : "-",
                           "-",
                           QString("at most %1 MiB").arg(peakLimit, 0, 'f', 0),
                           median(peak) <= peakLimit}
                << Figure {flood.name + ": worst stall of the GUI thread",
                           medianAndWorst(gap, "ms"),
                           "-",
                           "-",
                           "at most " + ms(flood.stallLimitMs),
                           worst(gap) <= flood.stallLimitMs};
    }
    return figures;
}
