// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what users feel of the real KavariWindow, each figure beside an anchor from the same run.
// Runs on a real display (Xvfb): see scripts/bench.
#include "fakeytdlp.h"
#include "kavariwindow.h"
#include "localhttpserver.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr int repeats = 5;
// A real download varies by a tenth from run to run on a small machine; its ratio needs more runs.
constexpr int downloadRepeats = 11;
const QList<long> floodSizes = {10000, 100000, 1000000};
constexpr long million = 1000000;
const QString link = "http://127.0.0.1:9/watch?v=bench";

qint64 monotonicNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

double worst(const QList<double> &values)
{
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

QString floodgen()
{
    return QCoreApplication::applicationDirPath() + "/kavari_floodgen";
}

// Ticks every 2 ms on the GUI thread and keeps the largest gap between two ticks: how long the
// window could not react to anything, give or take the 2 ms it waits between ticks anyway.
struct TickWatch
{
    explicit TickWatch(QObject *context)
    {
        QObject::connect(&timer, &QTimer::timeout, context, [this] {
            const qint64 now = clock.nsecsElapsed();
            worstGapMs = std::max(worstGapMs, (now - last) / 1e6);
            last = now;
        });
        clock.start();
        timer.setTimerType(Qt::PreciseTimer);
        timer.start(2);
    }
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double worstGapMs = 0;
};

void waitForFinished(QProcess *process)
{
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

// A window with a fake yt-dlp that floods the log with the given number of lines at its first
// run and ends at once at every later one.
struct FloodedWindow
{
    explicit FloodedWindow(long lines)
    {
        fake.install("if [ -e flooded ]; then exit 0; fi\ntouch flooded\nexec '" +
                     QFile::encodeName(floodgen()) + "' " + QByteArray::number(qlonglong(lines)));
        window.resize(760, 600);
        window.show();
        window.findChild<QLineEdit *>("urlEdit")->setText(link);
        window.findChild<QLineEdit *>("outputDirEdit")->setText(fake.filePath("out"));
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the window was not shown");
        QTest::qWait(200);
    }
    QPushButton *button() { return window.findChild<QPushButton *>("downloadButton"); }
    QProcess *process() { return window.findChild<QProcess *>(); }

    FakeYtDlp fake;
    KavariWindow window;
};

// Child modes, each a fresh process so that memory and start-up figures start from nothing.

// Prints: ingest ms, bytes per line, memory kept after the next start cleared the log (bytes over
// the fresh window), worst tick gap ms, and 1 when the run ended "Complete".
int floodWindow(long lines)
{
    FloodedWindow flooded(lines);
    const qint64 fresh = residentBytes();
    TickWatch ticks(&flooded.window);
    QElapsedTimer clock;
    clock.start();
    flooded.button()->click();
    waitForFinished(flooded.process());
    const double ms = clock.nsecsElapsed() / 1e6;
    const qint64 full = residentBytes();
    const bool complete = flooded.window.findChild<QLabel *>("statusLabel")->text() == "Complete";

    // The next start clears the log.
    flooded.button()->click();
    waitForFinished(flooded.process());
    QTest::qWait(200);
    QTextStream(stdout) << ms << ' ' << double(full - fresh) / lines << ' ' << (residentBytes() - fresh)
                        << ' ' << ticks.worstGapMs << ' ' << (complete ? 1 : 0) << '\n';
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

int firstPaint(bool kavari)
{
    struct PaintWatch : QObject
    {
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && !seen) {
                seen = true;
                QTextStream(stdout) << monotonicNs() << '\n';
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
            return QObject::eventFilter(watched, event);
        }
        bool seen = false;
    } watch;
    qApp->installEventFilter(&watch);
    if (kavari) {
        KavariWindow window;
        window.show();
        return qApp->exec();
    }
    QMainWindow window;
    window.setCentralWidget(new QTextEdit(&window));
    window.setMinimumSize(700, 550);
    window.show();
    return qApp->exec();
}

// The parent side.

QList<double> runChild(const QStringList &arguments, qint64 *startedNs = nullptr)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (startedNs)
        *startedNs = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    QList<double> values;
    for (const QString &value :
         QString::fromUtf8(child.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts))
        values << value.toDouble();
    return values;
}

struct Figure
{
    QString name;
    QString measured;
    QString anchor;
    QString ratio;
    QString target;
    bool met;
};

QString ms(double value)
{
    return QString::number(value, 'f', 1) + " ms";
}

QString ratioText(const QList<double> &ratios, int decimals = 2)
{
    return QString("%1x (worst %2x)")
        .arg(median(ratios), 0, 'f', decimals)
        .arg(worst(ratios), 0, 'f', decimals);
}

QString medianAndWorst(const QList<double> &values, const QString &unit, int decimals = 1)
{
    return QString("%1 %3 (worst %2)")
        .arg(median(values), 0, 'f', decimals)
        .arg(worst(values), 0, 'f', decimals)
        .arg(unit);
}

// Every GUI-thread stall of every run, the worst of which is a figure of its own.
QList<double> stalls;

QList<Figure> floodFigures(QTextStream &plot)
{
    QList<Figure> figures;
    plot << "# lines kavari_us_per_line kavari_bytes_per_line plain_us plain_bytes xterm_us xterm_bytes\n";
    // xterm's own size, without a log, so that only what its lines take is counted.
    const double xtermBase = runChild({"--flood-xterm", "10"}).value(1);
    for (const long lines : floodSizes) {
        QList<double> window, perLine, kept, plain, plainPerLine, xterm, xtermPerLine, pipe;
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
            stalls << w.value(3);
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
        figures << against("a QPlainTextEdit", plain, plainRatio, 2.5)
                << against("xterm", xterm, xtermRatio, 0.6);
        if (lines != million)
            continue;
        figures << against("the raw pipe, read the same way", pipe, pipeRatio, 0);
        figures << Figure {"resident memory per log line, " + size + " lines",
                           medianAndWorst(perLine, "B", 0),
                           QString("QPlainTextEdit %1 B, xterm %2 B")
                               .arg(median(plainPerLine), 0, 'f', 0)
                               .arg(median(xtermPerLine), 0, 'f', 0),
                           "-",
                           "at most 300 B",
                           median(perLine) <= 300};
        figures << Figure {"memory kept after the next start cleared a " + size + "-line log",
                           "+" + medianAndWorst(kept, "MB"),
                           "the fresh window",
                           "-",
                           "at most +50 MB",
                           median(kept) <= 50};
    }
    return figures;
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

Figure realDownloadFigure(const QString &scratch)
{
    const QString tools[] = {"yt-dlp", "ffmpeg", "python3"};
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return {"real download, 50 MB clip", tool + " missing", "-", "-", "0.98x to 1.05x", false};
    }
    const QString clip = scratch + "/served/clip.mp4";
    QDir().mkpath(scratch + "/served");
    // Noise does not compress: about 50 MB for 10 seconds.
    QProcess::execute(
        "ffmpeg",
        {"-nostdin", "-loglevel", "error",     "-y",
         "-f",       "lavfi",     "-i",        "nullsrc=s=640x360:r=25:d=10,geq=random(1)*255:128:128",
         "-f",       "lavfi",     "-i",        "sine=frequency=440:duration=10",
         "-c:v",     "mpeg4",     "-b:v",      "40M",
         "-c:a",     "aac",       "-shortest", clip});
    const double sizeMb = QFileInfo(clip).size() / 1e6;

    LocalHttpServer server;
    if (!server.start(scratch + "/served"))
        return {"real download, 50 MB clip", "no local HTTP server", "-", "-", "0.98x to 1.05x", false};
    const QString url = server.url("clip.mp4");

    // Both runs in the same HOME, with a cache folder, as a user has it.
    const QString home = scratch + "/home";
    QDir().mkpath(home + "/.cache");
    qputenv("HOME", QFile::encodeName(home));

    QList<double> ratios, window, direct;
    bool allComplete = true;
    for (int i = 0; i < downloadRepeats; ++i) {
        const QString folder = scratch + QString("/out%1").arg(i);
        const auto throughWindow = [&] {
            KavariWindow kavari;
            kavari.show();
            if (!QTest::qWaitForWindowExposed(&kavari))
                qWarning("the window was not shown");
            TickWatch ticks(&kavari);
            kavari.findChild<QComboBox *>("qualityCombo")->setCurrentIndex(2);
            kavari.findChild<QLineEdit *>("urlEdit")->setText(url);
            kavari.findChild<QLineEdit *>("outputDirEdit")->setText(folder + "/window");
            QElapsedTimer clock;
            clock.start();
            kavari.findChild<QPushButton *>("downloadButton")->click();
            waitForFinished(kavari.findChild<QProcess *>());
            stalls << ticks.worstGapMs;
            allComplete = allComplete && kavari.findChild<QLabel *>("statusLabel")->text() == "Complete";
            return clock.nsecsElapsed() / 1e6;
        };
        // The same program, arguments and streams as the window gives it.
        const auto directly = [&](const QString &name) {
            QProcess ytdlp;
            ytdlp.setStandardInputFile(QProcess::nullDevice());
            QObject::connect(&ytdlp, &QProcess::readyReadStandardOutput, &ytdlp,
                             [&ytdlp] { ytdlp.readAllStandardOutput(); });
            QObject::connect(&ytdlp, &QProcess::readyReadStandardError, &ytdlp,
                             [&ytdlp] { ytdlp.readAllStandardError(); });
            QElapsedTimer clock;
            clock.start();
            ytdlp.start(QStandardPaths::findExecutable("yt-dlp"),
                        {"--no-playlist", "--playlist-items", "1", "-f", "bestvideo+bestaudio/best", "-o",
                         folder + "/" + name + "/%(title)s.%(ext)s", "--newline", "--", url});
            waitForFinished(&ytdlp);
            allComplete = allComplete && ytdlp.exitCode() == 0;
            return clock.nsecsElapsed() / 1e6;
        };
        // The window's run between two direct ones, against their mean: neither the order of the
        // runs nor a drift of the machine's speed favours one side.
        const double before = directly("before");
        window << throughWindow();
        const double after = directly("after");
        direct << (before + after) / 2;
        ratios << window.last() / direct.last();
    }
    const double ratio = median(ratios);
    return {QString("real download, %1 MB clip, Best Video + Audio").arg(sizeMb, 0, 'f', 0),
            ms(median(window)) + (allComplete ? "" : " (not all Complete)"),
            ms(median(direct)) + " (yt-dlp run directly)",
            ratioText(ratios, 3),
            "0.98x to 1.05x",
            ratio >= 0.98 && ratio <= 1.05 && allComplete};
}

Figure startupFigure()
{
    QList<double> kavari, bare, ratios;
    for (int i = 0; i < repeats; ++i) {
        qint64 started = 0;
        kavari << (runChild({"--first-paint", "kavari"}, &started).value(0) - started) / 1e6;
        bare << (runChild({"--first-paint", "bare"}, &started).value(0) - started) / 1e6;
        ratios << kavari.last() / bare.last();
    }
    const double ratio = median(ratios);
    return {"start-up, process start to first paint", ms(median(kavari)), ms(median(bare)) + " (bare window)",
            QString::number(ratio, 'f', 2) + "x",     "at most 1.3x",     ratio <= 1.3};
}

int runAll(const QString &output, const QStringList &only)
{
    const auto wanted = [&only](const char *name) { return only.isEmpty() || only.contains(name); };
    QTemporaryDir scratch;
    QList<Figure> figures;
    QString plotData;
    QTextStream plot(&plotData);
    if (wanted("flood"))
        figures << floodFigures(plot);
    if (wanted("cancel"))
        figures << cancelFigure();
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
        QFile file(output);
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
            << table << "\n![Time and memory per log line](benchmarks.png)\n";
        QFile data(QFileInfo(output).path() + "/benchmarks.dat");
        if (!plotData.isEmpty() && data.open(QIODevice::WriteOnly | QIODevice::Truncate))
            data.write(plotData.toUtf8());
    }
    return 0;
}
} // namespace

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
    if (mode == "--cancel-flood")
        return cancelFlood();
    if (mode == "--first-paint")
        return firstPaint(arguments.value(2) == "kavari");
    // [--output FILE] [flood] [cancel] [download] [startup]: all figures unless some are named.
    QStringList only = arguments.mid(1);
    QString output;
    if (mode == "--output") {
        output = arguments.value(2);
        only = arguments.mid(3);
    }
    return runAll(output, only);
}
