// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTest>

// The window's controls, found the way a test (or an accessibility tool) finds them: by object name.
template<typename T> T *control(QObject &window, const char *name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qWarning("no control named %s", name);
    return found;
}
