// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// Releases of yt-dlp and deno made at test time, as their projects publish them: yt-dlp as one
// zip archive behind a python3 line, its SHA2-256SUMS signed by a key made here; deno as a zip
// with its .sha256sum. deno prints only its version. yt-dlp prints its version, fails a YouTube
// link when no deno is on its PATH, as the current one does, completes one with deno, and fails
// anything else.
class TestRelease
{
public:
    // Who signs SHA2-256SUMS: the release key, another key, or a release key that was revoked
    // since, or that has expired.
    enum Signer { Release, Another, Revoked, Expired };

    // Makes the keys; false when gpg could not.
    bool makeKeys();
    ~TestRelease();
    // The keyring that holds the release key alone, or the revoked or expired one as if it were it.
    QString keyring(Signer signer = Release) const;
    // yt-dlp's three files and deno's two in the folder; also the file deno as it is in its archive.
    bool write(const QString &folder, const QString &ytDlpVersion, const QString &denoVersion,
               Signer signer = Release, int padding = 0) const;
    // yt-dlp's release file that says it is that version, padded with that many random bytes.
    static bool writeYtDlp(const QString &path, const QString &version, int padding = 0);
    // A zip of the files, each under its name in the archive.
    static bool zip(const QString &zip, const QMap<QString, QString> &entries);
    // A line of a sums file for the file, under that name.
    static QByteArray sumLine(const QString &path, const QString &name);

private:
    bool gpg(const QStringList &arguments) const;
    QTemporaryDir keys;
};
