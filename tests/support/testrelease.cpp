// SPDX-License-Identifier: GPL-3.0-or-later
#include "testrelease.h"
#include "fakeytdlp.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
bool run(const QString &program, const QStringList &arguments, const QString &gnupgHome = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!gnupgHome.isEmpty())
        environment.insert("GNUPGHOME", gnupgHome);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A zip of the file, by Python's zipfile, which names it without its folder.
bool zipFile(const QString &file, const QString &zip)
{
    return run("/usr/bin/python3", {"-m", "zipfile", "-c", zip, file});
}

QByteArray sumLine(const QString &path, const QByteArray &name)
{
    return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256).toHex() + "  " + name + "\n";
}
} // namespace

TestRelease::~TestRelease()
{
    run("gpgconf", {"--kill", "gpg-agent"}, keys.filePath("gnupg"));
}

bool TestRelease::makeKeys()
{
    // gpg wants its home folder closed to others.
    return QDir().mkdir(keys.filePath("gnupg")) &&
        QFile::setPermissions(keys.filePath("gnupg"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
        run("gpg",
            {"--batch", "--passphrase", "", "--quick-gen-key", "Kavari test release", "ed25519", "sign",
             "never"},
            keys.filePath("gnupg")) &&
        run("gpg",
            {"--batch", "--passphrase", "", "--quick-gen-key", "Someone else", "ed25519", "sign", "never"},
            keys.filePath("gnupg")) &&
        run("gpg", {"--batch", "--yes", "-o", keyring(), "--export", "Kavari test release"},
            keys.filePath("gnupg"));
}

bool TestRelease::writeYtDlp(const QString &path, const QString &version)
{
    QTemporaryDir source;
    const QByteArray main = "import sys\nif '--version' in sys.argv:\n    print('" + version.toUtf8() +
        "')\nelse:\n    sys.exit('ERROR: Unsupported URL')\n";
    if (!writeFile(source.filePath("__main__.py"), main) ||
        !zipFile(source.filePath("__main__.py"), source.filePath("zip")))
        return false;
    writeScript(path, "#!/usr/bin/env python3\n" + readFile(source.filePath("zip")));
    return true;
}

bool TestRelease::write(const QString &folder, const QString &ytDlpVersion, const QString &denoVersion,
                        bool another) const
{
    const QDir release(folder);
    const QString archive = "deno-x86_64-unknown-linux-gnu.zip";
    writeScript(release.filePath("deno"),
                "#!/bin/sh\necho 'deno " + denoVersion.toUtf8() +
                    " (stable, release, x86_64-unknown-linux-gnu)'\n");
    return writeYtDlp(release.filePath("yt-dlp"), ytDlpVersion) &&
        writeFile(release.filePath("SHA2-256SUMS"), sumLine(release.filePath("yt-dlp"), "yt-dlp")) &&
        run("gpg",
            {"--batch", "--yes", "-u", another ? "Someone else" : "Kavari test release", "-o",
             release.filePath("SHA2-256SUMS.sig"), "--detach-sign", release.filePath("SHA2-256SUMS")},
            keys.filePath("gnupg")) &&
        zipFile(release.filePath("deno"), release.filePath(archive)) &&
        writeFile(release.filePath(archive + ".sha256sum"),
                  sumLine(release.filePath(archive), archive.toUtf8()));
}
