// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
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
    bus.connect(service, path, service, "NotificationClosed", this, SLOT(onNotificationClosed(uint)));
    bus.connect("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameOwnerChanged",
                QStringList {service}, QString(), this, SLOT(onServerChanged()));
}

void DesktopNotifier::notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (bodyMarkup) {
        send(summary, body);
        return;
    }
    // Never wait on the GUI thread for a server that may be slow or missing.
    const auto ask = QDBusMessage::createMethodCall(service, path, service, "GetCapabilities");
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, summary, body] {
        const QDBusPendingReply<QStringList> reply = *watcher;
        bodyMarkup = reply.isValid() && reply.value().contains("body-markup");
        send(summary, body);
        watcher->deleteLater();
    });
}

void DesktopNotifier::send(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, "Notify");
    const QString id = QGuiApplication::desktopFileName();
    // A server that shows markup would take a < or & of a link for markup; another shows it as it is.
    call << QString("Kavari") << shownId << id << summary
         << (bodyMarkup.value_or(false) ? body.toHtmlEscaped() : body)
         << QStringList {"default", tr("Show Kavari")} << QVariantMap {{"desktop-entry", id}} << -1;
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
    if (id != 0 && id == shownId && action == "default")
        emit activated();
}

// On Wayland a window may come to the front only with a token from the one the user clicked.
void DesktopNotifier::onActivationToken(uint id, const QString &token)
{
    if (id != 0 && id == shownId)
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

void DesktopNotifier::onNotificationClosed(uint id)
{
    if (id == shownId)
        shownId = 0;
}

void DesktopNotifier::onServerChanged()
{
    shownId = 0;
    bodyMarkup.reset();
}

void bringToFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    // A token is good for one activation.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

QString downloadNotice(const QStringList &links, const QString &folder)
{
    if (links.size() > 1)
        return DesktopNotifier::tr("%1 and %Ln more\ninto %2", "", int(links.size() - 1))
            .arg(links.value(0), folder);
    return DesktopNotifier::tr("%1\ninto %2").arg(links.value(0), folder);
}
