// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <sys/types.h>
#include <unistd.h>

namespace {
const char *const failedStyle = "color: red; font-weight: bold;";
}

void KavariWindow::onDownloadClicked()
{
    if (isDownloading)
        cancelDownload();
    else
        startDownload();
}

void KavariWindow::startDownload()
{
    if (urlEdit->text().trimmed().isEmpty()) {
        QMessageBox::warning(this, "Error", "Please enter a URL");
        return;
    }
    if (outputDirEdit->text().isEmpty()) {
        QMessageBox::warning(this, "Error", "Please select an output directory");
        return;
    }

    // A cancelled run whose end is not reported yet: let that report land on its own log
    // before this run clears it, and free the process for the new child.
    if (process->state() != QProcess::NotRunning)
        process->waitForFinished(5000);

    outputLog->clear();
    isDownloading = true;
    downloadButton->setText("Cancel");
    setStatus("Downloading...", "color: blue; font-weight: bold;");

    const QStringList arguments = buildArguments();
    appendLog("Command: yt-dlp " + arguments.join(' '));
    appendLog(QString());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString path = environment.value("PATH", QString());
    const QString home = environment.value("HOME", QString());
    const QString childPath = home + "/.deno/bin:" + home + "/.local/bin:" + path;
    environment.insert("PATH", childPath);
    process->setProcessEnvironment(environment);

    if (process->state() != QProcess::NotRunning) {
        reportStartFailure("the previous download has not ended yet");
        return;
    }

    // QProcess would look a bare name up in Kavari's own PATH; the user's own yt-dlp in
    // ~/.local/bin must win. Empty entries are skipped: never run a yt-dlp from the working folder.
    const QStringList folders = childPath.split(':', Qt::SkipEmptyParts);
    const QString program = QStandardPaths::findExecutable("yt-dlp", folders);
    if (program.isEmpty()) {
        reportStartFailure("no program of that name in " + folders.join(", "));
        return;
    }

    outputDecoder = QStringDecoder(QStringConverter::Utf8);
    errorDecoder = QStringDecoder(QStringConverter::Utf8);
    process->start(program, arguments, QIODeviceBase::ReadWrite);

    // Also from this side, so that a Cancel right after the fork already finds the group.
    const qint64 pid = process->processId();
    if (pid > 0)
        setpgid(static_cast<pid_t>(pid), static_cast<pid_t>(pid));
}

void KavariWindow::cancelDownload()
{
    if (process->state() != QProcess::NotRunning)
        killProcessGroup();
    appendLog("\n--- Download cancelled by user ---");
    setStatus("Cancelled", "color: orange; font-weight: bold;");
    downloadButton->setText("Download");
    isDownloading = false;
}

void KavariWindow::onProcessOutput()
{
    appendChunk(outputDecoder, process->readAllStandardOutput());
}

void KavariWindow::onProcessError()
{
    appendChunk(errorDecoder, process->readAllStandardError());
}

void KavariWindow::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    isDownloading = false;
    downloadButton->setText("Download");
    if (exitStatus != QProcess::CrashExit && exitCode == 0) {
        appendLog("\n✓ Download completed successfully!");
        setStatus("Complete", "color: green; font-weight: bold;");
    } else {
        appendLog("\n✗ Download failed or was cancelled");
        setStatus("Failed", failedStyle);
    }
}

void KavariWindow::onProcessErrorOccurred(QProcess::ProcessError error)
{
    // A crash is reported by finished(); a start that failed after a Cancel needs no second word.
    if (error != QProcess::FailedToStart || !isDownloading)
        return;
    reportStartFailure(process->errorString() + " (" + process->program() + ")");
}

void KavariWindow::reportStartFailure(const QString &why)
{
    appendLog("\n✗ yt-dlp could not be started: " + why);
    setStatus("Failed", failedStyle);
    downloadButton->setText("Download");
    isDownloading = false;
}

void KavariWindow::appendChunk(QStringDecoder &decoder, const QByteArray &bytes)
{
    appendLog(QString(decoder.decode(bytes)).trimmed());
    QTextCursor cursor = outputLog->textCursor();
    cursor.movePosition(QTextCursor::End, QTextCursor::MoveAnchor);
    outputLog->setTextCursor(cursor);
}

// Like QTextEdit::append, one paragraph per call, but always as plain text: yt-dlp prints
// titles, and a title with markup must neither vanish nor restyle the log.
void KavariWindow::appendLog(const QString &text)
{
    QTextDocument *document = outputLog->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (!document->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(text, QTextCharFormat());
}

void KavariWindow::setStatus(const QString &text, const QString &styleSheet)
{
    statusLabel->setText(text);
    statusLabel->setStyleSheet(styleSheet);
}
