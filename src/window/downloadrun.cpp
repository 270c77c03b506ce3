// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/types.h>
#include <unistd.h>

namespace {

// The folders of a PATH that is unset or empty: the system's default, never the working folder.
QStringList defaultSearchPath()
{
    QByteArray value(confstr(_CS_PATH, nullptr, 0), '\0');
    if (value.isEmpty() || confstr(_CS_PATH, value.data(), value.size()) == 0)
        return {"/bin", "/usr/bin"};
    return QString::fromLocal8Bit(value.constData()).split(':', Qt::SkipEmptyParts);
}

// yt-dlp and deno installed for the user win over older system copies. An empty entry would
// mean the working folder, so there is none.
QStringList childSearchPath(const QString &home, const QString &inherited)
{
    QStringList folders = inherited.split(':', Qt::SkipEmptyParts);
    if (folders.isEmpty())
        folders = defaultSearchPath();
    return QStringList {home + "/.deno/bin", home + "/.local/bin"} + folders;
}
} // namespace

void KavariWindow::onDownloadClicked()
{
    if (!isDownloading) {
        startDownload();
        return;
    }
    // The second click of a double-click on Download must not cancel the run the first one started.
    if (sinceStart.isValid() && sinceStart.elapsed() < QApplication::doubleClickInterval())
        return;
    cancelDownload();
}

void KavariWindow::startDownload()
{
    if (urlEdit->text().trimmed().isEmpty()) {
        QMessageBox::warning(this, "Error", "Please enter a URL");
        return;
    }
    const QString folder = outputFolder();
    if (folder.isEmpty()) {
        QMessageBox::warning(this, "Error", "Please select an output directory");
        return;
    }
    // A relative folder would land wherever Kavari happened to be started from.
    if (!folder.startsWith('/')) {
        QMessageBox::warning(this, "Error", "Please enter the output directory as a full path");
        return;
    }

    // A cancelled run whose end is not reported yet: let that report land on its own log
    // before this run clears it, and free the process for the new child.
    if (process->state() != QProcess::NotRunning)
        process->waitForFinished(5000);

    outputLog->clear();
#ifdef __GLIBC__
    // A long run's log held hundreds of megabytes; give them back to the system, not only to malloc.
    malloc_trim(0);
#endif
    isDownloading = true;
    downloadButton->setText("Cancel");
    setStatus("Downloading...", "blue");

    const QStringList arguments = buildArguments();
    appendNote("Command: yt-dlp " + arguments.join(' '));
    appendNote(QString());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QStringList folders =
        childSearchPath(environment.value("HOME", QString()), environment.value("PATH", QString()));
    environment.insert("PATH", folders.join(':'));
    process->setProcessEnvironment(environment);

    if (process->state() != QProcess::NotRunning) {
        reportStartFailure("the previous download has not ended yet");
        return;
    }

    // QProcess would look a bare name up in Kavari's own PATH; the user's own yt-dlp in
    // ~/.local/bin must win.
    const QString program = QStandardPaths::findExecutable("yt-dlp", folders);
    if (program.isEmpty()) {
        reportStartFailure("no program of that name in " + folders.join(", "));
        return;
    }

    outputDecoder = QStringDecoder(QStringConverter::Utf8);
    errorDecoder = QStringDecoder(QStringConverter::Utf8);
    process->start(program, arguments, QIODeviceBase::ReadWrite);
    sinceStart.start();

    // Also from this side, so that a Cancel right after the fork already finds the group.
    runGroup = process->processId();
    if (runGroup > 0)
        setpgid(static_cast<pid_t>(runGroup), static_cast<pid_t>(runGroup));
}

void KavariWindow::cancelDownload()
{
    if (process->state() != QProcess::NotRunning)
        killRun();
    appendNote("\n--- Download cancelled by user ---");
    setStatus("Cancelled", "orange");
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
    // yt-dlp is gone, but an ffmpeg it started, or anything else of its group, may still run.
    killRun();
    runGroup = 0;
    isDownloading = false;
    downloadButton->setText("Download");
    // Seen in the task bar by a user who switched to another window meanwhile.
    QApplication::alert(this);
    if (exitStatus != QProcess::CrashExit && exitCode == 0) {
        appendNote("\n✓ Download completed successfully!");
        setStatus("Complete", "green");
    } else {
        appendNote("\n✗ Download failed or was cancelled");
        setStatus("Failed", "red");
    }
}

void KavariWindow::onProcessErrorOccurred(QProcess::ProcessError error)
{
    // A crash is reported by finished(); a start that failed after a Cancel needs no second word.
    if (error != QProcess::FailedToStart || !isDownloading)
        return;
    // The forked child is gone already, and its number is free for others.
    runGroup = 0;
    reportStartFailure(process->errorString() + " (" + process->program() + ")");
}

void KavariWindow::reportStartFailure(const QString &why)
{
    appendNote("\n✗ yt-dlp could not be started: " + why);
    setStatus("Failed", "red");
    downloadButton->setText("Download");
    isDownloading = false;
}

void KavariWindow::appendChunk(QStringDecoder &decoder, const QByteArray &bytes)
{
    appendLog(QString(decoder.decode(bytes)).trimmed());
    // Drops any selection and shows the end, down to the log's bottom margin.
    QTextCursor end(outputLog->document());
    end.movePosition(QTextCursor::End, QTextCursor::MoveAnchor);
    outputLog->setTextCursor(end);
    QScrollBar *bar = outputLog->verticalScrollBar();
    bar->setValue(bar->maximum());
}

// Kavari's own lines leave the cursor alone, but a view that showed the end keeps showing it,
// so that the outcome is never hidden just below the visible part.
void KavariWindow::appendNote(const QString &text)
{
    QScrollBar *bar = outputLog->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    appendLog(text);
    if (atEnd)
        bar->setValue(bar->maximum());
}

// One paragraph per call, always as plain text: yt-dlp prints titles, and a title with markup
// must neither vanish nor restyle the log. Line breaks inside the text become line separators:
// they look the same, but a paragraph of hundreds of lines costs far less memory than hundreds
// of paragraphs.
//
// The log always ends in an empty paragraph of no height, which the next call fills. Appending
// then never changes the paragraph before, which the layout would otherwise lay out again in full.
void KavariWindow::appendLog(const QString &text)
{
    QTextBlockFormat tail;
    tail.setLineHeight(0, QTextBlockFormat::FixedHeight);
    QString paragraph = text;
    paragraph.replace('\n', QChar::LineSeparator);

    // One edit, so that the layout runs once and no cursor position is worked out in between.
    QTextCursor cursor(outputLog->document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.insertText(paragraph, QTextCharFormat());
    cursor.insertBlock(tail, QTextCharFormat());
    cursor.endEditBlock();
}
