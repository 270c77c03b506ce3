// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// Desktop notifications through org.freedesktop.Notifications on the session bus. Without a
// bus or a notification server nothing is shown, and nothing fails.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject *parent = nullptr);

    // Replaces the notification shown before, if it is still there.
    void notify(const QString &summary, const QString &body);

signals:
    // The user clicked the notification itself (its default action).
    void activated();

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onActivationToken(uint id, const QString &token);
    void onNotificationClosed(uint id);
    void onServerChanged();

private:
    void send(const QString &summary, const QString &body);

    // The server's number for Kavari's notification; 0 when none is shown. Another server, or the
    // same one started anew, gives its numbers to others.
    uint shownId = 0;
    // Whether the server reads markup in the body; asked once per server.
    std::optional<bool> bodyMarkup;
};

class QWidget;
// What the click on a notification does: the window to the front, also out of the minimised state.
void bringToFront(QWidget *window);
// What a notification of a run's end says: its first link, how many more, and where they went.
QString downloadNotice(const QStringList &links, const QString &folder);
