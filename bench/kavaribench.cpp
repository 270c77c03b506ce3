// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what users feel of the real KavariWindow, each figure beside an anchor from the same run.
// Runs on a real display (Xvfb): see scripts/bench. This file runs the figures and writes the report.
#include "bench.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

int runAll(const QString &output, const QStringList &only)
{
    const auto wanted = [&only](const char *name) { return only.isEmpty() || only.contains(name); };
    QTemporaryDir scratch;
    QList<Figure> figures;
    QString plotData;
    QTextStream plot(&plotData);
    if (wanted("flood"))
        figures << floodFigures(plot);
    if (wanted("cases"))
        figures << caseFigures();
    if (wanted("screenreader"))
        figures << screenReaderFigures();
    if (wanted("cancel"))
        figures << cancelFigure();
    if (wanted("endless"))
        figures << endlessFigures(60);
    if (wanted("download"))
        figures << realDownloadFigure(scratch.path());
    if (wanted("startup"))
        figures << startupFigure();
    if (!stalls.isEmpty()) {
        figures << Figure {"worst stall of the GUI thread, over every run above",
                           ms(worst(stalls)),
                           "-",
                           "-",
                           "at most 50 ms",
                           worst(stalls) <= 50};
    }

    QString table = "| figure | Kavari | anchor | ratio | target | met |\n|---|---|---|---|---|---|\n";
    for (const Figure &f : figures)
        table += QString("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                     .arg(f.name, f.measured, f.anchor, f.ratio, f.target, f.met ? "yes" : "no");
    QTextStream(stdout) << table;

    if (!output.isEmpty()) {
        // What the report says below the plot is written by hand, about runs gone by: it stays.
        const QString plotLine = "\n![Time and memory per log line](benchmarks.png)\n";
        QFile file(output);
        QString notes;
        if (file.open(QIODevice::ReadOnly)) {
            const QString before = QString::fromUtf8(file.readAll());
            const qsizetype at = before.indexOf(plotLine);
            notes = at < 0 ? QString() : before.mid(at + plotLine.size());
            file.close();
        }
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QTextStream(&file)
            << "# Benchmarks\n\n"
            << "Measured on " << QDateTime::currentDateTimeUtc().toString("yyyy-MM-dd")
            << " on a machine with " << QThread::idealThreadCount() << " cores, with\n\n"
            << "```sh\nscripts/bench\n```\n\n"
            << "Each figure is the median of " << repeats << " runs (the real download: " << downloadRepeats
            << ", each between two direct runs), with the worst run beside it; a ratio is taken run by run "
               "against its anchor from the same run. The window, the QPlainTextEdit and xterm run under the "
               "same Xvfb; a stall is the longest gap between two ticks of a 2 ms timer on the GUI "
               "thread.\n\n"
            << table << plotLine << notes;
        QFile data(QFileInfo(output).path() + "/benchmarks.dat");
        if (!plotData.isEmpty() && data.open(QIODevice::WriteOnly | QIODevice::Truncate))
            data.write(plotData.toUtf8());
    }
    return 0;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString mode = arguments.value(1);
    const long lines = arguments.value(2).toLong();
    if (mode == "--flood-window")
        return floodWindow(lines);
    if (mode == "--flood-plain")
        return floodPlain(lines);
    if (mode == "--flood-pipe")
        return floodPipe(lines);
    if (mode == "--flood-xterm")
        return floodXterm(lines);
    // --cancel-flood [GENERATOR...] [--after SECONDS]
    if (mode == "--cancel-flood") {
        const qsizetype after = arguments.indexOf("--after");
        return cancelFlood(arguments.mid(2, after < 0 ? -1 : after - 2), arguments.value(after + 1).toInt());
    }
    if (mode == "--flood-case")
        return floodCase(arguments.mid(2));
    if (mode == "--screen-reader-flood")
        return screenReaderFlood(arguments.mid(2));
    if (mode == "--first-paint")
        return firstPaint(arguments.value(2) == "kavari");
    // [--output FILE] [flood] [cases] [screenreader] [cancel] [endless] [download] [startup]: all figures
    // unless some are named.
    QStringList only = arguments.mid(1);
    QString output;
    if (mode == "--output") {
        output = arguments.value(2);
        only = arguments.mid(3);
    }
    return runAll(output, only);
}
