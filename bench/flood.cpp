// SPDX-License-Identifier: GPL-3.0-or-later
// Floods of progress lines into the window, against a QPlainTextEdit, xterm and the raw pipe.
#include "bench.h"

#include <QFont>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTextEdit>

#include <sys/resource.h>

// Prints: ingest ms, bytes per line, memory kept after the next start cleared the log (bytes over
// the fresh window), worst tick gap ms, 1 when the run ended "Complete", the peak resident
// memory in bytes, the worst paint gap ms, and the ms the next start took on the window's thread.
int floodWindow(long lines)
{
    FloodedWindow flooded(lines);
    const qint64 fresh = residentBytes();
    TickWatch ticks(&flooded.window);
    PaintWatch paints(flooded.window.findChild<QTextEdit *>("outputLog")->viewport());
    QElapsedTimer clock;
    clock.start();
    flooded.button()->click();
    waitForReport(flooded.button());
    const double ms = clock.nsecsElapsed() / 1e6;
    const double paintGap = paints.worstGapMs;
    const qint64 full = residentBytes();
    const bool complete = flooded.window.findChild<QLabel *>("statusLabel")->text() == "Complete";

    // The next start clears the log.
    QElapsedTimer startClock;
    startClock.start();
    flooded.button()->click();
    const double startMs = startClock.nsecsElapsed() / 1e6;
    waitForReport(flooded.button());
    QTest::qWait(200);
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    QTextStream(stdout) << ms << ' ' << double(full - fresh) / lines << ' ' << (residentBytes() - fresh)
                        << ' ' << ticks.worstGapMs << ' ' << (complete ? 1 : 0) << ' '
                        << usage.ru_maxrss * 1024 << ' ' << paintGap << ' ' << startMs << '\n';
    return 0;
}

// The reference log: a QPlainTextEdit of the same size and font that gets the same chunks, one
// appendPlainText each. Prints: ms, bytes per line, worst tick gap ms.
int floodPlain(long lines)
{
    QPlainTextEdit log;
    log.setReadOnly(true);
    log.setFont(QFont("Monospace", 9));
    log.resize(730, 240);
    log.show();
    if (!QTest::qWaitForWindowExposed(&log))
        qWarning("the reference log was not shown");
    QTest::qWait(200);
    QProcess generator;
    QObject::connect(&generator, &QProcess::readyReadStandardOutput, &log, [&generator, &log] {
        log.appendPlainText(QString::fromUtf8(generator.readAllStandardOutput()).trimmed());
    });
    const qint64 fresh = residentBytes();
    TickWatch ticks(&log);
    QElapsedTimer clock;
    clock.start();
    generator.start(floodgen(), {QString::number(lines)});
    waitForFinished(&generator);
    QTextStream(stdout) << clock.nsecsElapsed() / 1e6 << ' ' << double(residentBytes() - fresh) / lines << ' '
                        << ticks.worstGapMs << '\n';
    return 0;
}

// The floor: the same pipe read the way the window reads it, a readAll per wake-up, kept nowhere.
int floodPipe(long lines)
{
    QProcess generator;
    QObject::connect(&generator, &QProcess::readyReadStandardOutput, &generator,
                     [&generator] { generator.readAllStandardOutput(); });
    QElapsedTimer clock;
    clock.start();
    generator.start(floodgen(), {QString::number(lines)});
    waitForFinished(&generator);
    QTextStream(stdout) << clock.nsecsElapsed() / 1e6 << '\n';
    return 0;
}

// xterm showing the same flood with every line kept. Prints: ms until it is gone, its peak
// resident memory in bytes.
int floodXterm(long lines)
{
    QProcess xterm;
    QElapsedTimer clock;
    clock.start();
    xterm.start("xterm",
                {"-geometry", "100x17", "-sl", QString::number(lines + 1000), "-e", floodgen(),
                 QString::number(lines)});
    xterm.waitForFinished(-1);
    const double ms = clock.nsecsElapsed() / 1e6;
    rusage usage;
    getrusage(RUSAGE_CHILDREN, &usage);
    QTextStream(stdout) << ms << ' ' << usage.ru_maxrss * 1024 << '\n';
    return xterm.exitStatus() == QProcess::NormalExit ? 0 : 1;
}

