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

const char *names[] = {"Kavari test release", "Someone else", "Revoked release", "Expired release"};
const char *keyrings[] = {"release.gpg", "release.gpg", "revoked.gpg", "expired.gpg"};
// An expired key signs in its own time, long ago.
const QStringList past = {"--faked-system-time", "20200101T000000"};
} // namespace

TestRelease::~TestRelease()
{
    run("gpgconf", {"--kill", "gpg-agent"}, keys.filePath("gnupg"));
    run("gpgconf", {"--kill", "gpg-agent"}, keys.filePath("revoking"));
}

bool TestRelease::gpg(const QStringList &arguments) const
{
    return run("gpg", QStringList {"--batch", "--yes", "--passphrase", ""} + arguments,
               keys.filePath("gnupg"));
}

// The revoked key is revoked only in the keyring gpgv reads: where it signs, it is still good.
bool TestRelease::makeKeys()
{
    // gpg wants its home folder closed to others.
    const auto privateFolder = [this](const QString &name) {
        return QDir().mkdir(keys.filePath(name)) &&
            QFile::setPermissions(keys.filePath(name),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    if (!privateFolder("gnupg") || !privateFolder("revoking"))
        return false;
    for (const char *name : {names[Release], names[Another], names[Revoked]})
        if (!gpg({"--quick-gen-key", name, "ed25519", "sign", "never"}))
            return false;
    if (!gpg(past + QStringList {"--quick-gen-key", names[Expired], "ed25519", "sign", "1d"}))
        return false;
    const QString revoked = keys.filePath("revoked.asc");
    if (!gpg({"-o", keyring(Release), "--export", names[Release]}) ||
        !gpg({"-o", keyring(Expired), "--export", names[Expired]}) ||
        !gpg({"-a", "-o", revoked, "--export", names[Revoked]}))
        return false;
    // gpg writes each key's revocation as it makes the key, with its first line guarded by a colon.
    const QDir revocations(keys.filePath("gnupg/openpgp-revocs.d"));
    QByteArray revocation;
    for (const QString &file : revocations.entryList({"*.rev"}, QDir::Files)) {
        QByteArray text = readFile(revocations.filePath(file));
        if (text.contains(names[Revoked]))
            revocation = text.replace(":-----BEGIN", "-----BEGIN");
    }
    const QString home = keys.filePath("revoking");
    return !revocation.isEmpty() && writeFile(keys.filePath("revocation.asc"), revocation) &&
        run("gpg", {"--batch", "--import", revoked}, home) &&
        run("gpg", {"--batch", "--import", keys.filePath("revocation.asc")}, home) &&
        run("gpg", {"--batch", "--yes", "-o", keyring(Revoked), "--export", names[Revoked]}, home);
}

QString TestRelease::keyring(Signer signer) const
{
    return keys.filePath(keyrings[signer]);
}

bool TestRelease::zip(const QString &zip, const QMap<QString, QString> &entries)
{
    QStringList arguments = {
        "-c",
        "import sys, zipfile\n"
        "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
        "    for at in range(2, len(sys.argv), 2): z.write(sys.argv[at], sys.argv[at + 1])\n",
        zip};
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry)
        arguments << entry.value() << entry.key();
    return run("/usr/bin/python3", arguments);
}

QByteArray TestRelease::sumLine(const QString &path, const QString &name)
{
    return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256).toHex() + "  " +
        name.toUtf8() + "\n";
}

bool TestRelease::writeYtDlp(const QString &path, const QString &version, int padding)
{
    QTemporaryDir source;
    const QByteArray main = "import shutil, sys\n"
                            "if '--version' in sys.argv:\n"
                            "    print('" +
        version.toUtf8() +
        "')\n"
        "    sys.exit(0)\n"
        "link = sys.argv[-1]\n"
        "if 'youtube' not in link:\n"
        "    sys.exit('ERROR: Unsupported URL: ' + link)\n"
        "print('[youtube] Extracting URL: ' + link, flush=True)\n"
        "if not shutil.which('deno'):\n"
        "    print('WARNING: [youtube] No supported JavaScript runtime could be found.', file=sys.stderr)\n"
        "    sys.exit('ERROR: [youtube] kavari: Requested format is not available.')\n";
    QMap<QString, QString> entries = {{"__main__.py", source.filePath("main.py")}};
    QFile random("/dev/urandom");
    if (padding > 0 &&
        !(random.open(QIODevice::ReadOnly) && writeFile(source.filePath("padding"), random.read(padding))))
        return false;
    if (padding > 0)
        entries.insert("padding", source.filePath("padding"));
    if (!writeFile(source.filePath("main.py"), main) || !zip(source.filePath("zip"), entries))
        return false;
    writeScript(path, "#!/usr/bin/env python3\n" + readFile(source.filePath("zip")));
    return true;
}

bool TestRelease::write(const QString &folder, const QString &ytDlpVersion, const QString &denoVersion,
                        Signer signer, int padding) const
{
    const QDir release(folder);
    const QString archive = "deno-x86_64-unknown-linux-gnu.zip";
    writeScript(release.filePath("deno"),
                "#!/bin/sh\necho 'deno " + denoVersion.toUtf8() +
                    " (stable, release, x86_64-unknown-linux-gnu)'\n");
    return writeYtDlp(release.filePath("yt-dlp"), ytDlpVersion, padding) &&
        writeFile(release.filePath("SHA2-256SUMS"), sumLine(release.filePath("yt-dlp"), "yt-dlp")) &&
        gpg((signer == Expired ? past : QStringList()) +
            QStringList {"-u", names[signer], "-o", release.filePath("SHA2-256SUMS.sig"), "--detach-sign",
                         release.filePath("SHA2-256SUMS")}) &&
        zip(release.filePath(archive), {{"deno", release.filePath("deno")}}) &&
        writeFile(release.filePath(archive + ".sha256sum"), sumLine(release.filePath(archive), archive));
}
