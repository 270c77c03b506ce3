// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateoffer.h"
#include "failureexplainer.h"
#include "progressshown.h"
#include "runlog.h"
#include "statusline.h"
#include "updater.h"

#include <QFile>
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
    setOffered(false);
    connect(button, &QPushButton::clicked, this, &UpdateOffer::start);
}

void UpdateOffer::explain(const ChildCommand &command, const RanYtDlp &ran)
{
    explainer = new FailureExplainer(command, ran, this);
    connect(explainer, &FailureExplainer::explained, this,
            [this, command](const QStringList &lines, const UpdateNeeds &found) {
                explainer->deleteLater();
                for (const QString &line : lines)
                    log->appendNote(line);
                failedCommand = command;
                emit versionFound(QFile::decodeName(command.program), found.version);
                offer(found);
            });
}

void UpdateOffer::offer(const UpdateNeeds &found)
{
    needs = found;
    if (!needs.ytDlp && !needs.deno)
        return;
    log->appendNote(
        needs.ytDlp && needs.deno
            ? tr("Click \"Update yt-dlp\" to fetch the current yt-dlp and deno, checked before they run.")
            : needs.ytDlp ? tr("Click \"Update yt-dlp\" to fetch the current yt-dlp, checked before it runs.")
                          : tr("Click \"Update yt-dlp\" to fetch the current deno, checked before it runs."));
    setOffered(true);
}

void UpdateOffer::withdraw()
{
    if (explainer) {
        explainer->disconnect(this);
        explainer->deleteLater();
    }
    setOffered(false);
}

void UpdateOffer::setOffered(bool offered)
{
    button->setVisible(offered);
    button->setEnabled(offered);
}

void UpdateOffer::start()
{
    if (updating)
        return;
    updating = true;
    emit busy(true);
    setOffered(false);
    log->clear();
    downloadButton->setText(tr("Cancel"));
    status->show(tr("Updating yt-dlp..."), "blue");
    progress->start({});
    updater = new Updater(failedCommand, needs, this);
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

// Told once the update's last line, pipx's output included, is in the log, as a run's end is.
void UpdateOffer::end(const QString &failure)
{
    updater->deleteLater();
    updater = nullptr;
    log->appendNote(failure.isEmpty() ? tr("\nClick Download to try again.") : tr("\n✗ %1").arg(failure));
    log->whenShown(this, [this, updated = failure.isEmpty()] {
        updating = false;
        emit busy(false);
        progress->end();
        downloadButton->setText(tr("Download"));
        updated ? status->show(tr("Updated"), "green") : status->show(tr("Update failed"), "red");
    });
}

void UpdateOffer::cancel()
{
    if (!updater) // Its end is being told.
        return;
    updating = false;
    emit busy(false);
    // At once, not at the next turn of the event loop: a transfer that ends meanwhile must not
    // install anything. Its destructor stops whatever runs and removes what it had written.
    delete updater.data();
    progress->end();
    downloadButton->setText(tr("Download"));
    log->appendNote(tr("\n--- Update cancelled by user ---"));
    status->show(tr("Update cancelled"), "orange");
}
