// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"
#include "failureadvice.h"

#include <QObject>
#include <QPointer>

class QNetworkAccessManager;
class ReleaseJob;

// Gets the current yt-dlp, and deno where YouTube needs it, one after the other, each checked
// before anything of it runs. Nothing of the old ones changes until the new one has passed every
// check, and going away stops the update with nothing installed.
class Updater : public QObject
{
    Q_OBJECT

public:
    // ran: the yt-dlp that failed, with the environment of its run.
    Updater(const ChildCommand &ran, const UpdateNeeds &needs, QObject *parent);

    void start();

signals:
    // What is being done, or was found, for the log.
    void step(const QString &line);
    // pipx's own output, on its channel.
    void output(const QString &text, int channel);
    // Of the file being fetched; total is -1 while unknown.
    void progress(qint64 received, qint64 total);
    // Once; empty when everything asked for is updated.
    void finished(const QString &failure);

private:
    void run(ReleaseJob *job, void (Updater::*next)());
    void updateDeno();
    void succeed();

    ChildCommand ran;
    UpdateNeeds needs;
    QNetworkAccessManager *network;
    QPointer<ReleaseJob> job;
};
