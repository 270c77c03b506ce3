// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what users feel of the real KavariWindow, each figure beside a baseline from the same run.
// Runs on a real display (Xvfb): see scripts/bench.
#include "fakeytdlp.h"
#include "kavariwindow.h"
#include "localhttpserver.h"
#include "windowaccess.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <unistd.h>

namespace {
constexpr int repeats = 5;
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

QString floodgen()
{
    return QCoreApplication::applicationDirPath() + "/kavari_floodgen";
}

// Ticks every 10 ms on the GUI thread and keeps the largest gap between two ticks.
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
        timer.start(10);
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

// Child modes, each a fresh process so that memory and start-up figures start from nothing.

int floodWindow(long lines)
{
    FakeYtDlp fake;
    fake.useAsHome();
    fake.install("exec '" + QFile::encodeName(floodgen()) + "' " + QByteArray::number(qlonglong(lines)));
    KavariWindow window;
    window.show();
    control<QLineEdit>(window, "urlEdit")->setText(link);
    control<QLineEdit>(window, "outputDirEdit")->setText(fake.filePath("out"));
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(200);

    const qint64 before = residentBytes();
    TickWatch ticks(&window);
    QElapsedTimer clock;
    clock.start();
    control<QPushButton>(window, "downloadButton")->click();
    waitForFinished(window.findChild<QProcess *>());
    const double ms = clock.nsecsElapsed() / 1e6;
    const bool complete = control<QLabel>(window, "statusLabel")->text() == "Complete";
    QTextStream(stdout) << ms << ' ' << ticks.worstGapMs << ' ' << (residentBytes() - before) << ' '
                        << (complete ? 1 : 0) << '\n';
    return 0;
}

int floodBaseline(long lines)
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

QString runChild(const QStringList &arguments, qint64 *startedNs = nullptr)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (startedNs)
        *startedNs = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
}

struct Figure
{
    QString name;
    QString measured;
    QString baseline;
    QString ratio;
    QString target;
    bool met;
};

QString ms(double value)
{
    return QString::number(value, 'f', 1) + " ms";
}

QList<Figure> floodFigures()
{
    QList<double> window, baseline, gaps, perLine;
    bool allComplete = true;
    const long lines = 200000;
    for (int i = 0; i < repeats; ++i) {
        const QStringList w = runChild({"--flood-window", QString::number(lines)}).split(' ');
        window << w.value(0).toDouble();
        gaps << w.value(1).toDouble();
        perLine << w.value(2).toDouble() / lines;
        allComplete = allComplete && w.value(3) == "1";
        baseline << runChild({"--flood-baseline", QString::number(lines)}).toDouble();
    }
    const QStringList million = runChild({"--flood-window", "1000000"}).split(' ');
    const double millionPerLine = million.value(2).toDouble() / 1000000;

    QList<double> ratios;
    for (int i = 0; i < repeats; ++i)
        ratios << window.at(i) / baseline.at(i);
    const double ratio = median(ratios);
    return {
        {"log ingest, 200,000 lines", ms(median(window)) + (allComplete ? "" : " (not all Complete)"),
         ms(median(baseline)), QString::number(ratio, 'f', 2) + "x", "at most 2.5x",
         ratio <= 2.5 && allComplete},
        {"responsiveness, worst 10 ms tick gap", ms(median(gaps)), "-", "-", "at most 50 ms",
         median(gaps) <= 50},
        {"memory per log line, 200,000 lines", QString::number(median(perLine), 'f', 0) + " bytes", "-", "-",
         "at most 900 bytes", median(perLine) <= 900},
        {"memory per log line, 1,000,000 lines", QString::number(millionPerLine, 'f', 0) + " bytes", "-", "-",
         "at most 900 bytes", millionPerLine <= 900},
    };
}

Figure cancelFigure()
{
    QList<double> times;
    bool nothingLeft = true;
    for (int i = 0; i < repeats; ++i) {
        FakeYtDlp fake;
        fake.useAsHome();
        fake.install(FakeYtDlp::hangWithGrandchild());
        KavariWindow window;
        window.show();
        control<QLineEdit>(window, "urlEdit")->setText(link);
        control<QLineEdit>(window, "outputDirEdit")->setText(fake.filePath("out"));
        control<QPushButton>(window, "downloadButton")->click();
        auto *log = control<QTextEdit>(window, "outputLog");
        if (!QTest::qWaitFor([log] { return log->toPlainText().contains("ready"); }, 10000))
            nothingLeft = false;
        const qint64 child = fake.recordedPid("child.pid");
        const qint64 grandchild = fake.recordedPid("grandchild.pid");

        QElapsedTimer clock;
        clock.start();
        control<QPushButton>(window, "downloadButton")->click();
        while ((isProcessAlive(child) || isProcessAlive(grandchild)) && clock.elapsed() < 5000)
            QThread::usleep(100);
        times << clock.nsecsElapsed() / 1e6;
        nothingLeft = nothingLeft && !isProcessAlive(child) && !isProcessAlive(grandchild);
        QTest::qWait(50);
    }
    return {"Cancel, until child and grandchild are gone",
            ms(median(times)) + (nothingLeft ? "" : ", some left"),
            "-",
            "-",
            "under 50 ms, nothing left",
            median(times) < 50 && nothingLeft};
}

