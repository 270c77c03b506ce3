// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "childprocess.h"
#include "failureadvice.h"
#include "zipentry.h"

#include <QObject>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>

#include <functional>
#include <memory>

class Fetch;
class QNetworkAccessManager;
class QProcess;
class StagedFile;

// Gets the current yt-dlp, and deno where YouTube needs it, checked before anything of them runs:
// yt-dlp's checksums by their signature, each file by its checksum, each program by the version it
// says. pipx's own yt-dlp is upgraded by pipx. Nothing of the old ones changes until the new one
// has passed every check, and going away stops the update with nothing installed.
class Updater : public QObject
{
    Q_OBJECT

public:
    // ran: the yt-dlp that failed, with the environment of its run, where searchPath is its PATH.
    Updater(const ChildCommand &ran, const QStringList &searchPath, const UpdateNeeds &needs,
            QObject *parent);
    ~Updater() override;

    void start();

signals:
    // What is being done, or was found, for the log.
    void step(const QString &line);
    // pipx's own output, on its channel.
    void output(const QString &text, int channel);
    // Of the file being fetched; total is -1 while unknown.
    void progress(qint64 received, qint64 total);
    // Once; empty when everything asked for is updated.
    void finished(const QString &failure);

private:
    void updateYtDlp();
    void upgradeWithPipx();
    void fetchSums();
    void checkSignature();
    void fetchYtDlp();
    QString judgeYtDlp(const QString &versionText);
    void updateDeno();
    void extractDeno();
    void copyDeno();
    QString judgeDeno(const QString &versionText);
    void checkAndInstall(const QString &name, QString (Updater::*judge)(const QString &),
                         void (Updater::*next)());
    void succeed();
    void fail(const QString &what, const QString &why);
    // Fetches the file of that name from the folder, into the device or kept; then continues.
    void fetch(const QUrl &folder, const QString &name, qint64 limit, QIODevice *into,
               const std::function<void(Fetch *)> &then);
    // Runs a short query with the run's environment; then continues with what it printed.
    void ask(const QString &program, const QByteArrayList &arguments,
             const std::function<void(QString)> &then);

    ChildCommand ran;
    QStringList searchPath;
    UpdateNeeds needs;
    QNetworkAccessManager *network;
    QProcess *pipx = nullptr;
    qint64 pipxGroup = 0;
    QStringDecoder outputDecoder {QStringConverter::Utf8}; // one per channel: a character cut in two
    QStringDecoder errorDecoder {QStringConverter::Utf8}; // by a pipe read stays whole
    QTemporaryDir work;
    QByteArray sums;
    QByteArray signature;
    QString fingerprint;
    QString target;
    std::unique_ptr<StagedFile> staged;
    int ytDlpTries = 0;
    QTemporaryFile denoArchive;
    ZipEntry denoEntry;
    qint64 denoSize = 0;
    bool done = false;
};
