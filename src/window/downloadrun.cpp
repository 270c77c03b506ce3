// SPDX-License-Identifier: GPL-3.0-or-later
#include "childenvironment.h"
#include "childprocess.h"
#include "cookiechoice.h"
#include "desktopnotifier.h"
#include "kavariwindow.h"
#include "progressshown.h"
#include "retryoffer.h"
#include "runlog.h"
#include "runsandbox.h"
#include "statusline.h"
#include "updateoffer.h"
#include "versionquery.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

void KavariWindow::onDownloadClicked()
{
    // While an update of yt-dlp runs, the button reads "Cancel" for it.
    if (updateOffer->isUpdating()) {
        updateOffer->cancel();
        return;
    }
    if (!isDownloading) {
        startDownload();
        return;
    }
    // The second click of a double-click on Download must not cancel the run the first one started.
    if (sinceStart.isValid() && sinceStart.elapsed() < QApplication::doubleClickInterval())
        return;
    cancelDownload();
}

// Enter in the link or folder field, as in a browser's address bar. It never cancels: a second
// Enter while the run is on does nothing.
void KavariWindow::onReturnPressed()
{
    if (!isDownloading && !updateOffer->isUpdating())
        startDownload();
}

// A retry, like Download, starts nothing while an update or another run is on.
void KavariWindow::onRetry(RetryOffer::Kind kind)
{
    if (!isDownloading && !updateOffer->isUpdating())
        startDownload(kind);
}

void KavariWindow::startDownload(std::optional<RetryOffer::Kind> retry)
{
    if (links().isEmpty()) {
        QMessageBox::warning(this, tr("Error"), tr("Please enter a URL"));
        return;
    }
    const QString folder = outputFolder();
    // Looked up in the child's search path: the user's own yt-dlp in ~/.local/bin wins.
    const ChildEnvironment child = childEnvironment();
    const QByteArray programFile = findProgram("yt-dlp", child.searchPath);
    const QString program = QFile::decodeName(programFile);
    if (const QString problem = folderProblem(folder, program); !problem.isEmpty()) {
        QMessageBox::warning(this, tr("Error"), problem);
        return;
    }

    // A cancelled run whose end is not reported yet: let that report, and what waits of its output,
    // land on its own log before this run clears it, and free the process for the new child.
    if (process->state() != QProcess::NotRunning)
        process->waitForFinished(5000);
    log->flush();
    // The last run's explanation and offers are of no use to this one, and must not land in its log.
    updateOffer->withdraw();
    retryOffer->withdraw();

    log->clear();
    isDownloading = true;
    sinceStart.start();
    downloadButton->setText(tr("Cancel"));
    status->show(tr("Downloading..."), "blue");
    progress->start(links());
    startedWith = choices();
    if (const QString gone = cookies->refresh(); !gone.isEmpty())
        log->appendNote(gone);
    // Which keyring yt-dlp knows depends on its version: asked once, without holding up the window.
    if (cookies->needsVersion(retry == RetryOffer::Cookies) && !program.isEmpty() &&
        !ytDlpVersion.isKnown(program)) {
        keyringQuery = new VersionQuery(childCommand(programFile, {}, child), this);
        connect(keyringQuery, &VersionQuery::answered, this,
                [this, programFile, child, folder, retry](const QString &versionText) {
                    keyringQuery->deleteLater();
                    ytDlpVersion.remember(QFile::decodeName(programFile), datedVersion(versionText));
                    launch(programFile, child, folder, retry);
                });
        return;
    }
    launch(programFile, child, folder, retry);
}

void KavariWindow::launch(const QByteArray &programFile, const ChildEnvironment &child, const QString &folder,
                          std::optional<RetryOffer::Kind> retry)
{
    const QString program = QFile::decodeName(programFile);
    const QStringList arguments =
        buildArguments(cookies->argument(ytDlpVersion.of(program), retry == RetryOffer::Cookies),
                       retry == RetryOffer::Pacing);
    log->appendNote(tr("Command: %1").arg("yt-dlp " + arguments.join(' ')));
    log->appendNote(QString());

    // What the unfinished run noted before its start stays its own until its end.
    if (process->state() != QProcess::NotRunning) {
        reportStartFailure(tr("the previous download has not ended yet"));
        return;
    }
    // Only a retry that starts chooses its browser, for the runs after it too.
    if (retry == RetryOffer::Cookies)
        cookies->chooseFirst();
    ran = {program, decodedNames(child.searchPath), links(), qualityCombo->currentData().toString(), folder};
    causes = FailureCauses(folder);
    unfinished = UnfinishedFile(folder);
    cancelled = false;
    if (program.isEmpty()) {
        reportStartFailure(tr("no program of that name in %1").arg(ran.searchPath.join(", ")));
        return;
    }
    command = childCommand(programFile, arguments, child);
    protectChild(process, command);
    QString why;
    if (!sandbox->open(folder, &why)) {
        reportStartFailure(why);
        return;
    }
    process->setWorkingDirectory(sandbox->workingFolder());

    outputDecoder = OutputDecoder();
    errorDecoder = OutputDecoder();
    process->start(program, arguments, QIODeviceBase::ReadWrite);
    runGroup = childGroup(process);
}

