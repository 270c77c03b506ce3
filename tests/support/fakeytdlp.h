// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary HOME whose .local/bin holds a shell script named yt-dlp. The script records
// each start in "starts", its arguments, its PATH and its pid, then runs the body a test gives
// it; --version runs the script "version" of the home folder instead, if there is one. While the fake
// lives, HOME points at it; HOME and PATH are as before once it is gone, and the variables that
// name a release to update from are unset.
class FakeYtDlp
{
public:
    FakeYtDlp();
    ~FakeYtDlp();

    QString home() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    // A body that starts with #! is the whole script.
    void install(const QByteArray &body) const;

    // What the script wrote into a file of its home: "arguments", "path", "child.pid", ...
    QByteArray recorded(const QString &name) const;
    QStringList recordedArguments() const;
    qint64 recordedPid(const QString &name) const { return recorded(name).trimmed().toLongLong(); }

    // Leaves a grandchild behind, prints "ready" and hangs until killed; where the home holds a
    // mount, it hangs writing to its file.
    static constexpr const char *hangWithGrandchild =
        "sleep 300 &\n"
        "echo $! > grandchild.pid.tmp && mv grandchild.pid.tmp grandchild.pid\n"
        "echo ready\n[ -e mount/file ] && echo ready > mount/file\nexec sleep 300\n";

private:
    QTemporaryDir dir;
    const QByteArray ownHome = qgetenv("HOME");
    const QByteArray ownPath = qgetenv("PATH");
};

// An executable file with that text, in a folder made if missing.
void writeScript(const QString &path, const QByteArray &text);
// What a file holds, named in bytes as the system names it; empty when it cannot be read.
QByteArray contents(const QByteArray &path);
// Every file of these folders under home, by its path from there; a link as where it points.
QMap<QString, QByteArray> filesUnder(const QString &home, const QStringList &folders);
// This process's resident memory, or its peak since the last reset, in KiB, as the kernel counts them.
qint64 memoryKiB(const char *field, bool reset = false);
// True while the process exists and is no zombie (an orphan's zombie may wait long for a reaper).
bool isProcessAlive(qint64 pid);
