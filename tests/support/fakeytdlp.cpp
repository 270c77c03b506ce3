// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeytdlp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FakeYtDlp::FakeYtDlp()
{
    QDir(dir.path()).mkpath(".local/bin");
    qputenv("HOME", QFile::encodeName(home()));
}

FakeYtDlp::~FakeYtDlp()
{
    qputenv("HOME", ownHome);
    qputenv("PATH", ownPath);
}

void writeScript(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile script(path);
    script.open(QIODevice::WriteOnly | QIODevice::Truncate);
    script.write(text);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void FakeYtDlp::install(const QByteArray &body) const
{
    // The body's own commands are found whatever PATH the test gave Kavari.
    const QByteArray header = "#!/bin/sh\ncd '" + QFile::encodeName(home()) +
        "' || exit 99\n"
        "printf '%s' \"$PATH\" > path\nPATH=/usr/bin:/bin\n"
        "echo \"$*\" >> starts\n"
        "if [ \"$1\" = --version ]; then [ -f version ] && exec sh version; exit 0; fi\n"
        "echo \"$OLDPWD\" $(ls -A \"$OLDPWD\" | wc -l) > cwd\n"
        "echo $$ > child.pid.tmp && mv child.pid.tmp child.pid\n"
        "printf '%s\\0' \"$@\" > arguments\n";
    writeScript(filePath(".local/bin/yt-dlp"), body.startsWith("#!") ? body : header + body + "\n");
}

QByteArray FakeYtDlp::recorded(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FakeYtDlp::recordedArguments() const
{
    // Each argument ends in a NUL.
    QStringList arguments = QString::fromUtf8(recorded("arguments")).split(QChar(0));
    arguments.removeLast();
    return arguments;
}

bool isProcessAlive(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    // The state is the first field after the command name's closing parenthesis.
    const QByteArray state =
        stat.open(QIODevice::ReadOnly) ? stat.readAll().split(')').last().trimmed() : "X";
    return pid > 0 && !state.startsWith('Z') && !state.startsWith('X');
}
