// SPDX-License-Identifier: GPL-3.0-or-later
// Kavari as a whole program, set up as main() sets it up, that starts a download of the link
// in argv[1] into the folder in argv[2] as soon as its event loop runs.
#include "kavariwindow.h"
#include "terminationsignals.h"
#include "windowaccess.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    KavariWindow window;
    closeOnTerminationSignals();
    window.show();
    control<QLineEdit>(window, "urlEdit")->setText(QString::fromLocal8Bit(argv[1]));
    control<QLineEdit>(window, "outputDirEdit")->setText(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(0, &window, [&window] { control<QPushButton>(window, "downloadButton")->click(); });
    return app.exec();
}
