// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeytdlp.h"

#include <QDir>
#include <QFile>

FakeYtDlp::FakeYtDlp()
{
    QDir(dir.path()).mkpath(".local/bin");
}

bool FakeYtDlp::isValid() const
{
    return dir.isValid();
}

QString FakeYtDlp::home() const
{
    return dir.path();
}

QString FakeYtDlp::filePath(const QString &name) const
{
    return dir.filePath(name);
}

void FakeYtDlp::useAsHome() const
{
    qputenv("HOME", home().toLocal8Bit());
}

void FakeYtDlp::install(const QByteArray &body) const
{
    const QByteArray record = QFile::encodeName(home());
    QFile script(filePath(".local/bin/yt-dlp"));
    script.open(QIODevice::WriteOnly | QIODevice::Truncate);
    script.write("#!/bin/sh\n"
                 "cd '" +
                 record +
                 "' || exit 99\n"
                 "echo $$ > child.pid.tmp && mv child.pid.tmp child.pid\n"
                 "printf '%s\\0' \"$@\" > arguments\n"
                 "printf '%s' \"$PATH\" > path\n");
    script.write(body);
    script.write("\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList FakeYtDlp::recordedArguments() const
{
    QFile file(filePath("arguments"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    data.chop(1);
    QStringList arguments;
    for (const QByteArray &argument : data.split('\0'))
        arguments << QString::fromUtf8(argument);
    return arguments;
}

QString FakeYtDlp::recordedPath() const
{
    QFile file(filePath("path"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

qint64 FakeYtDlp::recordedPid(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
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
    if (pid <= 0)
        return false;
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    const char state = end >= 0 && end + 2 < line.size() ? line.at(end + 2) : 'X';
    return state != 'Z' && state != 'X';
}