QList<Figure> floodFigures(QTextStream &plot)
{
    QList<double> floodStalls;
    QList<Figure> figures;
    plot << "# lines kavari_us_per_line kavari_bytes_per_line plain_us plain_bytes xterm_us xterm_bytes\n";
    // xterm's own size, without a log, so that only what its lines take is counted.
    const double xtermBase = runChild({"--flood-xterm", "10"}).value(1);
    for (const long lines : floodSizes) {
        QList<double> window, perLine, kept, nextStart, peak, plain, plainPerLine, xterm, xtermPerLine, pipe;
        QList<double> plainRatio, xtermRatio, pipeRatio;
        bool allComplete = true;
        for (int i = 0; i < repeats; ++i) {
            const QList<double> w = runChild({"--flood-window", QString::number(lines)});
            const QList<double> p = runChild({"--flood-plain", QString::number(lines)});
            const QList<double> x = runChild({"--flood-xterm", QString::number(lines)});
            const QList<double> r = runChild({"--flood-pipe", QString::number(lines)});
            window << w.value(0);
            perLine << w.value(1);
            kept << w.value(2) / 1e6;
            nextStart << w.value(7);
            stalls << w.value(3);
            floodStalls << w.value(3);
            peak << w.value(5) / 1e6;
            allComplete = allComplete && w.value(4) == 1;
            plain << p.value(0);
            plainPerLine << p.value(1);
            xterm << x.value(0);
            xtermPerLine << (x.value(1) - xtermBase) / lines;
            pipe << r.value(0);
            plainRatio << window.last() / plain.last();
            xtermRatio << window.last() / xterm.last();
            pipeRatio << window.last() / pipe.last();
        }
        plot << lines << ' ' << median(window) * 1000 / lines << ' ' << median(perLine) << ' '
             << median(plain) * 1000 / lines << ' ' << median(plainPerLine) << ' '
             << median(xterm) * 1000 / lines << ' ' << median(xtermPerLine) << '\n';

        const QString size = QLocale(QLocale::English).toString(qlonglong(lines));
        const QString complete = allComplete ? QString() : QString(" (not all Complete)");
        // A limit of 0: shown for scale, no target.
        const auto against = [&](const QString &anchor, const QList<double> &anchorMs,
                                 const QList<double> &ratios, double limit) {
            return Figure {"ingest against " + anchor + ", " + size + " lines",
                           ms(median(window)) + complete,
                           ms(median(anchorMs)),
                           ratioText(ratios),
                           limit > 0 ? QString("at most %1x").arg(limit) : QString("-"),
                           limit <= 0 || (median(ratios) <= limit && allComplete)};
        };
        figures << against("a QPlainTextEdit", plain, plainRatio, 1.0)
                << against("xterm", xterm, xtermRatio, 0.5);
        if (lines != million)
            continue;
        figures << against("the raw pipe, read the same way", pipe, pipeRatio, 0);
        figures << Figure {"resident memory per log line, " + size + " lines",
                           medianAndWorst(perLine, "B", 0),
                           QString("QPlainTextEdit %1 B, xterm %2 B")
                               .arg(median(plainPerLine), 0, 'f', 0)
                               .arg(median(xtermPerLine), 0, 'f', 0),
                           "-",
                           "at most 215 B",
                           median(perLine) <= 215};
        figures << Figure {"peak resident memory during a " + size + "-line flood",
                           medianAndWorst(peak, "MB", 0),
                           "-",
                           "-",
                           "at most 248 MB",
                           median(peak) <= 248};
        figures << Figure {"memory kept after the next start cleared a " + size + "-line log",
                           "+" + medianAndWorst(kept, "MB"),
                           "the fresh window",
                           "-",
                           "at most +50 MB",
                           median(kept) <= 50};
        // The clear itself is a fraction of a millisecond; the rest is the child's start.
        figures << Figure {"the next start, which clears a " + size + "-line log, on the GUI thread",
                           medianAndWorst(nextStart, "ms"),
                           "-",
                           "-",
                           "at most 5 ms",
                           median(nextStart) <= 5};
    }
    // A frame at 60 Hz, in every run.
    figures << Figure {"worst stall of the GUI thread in a flood run, of each run",
                       medianAndWorst(floodStalls, "ms"),
                       "-",
                       "-",
                       "none over 16.7 ms",
                       worst(floodStalls) <= 16.7};
    return figures;
}
