// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskbarprogress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>

void TaskbarProgress::show(double fraction)
{
    visible = true;
    send({{"progress", fraction}, {"progress-visible", true}});
}

void TaskbarProgress::hide()
{
    if (!visible)
        return;
    visible = false;
    send({{"progress-visible", false}});
}

void TaskbarProgress::send(const QVariantMap &properties)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal("/org/tolmend/Kavari/LauncherEntry",
                                                     "com.canonical.Unity.LauncherEntry", "Update");
    update << "application://" + QGuiApplication::desktopFileName() + ".desktop" << properties;
    bus.send(update);
}
