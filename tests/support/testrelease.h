// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Releases of yt-dlp and deno made at test time, as their projects publish them: yt-dlp as one
// zip archive behind a python3 line, its SHA2-256SUMS signed by a key made here; deno as a zip
// with its .sha256sum. Each program prints only its version, and yt-dlp fails anything else.
class TestRelease
{
public:
    // Makes the release key and another one; false when gpg could not.
    bool makeKeys();
    ~TestRelease();
    // The keyring that holds the release key alone.
    QString keyring() const { return keys.filePath("release.gpg"); }
    // yt-dlp's three files and deno's two in the folder, SHA2-256SUMS signed by the release key
    // or, with another, by the other key; also the file deno as it is in its archive.
    bool write(const QString &folder, const QString &ytDlpVersion, const QString &denoVersion,
               bool another = false) const;
    // yt-dlp's release file that says it is that version.
    static bool writeYtDlp(const QString &path, const QString &version);

private:
    QTemporaryDir keys;
};
