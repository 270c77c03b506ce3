// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Where yt-dlp's and deno's releases are, what their files say, and where an update goes.

// The folder of a project's latest release; a variable of the environment may name a mirror.
QUrl releaseFolder(const char *variable, const QString &fallback);
// The keyring that holds yt-dlp's release key alone, for gpgv.
QString ytDlpKeyring();
// The SHA-256 that a sums file gives for the file of that name, in lower-case hex; empty if none.
QByteArray sumFor(const QByteArray &sums, const QByteArray &name);
// From gpgv's status lines: empty for a good signature, whose key's fingerprint goes to
// fingerprint in groups of four; otherwise what is wrong with it.
QString signatureFailure(const QByteArray &status, QString *fingerprint);
// yt-dlp's release file: one zip archive behind a "#!/usr/bin/env python3" line.
bool isReleaseFile(const QString &path);

// Where the current yt-dlp goes, for the one that ran.
struct YtDlpPlace
{
    QString target;
    // When nothing may be written: what is there, and how to update it instead.
    QString problem;
};
YtDlpPlace ytDlpPlace(const QString &ran, const QString &home);
// deno's release archive for this machine; empty for a machine deno builds none for.
QString denoArchiveName();
