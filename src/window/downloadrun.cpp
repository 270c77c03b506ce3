// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QProgressBar>
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
// mean the working folder, so there is none; nor is there a folder under a relative HOME.
QStringList childSearchPath(const QString &home, const QString &inherited)
{
    QStringList folders = inherited.split(':', Qt::SkipEmptyParts);
    if (folders.isEmpty())
        folders = defaultSearchPath();
    if (!home.startsWith('/'))
        return folders;
    return QStringList {home + "/.deno/bin", home + "/.local/bin"} + folders;
}

// The files in the folder that yt-dlp would read as its configuration, were it started there
// or were the folder its home or configuration folder.
QStringList configFiles(const QString &folder)
{
    QStringList names = {"yt-dlp.conf", "yt-dlp.conf.txt"};
    const QString folderName = QFileInfo(QDir::cleanPath(folder)).fileName();
    if (folderName == "yt-dlp" || folderName == ".yt-dlp")
        names += {"config", "config.txt"};
    QStringList present;
    for (const QString &name : names) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.exists() || file.isSymLink())
            present += file.filePath();
    }
    return present;
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

// Enter in the link or folder field, as in a browser's address bar. It never cancels: a second
// Enter while the run is on does nothing.
void KavariWindow::onReturnPressed()
{
    if (!isDownloading)
        startDownload();
}

void KavariWindow::startDownload()
{
    if (links().isEmpty()) {
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
    // The last run's explanation is of no use to this one, and must not land in its log.
    if (versionQuery) {
        versionQuery->disconnect(this);
        versionQuery->kill();
    }

    outputLog->clear();
#ifdef __GLIBC__
    // A long run's log held hundreds of megabytes; give them back to the system, not only to malloc.
    malloc_trim(0);
#endif
    isDownloading = true;
    downloadButton->setText("Cancel");
    setStatus("Downloading...", "blue");
    // Busy until yt-dlp prints its first percent.
    progress = RunProgress();
    shownPercent = -1;
    sinceBarPainted.invalidate();
    progressBar->setRange(0, 0);
    progressBar->show();

    const QStringList arguments = buildArguments();
    appendNote("Command: yt-dlp " + arguments.join(' '));
    appendNote(QString());

    run = RunFacts();
    run.environment = QProcessEnvironment::systemEnvironment();
    run.searchPath =
        childSearchPath(run.environment.value("HOME", QString()), run.environment.value("PATH", QString()));
    run.environment.insert("PATH", run.searchPath.join(':'));
    run.links = links();
    run.folder = folder;
    run.format = qualityCombo->currentData().toString();
    process->setProcessEnvironment(run.environment);

    if (process->state() != QProcess::NotRunning) {
        reportStartFailure("the previous download has not ended yet");
        return;
    }

    // QProcess would look a bare name up in Kavari's own PATH; the user's own yt-dlp in
    // ~/.local/bin must win.
    run.program = QStandardPaths::findExecutable("yt-dlp", run.searchPath);
    if (run.program.isEmpty()) {
        reportStartFailure("no program of that name in " + run.searchPath.join(", "));
        return;
    }
    runFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kavari-run-XXXXXX");
    if (!runFolder->isValid()) {
        reportStartFailure("no working folder could be made in " + QDir::tempPath() + ": " +
                           runFolder->errorString());
        return;
    }
    process->setWorkingDirectory(runFolder->path());
    run.configsBefore = configFiles(folder);

    outputDecoder = QStringDecoder(QStringConverter::Utf8);
    errorDecoder = QStringDecoder(QStringConverter::Utf8);
    process->start(run.program, arguments, QIODeviceBase::ReadWrite);
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
    run.cancelled = true;
    endProgress();
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
    runFolder.reset();
    endProgress();
    isDownloading = false;
    downloadButton->setText("Download");
    const QStringList planted = removePlantedConfigs();
    for (const QString &file : planted)
        appendNote("\n✗ Removed " + file +
                   ": yt-dlp would have read this downloaded file as its configuration at its next "
                   "start, and obeyed whatever options it holds.");
    const bool complete = exitStatus != QProcess::CrashExit && exitCode == 0 && planted.isEmpty();
    notifyIfUnseen(complete);
    if (complete) {
        appendNote("\n✓ Download completed successfully!");
        setStatus("Complete", "green");
    } else {
        appendNote("\n✗ Download failed or was cancelled");
        setStatus("Failed", "red");
        if (!run.cancelled)
            explainFailure();
    }
}

// A page can name a file yt-dlp.conf; saved where yt-dlp looks for its configuration, it would
// run the page's options, --exec among them, at the next start. What was there before is the user's.
QStringList KavariWindow::removePlantedConfigs() const
{
    QStringList removed;
    for (const QString &file : configFiles(run.folder))
        if (!run.configsBefore.contains(file) && QFile::remove(file))
            removed += file;
    return removed;
}

void KavariWindow::onProcessErrorOccurred(QProcess::ProcessError error)
{
    // A crash is reported by finished(); a start that failed after a Cancel needs no second word.
    if (error != QProcess::FailedToStart || !isDownloading)
        return;
    // The forked child is gone already, and its number is free for others.
    runGroup = 0;
    runFolder.reset();
    reportStartFailure(process->errorString() + " (" + process->program() + ")");
}

void KavariWindow::reportStartFailure(const QString &why)
{
    endProgress();
    appendNote("\n✗ yt-dlp could not be started: " + why);
    setStatus("Failed", "red");
    downloadButton->setText("Download");
    isDownloading = false;
}

void KavariWindow::appendChunk(QStringDecoder &decoder, const QByteArray &bytes)
{
    QString text = decoder.decode(bytes);
    const bool running = isDownloading;
    if (running)
        progress.read(text);
    // Trimmed in place: a flood brings megabytes.
    appendLog(std::move(text).trimmed());
    if (running)
        showProgress();
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
