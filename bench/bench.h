// SPDX-License-Identifier: GPL-3.0-or-later
// What the figures of the benchmark share: clocks, medians, the GUI-thread stall watch, a window
// flooded by a fake yt-dlp, and how a figure is run as a child process and reported.
#pragma once

#include "fakeytdlp.h"
#include "kavariwindow.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTimer>

constexpr int repeats = 5;
// A real download varies by a tenth from run to run on a small machine; its ratio needs more runs.
constexpr int downloadRepeats = 11;
constexpr long million = 1000000;
inline const QList<long> floodSizes = {10000, 100000, 1000000};
inline const QString benchLink = "http://127.0.0.1:9/watch?v=bench";

qint64 monotonicNs();
qint64 residentBytes();
double median(QList<double> values);
double worst(const QList<double> &values);
QString floodgen();
void waitForFinished(QProcess *process);
// Until the window has told the end of its run: its log holds all the run printed by then.
void waitForReport(QPushButton *button);
// Runs the benchmark itself with these arguments; what it printed, as numbers.
QList<double> runChild(const QStringList &arguments, qint64 *startedNs = nullptr);

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

// The longest time between two paints of a widget: how long what it shows could lag behind.
struct PaintWatch : QObject
{
    explicit PaintWatch(QWidget *widget)
    {
        widget->installEventFilter(this);
        clock.start();
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const qint64 now = clock.nsecsElapsed();
            if (last > 0)
                worstGapMs = std::max(worstGapMs, (now - last) / 1e6);
            last = now;
        }
        return false;
    }
    QElapsedTimer clock;
    qint64 last = 0;
    double worstGapMs = 0;
};

// A window with a fake yt-dlp that floods the log with the given number of lines, or with what
// kavari_floodgen prints for the arguments, at its first run and ends at once at every later one.
// It notes when the writer ended in "writer.end" of its home, in ns since the epoch.
struct FloodedWindow
{
    explicit FloodedWindow(long lines);
    explicit FloodedWindow(const QStringList &generator);
    QPushButton *button() { return window.findChild<QPushButton *>("downloadButton"); }
    QProcess *process() { return window.findChild<QProcess *>(); }

    FakeYtDlp fake;
    KavariWindow window;
};

struct Figure
{
    QString name;
    QString measured;
    QString anchor;
    QString ratio;
    QString target;
    bool met;
};

QString ms(double value);
QString ratioText(const QList<double> &ratios, int decimals = 2);
QString medianAndWorst(const QList<double> &values, const QString &unit, int decimals = 1);

// Every GUI-thread stall of every run, the worst of which is a figure of its own.
extern QList<double> stalls;

// Child modes, each a fresh process so that memory and start-up figures start from nothing.
int floodWindow(long lines);
int floodPlain(long lines);
int floodPipe(long lines);
int floodXterm(long lines);
int cancelFlood(const QStringList &generator, int seconds);
int floodCase(const QStringList &generator);
int screenReaderFlood(const QStringList &generator);
int firstPaint(bool kavari);

// The figures, measured from the parent side.
QList<Figure> floodFigures(QTextStream &plot);
Figure cancelFigure();
QList<Figure> endlessFigures(int seconds);
QList<Figure> caseFigures();
QList<Figure> screenReaderFigures();
Figure realDownloadFigure(const QString &scratch);
Figure startupFigure();
int runAll(const QString &output, const QStringList &only);
