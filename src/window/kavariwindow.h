// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>

#include "runprogress.h"
#include "taskbarprogress.h"

#include <memory>

class DesktopNotifier;
class QAccessibleInterface;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;

class KavariWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit KavariWindow(QWidget *parent = nullptr);
    ~KavariWindow() override;

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
    QStringList buildArguments();
    QString outputFolder() const;
    QStringList links() const;

    void startDownload();
    void cancelDownload();
    void reportStartFailure(const QString &why);
    void killRun();
    void appendLog(const QString &text);
    void appendNote(const QString &text);
    void appendChunk(QStringDecoder &decoder, const QByteArray &bytes);
    QStringList removePlantedConfigs() const;
    void explainFailure();
    QStringList failureAdvice(const QString &versionOutput) const;
    void setStatus(const QString &text, const QString &hue);
    void notifyIfUnseen(bool complete);
    void showProgress();
    void endProgress();
    void announceStatus();
    static QAccessibleInterface *accessibleStatus(const QString &className, QObject *object);
    void bringToFront();
    QString textColour(const QString &name) const;
    bool hasDarkPalette() const;
    void applyPaletteColours();

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
    DesktopNotifier *notifier = nullptr;
    RunProgress progress;
    TaskbarProgress taskbar;
    // The whole percent the task bar shows, -1 while it is not known. The bar keeps its own
    // value, painted at most ten times a second.
    int shownPercent = -1;
    QElapsedTimer sinceBarPainted;
    bool isDownloading = false;
    // The process group of the run, 0 when none is left to kill.
    qint64 runGroup = 0;
    QElapsedTimer sinceStart;

    // What the current or last run started with, for what is said after its end.
    struct RunFacts
    {
        QString program;
        QProcessEnvironment environment;
        QStringList searchPath;
        QStringList links;
        QString folder;
        QString format;
        // yt-dlp's configuration files that the output folder held before the run.
        QStringList configsBefore;
        bool cancelled = false;
    };
    RunFacts run;
    // The run's working folder: private and empty, so that nothing yt-dlp reads at its next
    // start can land where it looks.
    std::unique_ptr<QTemporaryDir> runFolder;
    // yt-dlp --version after a failed run, gone once it has answered.
    QPointer<QProcess> versionQuery;
    // The colour of the status line's text: "blue", "green", "red" or "orange"; empty before a run.
    QString statusHue;

    // One decoder per channel for the whole run, so a character cut in two by a pipe read
    // is put back together instead of showing as replacement characters.
    QStringDecoder outputDecoder {QStringConverter::Utf8};
    QStringDecoder errorDecoder {QStringConverter::Utf8};
};
