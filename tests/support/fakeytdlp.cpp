// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeytdlp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

FakeYtDlp::FakeYtDlp()
{
    QDir(dir.path()).mkpath(".local/bin");
    qputenv("HOME", QFile::encodeName(home()));
}

FakeYtDlp::~FakeYtDlp()
{
    qputenv("HOME", ownHome);
    qputenv("PATH", ownPath);
    for (const char *release :
         {"KAVARI_YTDLP_RELEASE_URL", "KAVARI_DENO_RELEASE_URL", "KAVARI_YTDLP_KEYRING"})
        qunsetenv(release);
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

QByteArray contents(const QByteArray &path)
{
    QByteArray bytes;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    char buffer[65536];
    for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

QMap<QString, QByteArray> filesUnder(const QString &home, const QStringList &folders)
{
    QMap<QString, QByteArray> found;
    for (const QString &folder : folders) {
        for (QDirIterator it(home + '/' + folder, QDir::Files | QDir::Hidden | QDir::System); it.hasNext();) {
            const QFileInfo entry(it.next());
            found[QDir(home).relativeFilePath(entry.filePath())] = entry.isSymLink()
                ? entry.symLinkTarget().toUtf8()
                : contents(QFile::encodeName(entry.filePath()));
        }
    }
    return found;
}

qint64 memoryKiB(const char *field, bool reset)
{
    QFile clear("/proc/self/clear_refs");
    if (reset && clear.open(QIODevice::WriteOnly))
        clear.write("5");
    QFile status("/proc/self/status");
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = text.indexOf(field) + qstrlen(field);
    return text.mid(at, text.indexOf('\n', at) - at).trimmed().split(' ').first().toLongLong();
}
