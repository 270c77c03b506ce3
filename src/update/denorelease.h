// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "releasejob.h"
#include "zipentry.h"

class StagedFile;

// The current deno from its release: the archive for this machine, checked against its checksum,
// then the program in it, which must say it is new enough before it is installed as
// ~/.deno/bin/deno, where deno's own installer puts it.
class DenoRelease : public ReleaseJob
{
    Q_OBJECT

public:
    DenoRelease(QNetworkAccessManager *network, const ChildCommand &ran, QObject *parent);

    void start();
    // Why deno cannot be had for this machine; empty when it can.
    static QString unavailable();

private:
    void extract();
    void copySome();
    QString judge(const QString &versionText);

    QString archiveName;
    StagedFile *archive = nullptr;
    StagedFile *program = nullptr;
    ZipEntry entry;
    qint64 size = 0;
};
