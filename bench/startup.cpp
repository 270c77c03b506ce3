// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: process start to the first paint, against a bare window.
#include "bench.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextEdit>

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
