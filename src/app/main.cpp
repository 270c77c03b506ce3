// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"
#include "terminationsignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The desktop entry's name: the Wayland app_id, and the id notifications name.
    QGuiApplication::setDesktopFileName("org.tolmend.Kavari");
    KavariWindow window;
    closeOnTerminationSignals();
    window.show();
    return app.exec();
}
