// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariantMap>

// Progress on the task-bar entry, the way KDE Plasma's task manager and the docks of GNOME read
// it: com.canonical.Unity.LauncherEntry's Update signal on the session bus, sent and forgotten.
// Without a bus nothing is sent.
class TaskbarProgress
{
public:
    void show(double fraction);
    // Sent only where a fraction was shown.
    void hide();

private:
    static void send(const QVariantMap &properties);
    bool visible = false;
};
