// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"
#include "terminationsignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KavariWindow window;
    closeOnTerminationSignals();
    window.show();
    return app.exec();
}
