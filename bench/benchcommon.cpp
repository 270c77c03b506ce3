// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <unistd.h>

QList<double> stalls;

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

void waitForFinished(QProcess *process)
{
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitForReport(QPushButton *button)
{
    while (button->text() != "Download")
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QList<double> runChild(const QStringList &arguments, qint64 *startedNs)
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

QString ms(double value)
{
    return QString::number(value, 'f', 1) + " ms";
}

QString ratioText(const QList<double> &ratios, int decimals)
{
    return QString("%1x (worst %2x)")
        .arg(median(ratios), 0, 'f', decimals)
        .arg(worst(ratios), 0, 'f', decimals);
}

QString medianAndWorst(const QList<double> &values, const QString &unit, int decimals)
{
    return QString("%1 %3 (worst %2)")
        .arg(median(values), 0, 'f', decimals)
        .arg(worst(values), 0, 'f', decimals)
        .arg(unit);
}

FloodedWindow::FloodedWindow(long lines)
    : FloodedWindow(QStringList {QString::number(lines)})
{
}

FloodedWindow::FloodedWindow(const QStringList &generator)
{
    // The writer is the process Kavari starts, as yt-dlp is, and notes the moment it is done.
    fake.install("if [ -e flooded ]; then exit 0; fi\ntouch flooded\nFLOODGEN_END=writer.end exec '" +
                 QFile::encodeName(floodgen()) + "' " + generator.join(' ').toUtf8());
    window.resize(760, 600);
    window.show();
    window.findChild<QLineEdit *>("urlEdit")->setText(benchLink);
    window.findChild<QLineEdit *>("outputDirEdit")->setText(fake.filePath("out"));
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("the window was not shown");
    QTest::qWait(200);
}
