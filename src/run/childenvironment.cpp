// SPDX-License-Identifier: GPL-3.0-or-later
#include "childenvironment.h"

#include <unistd.h>

namespace {
// The folders of a PATH that is unset or empty: the system's default, never the working folder.
QStringList defaultSearchPath()
{
    QByteArray value(confstr(_CS_PATH, nullptr, 0), '\0');
    if (value.isEmpty() || confstr(_CS_PATH, value.data(), value.size()) == 0)
        return {"/bin", "/usr/bin"};
    return QString::fromLocal8Bit(value.constData()).split(':', Qt::SkipEmptyParts);
}
} // namespace

QStringList childSearchPath(const QString &home, const QString &inherited)
{
    QStringList folders = inherited.split(':', Qt::SkipEmptyParts);
    if (folders.isEmpty())
        folders = defaultSearchPath();
    if (!home.startsWith('/'))
        return folders;
    return QStringList {home + "/.deno/bin", home + "/.local/bin"} + folders;
}

ChildEnvironment childEnvironment()
{
    ChildEnvironment child {QProcessEnvironment::systemEnvironment(), {}};
    child.searchPath = childSearchPath(child.environment.value("HOME"), child.environment.value("PATH"));
    child.environment.insert("PATH", child.searchPath.join(':'));
    return child;
}
