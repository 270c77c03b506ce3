// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"
#include "failureadvice.h"
#include "failurecauses.h"
#include "outputdecoder.h"
#include "retryoffer.h"
#include "unfinishedfile.h"
#include "versions.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>

#include <optional>

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
class RunLog;
class RunSandbox;
class StatusLine;
class UpdateOffer;
class VersionQuery;
struct ChildEnvironment;

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
    // The command line of a run with these cookies (empty for none), pausing or not.
    QStringList buildArguments(const QString &cookiesFrom, bool pacing);
    QString outputFolder() const;
    QString folderProblem(const QString &folder, const QString &program) const;
    QStringList links() const;
    // What a run is started with, as the fields say: links, folder, format, audio, playlist.
    QStringList choices() const;
    void onChoicesChanged();
    void onRetry(RetryOffer::Kind kind);
    void startDownload(std::optional<RetryOffer::Kind> retry = {});
    void launch(const QByteArray &programFile, const ChildEnvironment &child, const QString &folder,
                std::optional<RetryOffer::Kind> retry);
    void cancelDownload();
    void reportStartFailure(const QString &why);
    void reportEnd(bool complete);
    void killRun();
    void appendChunk(OutputDecoder &decoder, const QString &text);
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
    QStringList startedWith;
    // Asked once before a run whose cookies' keyring is named by yt-dlp's version, unless known.
    KnownVersion ytDlpVersion;
    QPointer<VersionQuery> keyringQuery;
    FailureCauses causes;
    UnfinishedFile unfinished;
    bool cancelled = false;
    // One per channel: a character or a colour code cut in two by a pipe read stays whole.
    OutputDecoder outputDecoder;
    OutputDecoder errorDecoder;
    RunLog *log = nullptr;
    ProgressShown *progress = nullptr;
    StatusLine *status = nullptr;
    RunSandbox *sandbox = nullptr;
    DesktopNotifier *notifier = nullptr;
    UpdateOffer *updateOffer = nullptr;
    CookieChoice *cookies = nullptr;
    RetryOffer *retryOffer = nullptr;
};