Figure realDownloadFigure(const QString &scratch)
{
    const QString tools[] = {"yt-dlp", "ffmpeg", "python3"};
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return {"real download, 50 MB clip", tool + " missing", "-", "-", "at most 1.05x", false};
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
        return {"real download, 50 MB clip", "no local HTTP server", "-", "-", "at most 1.05x", false};
    const QString url = server.url("clip.mp4");

    QList<double> ratios, window, direct;
    bool allComplete = true;
    for (int i = 0; i < repeats; ++i) {
        // Alternate which goes first, so that neither always meets a cold cache.
        const auto throughWindow = [&] {
            KavariWindow kavari;
            kavari.show();
            control<QComboBox>(kavari, "qualityCombo")->setCurrentIndex(2);
            control<QLineEdit>(kavari, "urlEdit")->setText(url);
            control<QLineEdit>(kavari, "outputDirEdit")->setText(scratch + QString("/window%1").arg(i));
            QElapsedTimer clock;
            clock.start();
            control<QPushButton>(kavari, "downloadButton")->click();
            waitForFinished(kavari.findChild<QProcess *>());
            window << clock.nsecsElapsed() / 1e6;
            allComplete = allComplete && control<QLabel>(kavari, "statusLabel")->text() == "Complete";
        };
        const auto directly = [&] {
            QProcess ytdlp;
            QObject::connect(&ytdlp, &QProcess::readyReadStandardOutput, &ytdlp,
                             [&ytdlp] { ytdlp.readAllStandardOutput(); });
            QElapsedTimer clock;
            clock.start();
            ytdlp.start("yt-dlp",
                        {"--no-playlist", "-f", "bestvideo+bestaudio/best", "-o",
                         scratch + QString("/direct%1").arg(i) + "/%(title)s.%(ext)s", "--newline", "--",
                         url});
            waitForFinished(&ytdlp);
            direct << clock.nsecsElapsed() / 1e6;
        };
        if (i % 2 == 0) {
            throughWindow();
            directly();
        } else {
            directly();
            throughWindow();
        }
        ratios << window.last() / direct.last();
    }
    const double ratio = median(ratios);
    return {QString("real download, %1 MB clip, Best Video + Audio").arg(sizeMb, 0, 'f', 0),
            ms(median(window)) + (allComplete ? "" : " (not all Complete)"),
            ms(median(direct)),
            QString::number(ratio, 'f', 3) + "x",
            "at most 1.05x",
            ratio <= 1.05 && allComplete};
}

Figure startupFigure()
{
    QList<double> kavari, bare, ratios;
    for (int i = 0; i < repeats; ++i) {
        qint64 started = 0;
        kavari << (runChild({"--first-paint", "kavari"}, &started).toLongLong() - started) / 1e6;
        bare << (runChild({"--first-paint", "bare"}, &started).toLongLong() - started) / 1e6;
        ratios << kavari.last() / bare.last();
    }
    const double ratio = median(ratios);
    return {"start-up, process start to first paint", ms(median(kavari)), ms(median(bare)),
            QString::number(ratio, 'f', 2) + "x",     "at most 1.3x",     ratio <= 1.3};
}

int runAll(const QString &output, const QStringList &only)
{
    const auto wanted = [&only](const char *name) { return only.isEmpty() || only.contains(name); };
    QTemporaryDir scratch;
    QList<Figure> figures;
    if (wanted("flood"))
        figures << floodFigures();
    if (wanted("cancel"))
        figures << cancelFigure();
    if (wanted("download"))
        figures << realDownloadFigure(scratch.path());
    if (wanted("startup"))
        figures << startupFigure();

    QString table = "| figure | Kavari | baseline | ratio | target | met |\n|---|---|---|---|---|---|\n";
    for (const Figure &f : figures)
        table += QString("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                     .arg(f.name, f.measured, f.baseline, f.ratio, f.target, f.met ? "yes" : "no");
    QTextStream(stdout) << table;

    if (!output.isEmpty()) {
        QFile file(output);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QTextStream(&file) << "# Benchmarks\n\n"
                           << "Measured on " << QDateTime::currentDateTimeUtc().toString("yyyy-MM-dd")
                           << " on a machine with " << QThread::idealThreadCount() << " cores, with\n\n"
                           << "```sh\nscripts/bench\n```\n\n"
                           << "Each figure is the median of " << repeats
                           << " runs; a ratio is taken run by run against its baseline from the same run.\n"
                              "The window runs under Xvfb.\n\n"
                           << table;
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString mode = arguments.value(1);
    if (mode == "--flood-window")
        return floodWindow(arguments.value(2).toLong());
    if (mode == "--flood-baseline")
        return floodBaseline(arguments.value(2).toLong());
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
