// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"
#include "failureadvice.h"
#include "failurecauses.h"
#include "unfinishedfile.h"
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QStringDecoder>

class CookieChoice;
class DesktopNotifier;
class ProgressShown;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class RetryOffer;
class RunLog;
class RunSandbox;
class StatusLine;
class UpdateOffer;

class KavariWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit KavariWindow(QWidget *parent = nullptr);
    ~KavariWindow() override;

    // Into the link field, as if pasted with blanks between them.
    void setLinks(const QStringList &links);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onDownloadClicked();
    void onBrowseClicked();
    void onProcessOutput();
    void onProcessError();
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onQualityChanged(int index);
    void onUrlChanged();
    void onProcessErrorOccurred(QProcess::ProcessError error);
    void onReturnPressed();

private:
    void setupUi();
    void updateModeLabel();
    QString modeText() const;
    QStringList buildArguments();
    QString outputFolder() const;
    QString folderProblem(const QString &folder, const QString &program) const;
    QStringList links() const;
    void startDownload();
    void cancelDownload();
    void reportStartFailure(const QString &why);
    void reportEnd(bool complete);
    void killRun();
    void appendChunk(QStringDecoder &decoder, const QByteArray &bytes);
    void styleModeLabel();

    QLineEdit *urlEdit = nullptr;
    QLineEdit *outputDirEdit = nullptr;
    QComboBox *qualityCombo = nullptr;
    QComboBox *audioQualityCombo = nullptr;
    QCheckBox *playlistCheckBox = nullptr;
    QPushButton *downloadButton = nullptr;
    QPushButton *browseButton = nullptr;
    QTextEdit *outputLog = nullptr;
    QLabel *modeLabel = nullptr;
    QLabel *statusLabel = nullptr;
    QProgressBar *progressBar = nullptr;
    QProcess *process = nullptr;
    bool isDownloading = false;
    qint64 runGroup = 0; // 0 when none is left to kill
    QElapsedTimer sinceStart;
    // What the current or last run started with, for what is said after its end.
    ChildCommand command;
    RanYtDlp ran;
    FailureCauses causes;
    UnfinishedFile unfinished;
    bool cancelled = false;
    QStringDecoder outputDecoder {QStringConverter::Utf8}; // one per channel: a character cut in two
    QStringDecoder errorDecoder {QStringConverter::Utf8}; // by a pipe read stays whole
    RunLog *log = nullptr;
    ProgressShown *progress = nullptr;
    StatusLine *status = nullptr;
    RunSandbox *sandbox = nullptr;
    DesktopNotifier *notifier = nullptr;
    UpdateOffer *updateOffer = nullptr;
    CookieChoice *cookies = nullptr;
    RetryOffer *retryOffer = nullptr;
};