void KavariWindow::cancelDownload()
{
    // A start still waiting for yt-dlp's version goes no further.
    if (keyringQuery)
        keyringQuery->disconnect(this);
    delete keyringQuery.data();
    killRun();
    cancelled = true;
    progress->end();
    log->appendNote(tr("\n--- Download cancelled by user ---"));
    status->show(tr("Cancelled"), "orange");
    downloadButton->setText(tr("Download"));
    isDownloading = false;
}

void KavariWindow::onProcessOutput()
{
    const QByteArray output = process->readAllStandardOutput();
    // Also what a stopped run printed after the Cancel: a step may have ended meanwhile.
    unfinished.read(output);
    appendChunk(outputDecoder, outputDecoder.decode(output));
}

void KavariWindow::onProcessError()
{
    appendChunk(errorDecoder, errorDecoder.decode(process->readAllStandardError()));
}

void KavariWindow::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    // yt-dlp is gone, but an ffmpeg it started, or anything else of its group, may still run.
    killRun();
    runGroup = 0;
    appendChunk(outputDecoder, outputDecoder.flush());
    appendChunk(errorDecoder, errorDecoder.flush());
    // A conversion or merge that a Cancel, closing or SIGTERM cut short leaves a file that looks
    // finished. Only now is nothing of the run left to write it, and all it printed read.
    if (cancelled)
        if (const QString removed = unfinished.remove(); !removed.isEmpty())
            log->appendNote(
                tr("Removed %1: the download was stopped while yt-dlp was still writing it.").arg(removed));
    const bool complete = !sandbox->close() && exitStatus != QProcess::CrashExit && exitCode == 0;
    log->whenShown(this, [this, complete] { reportEnd(complete); });
}

// Told once the last of the run's output is in the log.
void KavariWindow::reportEnd(bool complete)
{
    progress->end();
    isDownloading = false;
    downloadButton->setText(tr("Download"));
    // A user who went on working elsewhere learns of the end also where the window cannot ask for
    // attention (Wayland), but not of a Cancel they clicked themselves.
    QApplication::alert(this);
    if (!cancelled && !isActiveWindow())
        notifier->notify(complete ? tr("Download complete") : tr("Download failed"),
                         downloadNotice(ran.links, ran.folder));
    if (complete) {
        log->appendNote(tr("\n✓ Download completed successfully!"));
        status->show(tr("Complete"), "green");
        return;
    }
    log->appendNote(tr("\n✗ Download failed or was cancelled"));
    // After a Cancel the status changes, but "Cancelled" stays what screen readers last said.
    status->show(tr("Failed"), "red", !cancelled);
    if (cancelled)
        return;
    // Why it failed, which yt-dlp it was, what would mend it, and the update or retry that would.
    ran.youTube = progress->sawYouTube();
    // A browser first used since the last look is offered now.
    cookies->refresh();
    ran.causes = causes.lines(int(ran.links.size()), progress->sawPlaylist(), cookies->signIn());
    ran.updateMayMend = causes.updateMayMend();
    updateOffer->explain(command, ran);
    retryOffer->offer(causes.found());
}

void KavariWindow::onProcessErrorOccurred(QProcess::ProcessError error)
{
    // A crash is reported by finished(); a start that failed after a Cancel needs no second word.
    if (error != QProcess::FailedToStart || !isDownloading)
        return;
    // The forked child is gone already, and its number is free for others.
    runGroup = 0;
    sandbox->close();
    reportStartFailure(startFailure(process->program(), process->errorString()));
}

void KavariWindow::reportStartFailure(const QString &why)
{
    progress->end();
    log->appendNote(tr("\n✗ yt-dlp could not be started: %1").arg(why));
    status->show(tr("Failed"), "red");
    downloadButton->setText(tr("Download"));
    isDownloading = false;
}

void KavariWindow::appendChunk(OutputDecoder &decoder, const QString &text)
{
    // What the killed run still had in the pipe comes after the cancel line, which is its last.
    if (cancelled || text.isEmpty())
        return;
    if (isDownloading) {
        progress->read(text);
        causes.read(text, &decoder == &errorDecoder);
    }
    log->appendOutput(text, &decoder == &errorDecoder);
}

// yt-dlp and whatever it started, such as ffmpeg. Also after yt-dlp's end has been reported, for
// what is left of its group.
void KavariWindow::killRun()
{
    killGroup(runGroup);
    process->kill();
}
