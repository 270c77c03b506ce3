// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader waits for while the log takes a flood: its reads of the status line, the
// Download button and the log's caret over AT-SPI, by a reader that listens to the log's events
// as screen readers do (bench/atspiprobe.py).
#include "bench.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTest>

// A flooded window that screen readers reach: clicks Download once a line comes on its standard
// input, and prints "done" once the end is told.
int screenReaderFlood(const QStringList &generator)
{
    FloodedWindow flooded(generator);
    QTextStream(stdout) << "ready" << Qt::endl;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QEventLoop go;
    QObject::connect(&input, &QSocketNotifier::activated, &go, &QEventLoop::quit);
    go.exec();
    input.setEnabled(false);
    flooded.button()->click();
    waitForReport(flooded.button());
    QTextStream(stdout) << "done" << Qt::endl;
    // Answers the reader's last read before it goes.
    QTest::qWait(500);
    return 0;
}

namespace {
bool waitForLine(QProcess *process, const QByteArray &line)
{
    while (!process->canReadLine() || process->readLine().trimmed() != line)
        if (!process->canReadLine() && !process->waitForReadyRead(600000))
            return false;
    return true;
}

// The ms of each read during one flood.
QList<double> readsDuring(const QStringList &generator)
{
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    window.setProcessEnvironment(environment);
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.start(QCoreApplication::applicationFilePath(), QStringList {"--screen-reader-flood"} + generator);
    QProcess reader;
    reader.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QList<double> took;
    if (waitForLine(&window, "ready")) {
        reader.start("/usr/bin/python3",
                     {KAVARI_BENCH_SOURCE "/atspiprobe.py", QCoreApplication::applicationName()});
        if (waitForLine(&reader, "found")) {
            window.write("go\n");
            waitForLine(&window, "done");
            reader.write("stop\n");
            reader.waitForFinished(-1);
            for (const QByteArray &value : reader.readAll().simplified().split(' '))
                took << value.toDouble();
        }
    }
    // A reader that could not find the window leaves it waiting.
    if (took.isEmpty())
        window.kill();
    window.waitForFinished(-1);
    reader.waitForFinished(-1);
    return took;
}
} // namespace

QList<Figure> screenReaderFigures()
{
    const QList<QPair<QString, QStringList>> floods = {
        {"an ordinary flood of 2,000,000 lines", {"2000000"}},
        {"100 MB with no line break", {"--long", "100000000"}},
        {"2,000,000 updates separated by carriage returns", {"--returns", "2000000"}},
        {"1,000,000 lines on each channel at once", {"--both", "1000000"}},
        {"1,000,000 lines in writes of 1 MiB", {"--large", "1000000"}}};
    QList<Figure> figures;
    for (const auto &[name, generator] : floods) {
        QList<double> took;
        for (int i = 0; i < repeats; ++i)
            took << readsDuring(generator);
        const bool met = !took.isEmpty() && median(took) <= 100 && worst(took) <= 500;
        figures << Figure {
            "a screen reader's read of the status, the button and the log's caret during " + name,
            QString("%1 (worst %2, %3 reads)").arg(ms(median(took)), ms(worst(took))).arg(took.size()),
            "-",
            "-",
            "median at most 100 ms, worst 500 ms",
            met};
    }
    return figures;
}
