// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>

namespace {
const QString service = "org.freedesktop.Notifications";
const QString path = "/org/freedesktop/Notifications";
} // namespace

DesktopNotifier::DesktopNotifier(QObject *parent)
    : QObject(parent)
{
    // QDBusConnection has no member-function-pointer form for bus signals.
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(service, path, service, "ActionInvoked", this, SLOT(onActionInvoked(uint, QString)));
    bus.connect(service, path, service, "ActivationToken", this, SLOT(onActivationToken(uint, QString)));
}

void DesktopNotifier::notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, "Notify");
    const QString id = QGuiApplication::desktopFileName();
    // Servers that show markup would take a < or & of a link for markup.
    call << QString("Kavari") << shownId << id << summary << body.toHtmlEscaped()
         << QStringList {"default", "Show Kavari"} << QVariantMap {{"desktop-entry", id}} << -1;
    // Never wait on the GUI thread for a server that may be slow or missing.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isValid())
            shownId = reply.value();
        watcher->deleteLater();
    });
}

void DesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    if (id == shownId && action == "default")
        emit activated();
}

// On Wayland a window may come to the front only with a token from the one the user clicked.
void DesktopNotifier::onActivationToken(uint id, const QString &token)
{
    if (id == shownId)
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

void bringToFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

QString downloadNotice(const QStringList &links, const QString &folder)
{
    const QString more = links.size() > 1 ? QString(" and %1 more").arg(links.size() - 1) : QString();
    return links.value(0) + more + "\ninto " + folder;
}
