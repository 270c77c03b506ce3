// SPDX-License-Identifier: GPL-3.0-or-later
#include "childenvironment.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

extern char **environ;

namespace {
// An empty entry would mean the working folder: there is none.
QByteArrayList folders(const QByteArray &path)
{
    QByteArrayList list = path.split(':');
    list.removeAll(QByteArray());
    return list;
}

// The folders of a PATH that is unset or empty: the system's default, never the working folder.
QByteArrayList defaultSearchPath()
{
    QByteArray value(confstr(_CS_PATH, nullptr, 0), '\0');
    if (value.isEmpty() || confstr(_CS_PATH, value.data(), value.size()) == 0)
        return {"/bin", "/usr/bin"};
    value.chop(1);
    return folders(value);
}
} // namespace

QByteArrayList childSearchPath(const QByteArray &home, const QByteArray &inherited)
{
    QByteArrayList searched = folders(inherited);
    if (searched.isEmpty())
        searched = defaultSearchPath();
    if (!home.startsWith('/'))
        return searched;
    return QByteArrayList {home + "/.deno/bin", home + "/.local/bin"} + searched;
}

ChildEnvironment childEnvironment()
{
    ChildEnvironment child;
    child.searchPath = childSearchPath(qgetenv("HOME"), qgetenv("PATH"));
    child.variables += "PATH=" + child.searchPath.join(':');
    for (char **variable = environ; *variable; ++variable) {
        const QByteArray entry(*variable);
        // A token from a clicked notification is for bringing Kavari to the front, not for yt-dlp.
        if (!entry.startsWith("PATH=") && !entry.startsWith("XDG_ACTIVATION_TOKEN="))
            child.variables += entry;
    }
    return child;
}

QByteArray findProgram(const QByteArray &name, const QByteArrayList &folders)
{
    for (const QByteArray &folder : folders) {
        const QByteArray file = folder + '/' + name;
        struct stat status;
        if (::stat(file.constData(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::access(file.constData(), X_OK) == 0)
            return file;
    }
    return {};
}

ChildCommand childCommand(const QByteArray &program, const QStringList &arguments,
                          const ChildEnvironment &environment)
{
    ChildCommand command {program, {}, environment.variables};
    for (const QString &argument : arguments)
        command.arguments += QFile::encodeName(argument);
    return command;
}

QStringList decodedNames(const QByteArrayList &names)
{
    QStringList decoded;
    for (const QByteArray &name : names)
        decoded += QFile::decodeName(name);
    return decoded;
}
