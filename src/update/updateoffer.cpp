// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateoffer.h"
#include "failureexplainer.h"
#include "progressshown.h"
#include "runlog.h"
#include "statusline.h"
#include "updater.h"

#include <QPushButton>

UpdateOffer::UpdateOffer(QPushButton *button, QPushButton *downloadButton, RunLog *log, StatusLine *status,
                         ProgressShown *progress, QObject *parent)
    : QObject(parent)
    , button(button)
    , downloadButton(downloadButton)
    , log(log)
    , status(status)
    , progress(progress)
{
    button->hide();
    connect(button, &QPushButton::clicked, this, &UpdateOffer::start);
}

void UpdateOffer::explain(const ChildCommand &command, const RanYtDlp &ran)
{
    explainer = new FailureExplainer(command, ran, this);
    connect(explainer, &FailureExplainer::explained, this,
            [this, command, searchPath = ran.searchPath](const QStringList &lines, const UpdateNeeds &found) {
                explainer->deleteLater();
                for (const QString &line : lines)
                    log->appendNote(line);
                failedCommand = command;
                failedSearchPath = searchPath;
                offer(found);
            });
}

void UpdateOffer::offer(const UpdateNeeds &found)
{
    needs = found;
    if (!needs.ytDlp && !needs.deno)
        return;
    const QString what = needs.ytDlp && needs.deno ? "yt-dlp and deno, checked before they run"
        : needs.ytDlp                              ? "yt-dlp, checked before it runs"
                                                   : "deno, checked before it runs";
    log->appendNote("Click \"Update yt-dlp\" to fetch the current " + what + ".");
    button->show();
}

void UpdateOffer::withdraw()
{
    if (explainer) {
        explainer->disconnect(this);
        explainer->deleteLater();
    }
    button->hide();
}

void UpdateOffer::start()
{
    if (updater)
        return;
    button->hide();
    log->clear();
    downloadButton->setText("Cancel");
    status->show("Updating yt-dlp...", "blue");
    progress->start({});
    updater = new Updater(failedCommand, failedSearchPath, needs, this);
    connect(updater, &Updater::step, log, &RunLog::appendNote);
    connect(updater, &Updater::output, log, &RunLog::appendOutput);
    connect(updater, &Updater::progress, this, [this](qint64 received, qint64 total) {
        // Busy from the start of each file until its size is known.
        if (total > 0)
            progress->show(double(received) / double(total));
        else if (received == 0)
            progress->start({});
    });
    connect(updater, &Updater::finished, this, &UpdateOffer::end);
    updater->start();
}

void UpdateOffer::end(const QString &failure)
{
    updater->deleteLater();
    updater = nullptr;
    progress->end();
    downloadButton->setText("Download");
    if (failure.isEmpty()) {
        log->appendNote("\nClick Download to try again.");
        status->show("Updated", "green");
    } else {
        log->appendNote("\n✗ " + failure);
        status->show("Update failed", "red");
    }
}

void UpdateOffer::cancel()
{
    if (!updater)
        return;
    // At once, not at the next turn of the event loop: a transfer that ends meanwhile must not
    // install anything. Its destructor stops whatever runs and removes what it had written.
    delete updater.data();
    progress->end();
    downloadButton->setText("Download");
    log->appendNote("\n--- Update cancelled by user ---");
    status->show("Cancelled", "orange");
}
