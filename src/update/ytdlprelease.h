// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputdecoder.h"
#include "releasejob.h"

class QProcess;

// The current yt-dlp from its release: the checksums and their signature first, then the file,
// then what the file says of itself, and only then the install, where the yt-dlp that ran stands or
// in ~/.local/bin. A yt-dlp of pipx's is upgraded by pipx instead.
class YtDlpRelease : public ReleaseJob
{
    Q_OBJECT

public:
    // version: what the yt-dlp that ran says it is; the new one must be newer.
    YtDlpRelease(QNetworkAccessManager *network, const ChildCommand &ran, const QString &version,
                 QObject *parent);
    ~YtDlpRelease() override;

    void start();

signals:
    // pipx's own output, on its channel.
    void output(const QString &text, int channel);

private:
    void upgradeWithPipx();
    void fetchSums();
    void checkSignature();
    void fetchFile();
    QString judge(const QString &versionText);

    QString ranVersion;
    QByteArray target;
    QByteArray sums;
    QByteArray signature;
    int tries = 0;
    QProcess *pipx = nullptr;
    qint64 pipxGroup = 0;
    // One per channel: a character cut in two by a pipe read stays whole.
    OutputDecoder outputDecoder;
    OutputDecoder errorDecoder;
};
