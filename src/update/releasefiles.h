// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Where yt-dlp's and deno's releases are, what their files say, and where an update goes.

// The folder of a project's latest release; a variable of the environment may name a mirror.
QUrl releaseFolder(const char *variable, const QString &fallback);
// The keyring that holds yt-dlp's release key alone, for gpgv; named says whether
// KAVARI_YTDLP_KEYRING chose it.
QString ytDlpKeyring(bool *named = nullptr);
// What keeps gpgv from reading the keyring; empty when nothing.
QString keyringProblem(const QString &keyring, bool named);
// The SHA-256 that a sums file gives for the file of that name, in lower-case hex; empty if none.
QByteArray sumFor(const QByteArray &sums, const QByteArray &name);
// From gpgv's status lines: empty for a good signature by a key that is neither revoked nor
// expired, whose primary key's fingerprint goes to fingerprint in groups of four; otherwise what is
// wrong with it.
QString signatureFailure(const QByteArray &status, QString *fingerprint);
// yt-dlp's release file: one zip archive behind a "#!/usr/bin/env python3" line.
bool isReleaseFile(const QByteArray &path);

// Where the current yt-dlp goes, for the one that ran.
struct YtDlpPlace
{
    QByteArray target;
    // When nothing may be written: what is there, and how to update it instead.
    QString problem;
};
// ran and home as the run had them; nothing goes under a home that is not a full path, where the
// run does not look.
YtDlpPlace ytDlpPlace(const QByteArray &ran, const QByteArray &home);
// deno's release archive for this machine; empty for a machine deno builds none for.
QString denoArchiveName();
