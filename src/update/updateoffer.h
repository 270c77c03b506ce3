// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"
#include "failureadvice.h"

#include <QObject>
#include <QPointer>

class FailureExplainer;
class ProgressShown;
class QPushButton;
class RunLog;
class StatusLine;
class Updater;

// What follows a failed run: its explanation in the log and, where the current yt-dlp or deno would
// mend it, the "Update yt-dlp" button. The update it starts is told in the window's log, status
// line and progress bar, and the Download button cancels it, as they do for a download. A button
// that is not offered cannot be clicked either, not even by a screen reader.
class UpdateOffer : public QObject
{
    Q_OBJECT

public:
    UpdateOffer(QPushButton *button, QPushButton *downloadButton, RunLog *log, StatusLine *status,
                ProgressShown *progress, QObject *parent);

    // Finds out why the run failed, says so, and offers an update if one would help.
    void explain(const ChildCommand &command, const RanYtDlp &ran);
    // A download starts: the last run's explanation and offer are of no use to it.
    void withdraw();
    // Until its end is told, after its last line.
    bool isUpdating() const { return updating; }
    void cancel();

signals:
    // Once a failure is explained: what the yt-dlp at that path said its version is (empty when
    // it named none).
    void versionFound(const QString &program, const QString &version);
    // From the click on "Update yt-dlp" until the update's end is told.
    void busy(bool updating);

private:
    void setOffered(bool offered);
    void offer(const UpdateNeeds &needs);
    void start();
    void end(const QString &failure);

    QPushButton *button;
    QPushButton *downloadButton;
    RunLog *log;
    StatusLine *status;
    ProgressShown *progress;
    QPointer<FailureExplainer> explainer;
    QPointer<Updater> updater;
    // The yt-dlp that failed, with its environment.
    ChildCommand failedCommand;
    UpdateNeeds needs;
    bool updating = false;
};
