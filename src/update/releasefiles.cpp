// SPDX-License-Identifier: GPL-3.0-or-later
#include "releasefiles.h"
#include "failureadvice.h"
#include "stagedfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSysInfo>

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// What these free functions say, in the user's language.
struct ReleaseFiles
{
    Q_DECLARE_TR_FUNCTIONS(ReleaseFiles)
};

QByteArray head(const QByteArray &path, int size)
{
    QByteArray bytes(size, '\0');
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    const ssize_t got = ::read(fd, bytes.data(), size_t(size));
    ::close(fd);
    bytes.resize(got > 0 ? got : 0);
    return bytes;
}
} // namespace

QUrl releaseFolder(const char *variable, const QString &fallback)
{
    const QString mirror = qEnvironmentVariable(variable);
    return QUrl(mirror.isEmpty() ? fallback : mirror);
}

QString ytDlpKeyring(bool *named)
{
    if (named)
        *named = qEnvironmentVariableIsSet("KAVARI_YTDLP_KEYRING");
    if (qEnvironmentVariableIsSet("KAVARI_YTDLP_KEYRING"))
        return qEnvironmentVariable("KAVARI_YTDLP_KEYRING");
    // Installed beside the program's share folder; in a build folder, where the build made it.
    const QString name = "/yt-dlp-release-key.gpg";
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString &candidate :
         {programFolder + "/../share/kavari" + name, programFolder + "/../data" + name})
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    return QFileInfo(programFolder + "/../share/kavari" + name).absoluteFilePath();
}

QString keyringProblem(const QString &keyring, bool named)
{
    // gpgv would look for a bare or relative name in its own home folder.
    if (!keyring.startsWith('/'))
        return ReleaseFiles::tr("the keyring %1 that KAVARI_YTDLP_KEYRING names is not a full path")
            .arg(keyring);
    const QFileInfo file(keyring);
    if (!file.exists())
        return named
            ? ReleaseFiles::tr("the keyring %1 that KAVARI_YTDLP_KEYRING names is missing").arg(keyring)
            : ReleaseFiles::tr("the keyring %1 is missing; reinstall Kavari").arg(keyring);
    if (!file.isFile())
        return ReleaseFiles::tr("the keyring %1 is not a file").arg(keyring);
    if (!QFile(keyring).open(QIODevice::ReadOnly))
        return ReleaseFiles::tr("the keyring %1 cannot be read").arg(keyring);
    return {};
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

// gpgv says GOODSIG and VALIDSIG also for a signature by a revoked or an expired key, with a
// status line of its own that tells so: a good signature is one that nothing speaks against.
QString signatureFailure(const QByteArray &status, QString *fingerprint)
{
    QSet<QByteArray> said;
    QByteArray otherKey;
    QString valid;
    for (const QByteArray &line : status.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() < 3 || fields[0] != "[GNUPG:]")
            continue;
        said += fields[1];
        if (fields[1] == "NO_PUBKEY")
            otherKey = fields[2];
        // The primary key's fingerprint is the last field; the signing key's the first.
        if (fields[1] == "VALIDSIG")
            valid = QString::fromLatin1(fields.size() > 11 ? fields[11] : fields[2]);
    }
    if (said.contains("NO_PUBKEY"))
        return ReleaseFiles::tr("it is signed by another key (%1), not by yt-dlp's release key")
            .arg(QString::fromLatin1(otherKey));
    if (said.contains("BADSIG"))
        return ReleaseFiles::tr("the signature does not match the file: it was changed after it was signed");
    if (said.contains("REVKEYSIG"))
        return ReleaseFiles::tr("it is signed by a revoked key, which proves nothing any more");
    if (said.contains("EXPKEYSIG"))
        return ReleaseFiles::tr("it is signed by an expired key");
    if (said.contains("EXPSIG"))
        return ReleaseFiles::tr("the signature has expired");
    if (said.contains("ERRSIG"))
        return ReleaseFiles::tr("the signature could not be checked");
    if (!said.contains("GOODSIG") || valid.isEmpty())
        return ReleaseFiles::tr("gpgv gave no verdict");
    for (qsizetype at = valid.size() - 4; at > 0; at -= 4)
        valid.insert(at, ' ');
    *fingerprint = valid;
    return {};
}

bool isReleaseFile(const QByteArray &path)
{
    const QByteArray shebang = "#!/usr/bin/env python3\n";
    return head(path, int(shebang.size()) + 4) == shebang + "PK\x03\x04";
}

YtDlpPlace ytDlpPlace(const QByteArray &ran, const QByteArray &home)
{
    // The release file that ran is replaced where it stands, if its owner is the user.
    char resolved[PATH_MAX];
    if (::realpath(ran.constData(), resolved)) {
        const QByteArray real(resolved);
        if (isReleaseFile(real) && ::access(real.constData(), W_OK) == 0 &&
            ::access(folderOf(real).constData(), W_OK) == 0)
            return {real, {}};
    }
    if (!home.startsWith('/'))
        return {{},
                ReleaseFiles::tr(
                    "HOME is \"%1\", not a full path, so there is no ~/.local/bin where a download would "
                    "look for it. Log in again, or set HOME to your home folder, and try once more")
                    .arg(QFile::decodeName(home))};
    const QByteArray own = home + "/.local/bin/yt-dlp";
    struct stat status;
    const bool exists = ::lstat(own.constData(), &status) == 0;
    if (!exists || (S_ISREG(status.st_mode) && isReleaseFile(own)))
        return {own, {}};
    const QString shown = QFile::decodeName(own);
    const QString what = S_ISLNK(status.st_mode)
        ? ReleaseFiles::tr("%1 is a link to %2").arg(shown, QFileInfo(shown).symLinkTarget())
        : ReleaseFiles::tr("%1 is not yt-dlp's release file but another install").arg(shown);
    const QString how = isPipxInstall(shown)
        ? "pipx upgrade yt-dlp"
        : ReleaseFiles::tr("the tool that installed it, such as: %1")
              .arg("python3 -m pip install --user -U \"yt-dlp[default]\"");
    return {{}, ReleaseFiles::tr("%1, and Kavari leaves it as it is. Update it with %2").arg(what, how)};
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
