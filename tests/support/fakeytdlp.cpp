// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeytdlp.h"

#include <QDir>
#include <QFile>

FakeYtDlp::FakeYtDlp()
{
    QDir(dir.path()).mkpath(".local/bin");
}

void FakeYtDlp::useAsHome() const
{
    qputenv("HOME", QFile::encodeName(home()));
}

void FakeYtDlp::install(const QByteArray &body) const
{
    QFile script(filePath(".local/bin/yt-dlp"));
    script.open(QIODevice::WriteOnly | QIODevice::Truncate);
    script.write("#!/bin/sh\ncd '" + QFile::encodeName(home()) +
                 "' || exit 99\n"
                 "echo $$ > child.pid.tmp && mv child.pid.tmp child.pid\n"
                 "printf '%s\\0' \"$@\" > arguments\n"
                 "printf '%s' \"$PATH\" > path\n" +
                 body + "\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray FakeYtDlp::recorded(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FakeYtDlp::recordedArguments() const
{
    const QByteArray data = recorded("arguments");
    QStringList arguments;
    for (const QByteArray &argument : data.left(data.size() - 1).split('\0'))
        arguments << QString::fromUtf8(argument);
    return arguments;
}

QByteArray FakeYtDlp::hangWithGrandchild()
{
    return "sleep 300 &\n"
           "echo $! > grandchild.pid.tmp && mv grandchild.pid.tmp grandchild.pid\n"
           "echo ready\n"
           "wait\n";
}

bool isProcessAlive(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    const char state = end >= 0 && end + 2 < line.size() ? line.at(end + 2) : 'X';
    return state != 'Z' && state != 'X';
}
