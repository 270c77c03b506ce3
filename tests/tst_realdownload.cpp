// SPDX-License-Identifier: GPL-3.0-or-later
// The real yt-dlp and ffmpeg, end to end through the window, against a clip served on 127.0.0.1.
#include "kavariwindow.h"
#include "localhttpserver.h"
#include "windowaccess.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

class tst_RealDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shouldDownloadAnMp3IntoAFolderWithABlankAndAPercentSign();

private:
    QTemporaryDir served;
    LocalHttpServer server;
};

void tst_RealDownload::initTestCase()
{
    for (const char *tool : {"yt-dlp", "ffmpeg", "python3"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(QString("%1 is not installed; the end-to-end download is not tried").arg(tool)));
    }

    const int made = QProcess::execute("ffmpeg",
                                       {"-nostdin", "-hide_banner", "-loglevel", "error", "-f", "lavfi", "-i",
                                        "sine=frequency=440:duration=2", "-f", "lavfi", "-i",
                                        "color=c=blue:s=160x120:r=10:d=2", "-c:v", "mpeg4", "-c:a", "aac",
                                        "-shortest", served.filePath("clip.mp4")});
    QCOMPARE(made, 0);

    QVERIFY(server.start(served.path()));
}

void tst_RealDownload::shouldDownloadAnMp3IntoAFolderWithABlankAndAPercentSign()
{
    // A HOME of its own keeps the user's yt-dlp configuration and cache out of the test.
    QTemporaryDir home;
    const QByteArray ownHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const QString folder = home.filePath("my clips 100%");

    KavariWindow window;
    control<QLineEdit>(window, "urlEdit")->setText(server.url("clip.mp4"));
    control<QLineEdit>(window, "outputDirEdit")->setText(folder);
    control<QPushButton>(window, "downloadButton")->click();

    auto *status = control<QLabel>(window, "statusLabel");
    auto *log = control<QTextEdit>(window, "outputLog");
    QTRY_VERIFY2_WITH_TIMEOUT(status->text() != "Downloading...", qPrintable(log->toPlainText()), 180000);
    qputenv("HOME", ownHome);

    QVERIFY2(status->text() == "Complete", qPrintable(log->toPlainText()));
    const QFileInfo mp3(folder + "/clip.mp3");
    QVERIFY2(mp3.isFile() && mp3.size() > 0, qPrintable(QDir(home.path()).entryList().join(", ")));
}

QTEST_MAIN(tst_RealDownload)
#include "tst_realdownload.moc"
