// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "kavariwindow.h"
#include "terminationsignals.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The desktop entry's name: the Wayland app_id, and the id notifications name.
    QGuiApplication::setDesktopFileName("org.tolmend.Kavari");
    installTranslations(&app, QLocale::system().uiLanguages());
    const QStringList links = readCommandLine(QApplication::arguments());
    KavariWindow window;
    window.setLinks(links);
    closeOnTerminationSignals();
    window.show();
    return app.exec();
}
