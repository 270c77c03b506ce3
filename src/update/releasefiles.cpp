// SPDX-License-Identifier: GPL-3.0-or-later
#include "releasefiles.h"
#include "failureadvice.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

QUrl releaseFolder(const char *variable, const QString &fallback)
{
    const QString mirror = qEnvironmentVariable(variable);
    return QUrl(mirror.isEmpty() ? fallback : mirror);
}

QString ytDlpKeyring()
{
    if (qEnvironmentVariableIsSet("KAVARI_YTDLP_KEYRING"))
        return qEnvironmentVariable("KAVARI_YTDLP_KEYRING");
    // Installed beside the program's share folder; in a build folder, where the build made it.
    const QString name = "/yt-dlp-release-key.gpg";
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString &candidate :
         {programFolder + "/../share/kavari" + name, programFolder + "/../data" + name})
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    return programFolder + "/../share/kavari" + name;
}

QByteArray sumFor(const QByteArray &sums, const QByteArray &name)
{
    for (const QByteArray &line : sums.split('\n')) {
        const QByteArray sum = line.left(64).toLower();
        QByteArray file = line.mid(64).trimmed();
        // sha256sum marks a file read as binary with a star.
        if (file.startsWith('*'))
            file.remove(0, 1);
        if (file == name && sum.size() == 64 && QByteArray::fromHex(sum).toHex() == sum)
            return sum;
    }
    return {};
}

QString signatureFailure(const QByteArray &status, QString *fingerprint)
{
    QString verdict = "gpgv gave no verdict";
    for (const QByteArray &line : status.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() < 3 || fields[0] != "[GNUPG:]")
            continue;
        const QByteArray &keyword = fields[1];
        if (keyword == "NO_PUBKEY")
            return "it is signed by another key (" + QString::fromLatin1(fields[2]) +
                "), not by yt-dlp's release key";
        if (keyword == "BADSIG")
            return "the signature does not match the file: it was changed after it was signed";
        if (keyword == "ERRSIG")
            verdict = "the signature could not be checked";
        if (keyword == "VALIDSIG") {
            // The primary key's fingerprint is the last field; the signing key's the first.
            QString hex = QString::fromLatin1(fields.size() > 11 ? fields[11] : fields[2]);
            for (int at = hex.size() - 4; at > 0; at -= 4)
                hex.insert(at, ' ');
            *fingerprint = hex;
            return {};
        }
    }
    return verdict;
}

bool isReleaseFile(const QString &path)
{
    QFile file(path);
    const QByteArray shebang = "#!/usr/bin/env python3\n";
    return file.open(QIODevice::ReadOnly) && file.read(shebang.size() + 4) == shebang + "PK\x03\x04";
}

YtDlpPlace ytDlpPlace(const QString &ran, const QString &home)
{
    const QFileInfo ranFile(ran);
    const QString ranTarget = ranFile.canonicalFilePath();
    // The release file that ran is replaced where it stands, if its owner is the user.
    if (isReleaseFile(ranTarget) && QFileInfo(ranTarget).isWritable() &&
        QFileInfo(QFileInfo(ranTarget).absolutePath()).isWritable())
        return {ranTarget, {}};
    const QString own = home + "/.local/bin/yt-dlp";
    const QFileInfo ownFile(own);
    if (!ownFile.isSymLink() && (!ownFile.exists() || isReleaseFile(own)))
        return {own, {}};
    const QString what = ownFile.isSymLink() ? own + " is a link to " + ownFile.symLinkTarget()
                                             : own + " is not yt-dlp's release file but another install";
    const QString how = isPipxInstall(own)
        ? "pipx upgrade yt-dlp"
        : "the tool that installed it, such as: python3 -m pip install --user -U \"yt-dlp[default]\"";
    return {{}, what + ", and Kavari leaves it as it is. Update it with " + how};
}

QString denoArchiveName()
{
    const QString machine = QSysInfo::currentCpuArchitecture();
    if (machine == "x86_64")
        return "deno-x86_64-unknown-linux-gnu.zip";
    if (machine == "arm64")
        return "deno-aarch64-unknown-linux-gnu.zip";
    return {};
}
