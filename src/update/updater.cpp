// SPDX-License-Identifier: GPL-3.0-or-later
#include "updater.h"
#include "denorelease.h"
#include "ytdlprelease.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>

Updater::Updater(const ChildCommand &ran, const UpdateNeeds &needs, QObject *parent)
    : QObject(parent)
    , ran(ran)
    , needs(needs)
    , network(new QNetworkAccessManager(this))
{
    // As other programs do with https_proxy and the desktop's settings.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

void Updater::start()
{
    ReleaseJob::removeAbandoned(ran);
    if (!needs.ytDlp) {
        updateDeno();
        return;
    }
    auto *ytDlp = new YtDlpRelease(network, ran, needs.version, this);
    connect(ytDlp, &YtDlpRelease::output, this, &Updater::output);
    run(ytDlp, needs.deno ? &Updater::updateDeno : &Updater::succeed);
    ytDlp->start();
}

// One release at a time; the next goes on once this one is installed.
void Updater::run(ReleaseJob *next, void (Updater::*then)())
{
    job = next;
    connect(job, &ReleaseJob::step, this, &Updater::step);
    connect(job, &ReleaseJob::progress, this, &Updater::progress);
    connect(job, &ReleaseJob::finished, this, [this, then](const QString &failure) {
        job->deleteLater();
        if (!failure.isEmpty())
            emit finished(failure);
        else
            (this->*then)();
    });
}

void Updater::updateDeno()
{
    // yt-dlp alone may still mend the failure.
    if (const QString why = DenoRelease::unavailable(); !why.isEmpty() && needs.ytDlp) {
        emit step(tr("%1; deno is left out").arg(why));
        succeed();
        return;
    }
    auto *deno = new DenoRelease(network, ran, this);
    run(deno, &Updater::succeed);
    deno->start();
}

void Updater::succeed()
{
    emit finished({});
}
