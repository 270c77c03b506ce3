// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary HOME whose .local/bin holds a shell script named yt-dlp. The script records
// its arguments, its PATH and its pid, then runs the body a test gives it.
class FakeYtDlp
{
public:
    FakeYtDlp();

    QString home() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    // Makes HOME point at this fake's home for the calling process.
    void useAsHome() const;
    void install(const QByteArray &body) const;

    // What the script wrote into a file of its home: "arguments", "path", "child.pid", ...
    QByteArray recorded(const QString &name) const;
    QStringList recordedArguments() const;
    qint64 recordedPid(const QString &name) const { return recorded(name).trimmed().toLongLong(); }

    // Body that leaves a grandchild behind, prints "ready" and hangs until killed.
    static QByteArray hangWithGrandchild();

private:
    QTemporaryDir dir;
};

// True while the process exists and is no zombie (an orphan's zombie may wait long for a reaper).
bool isProcessAlive(qint64 pid);
