// SPDX-License-Identifier: GPL-3.0-or-later
// The real yt-dlp and ffmpeg, end to end through the window, against clips served on 127.0.0.1.
#include "kavariwindow.h"
#include "localhttpserver.h"
#include "windowaccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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
    void shouldDownloadWhatTheWindowSays_data();
    void shouldDownloadWhatTheWindowSays();

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
    for (const char *name : {"clip.mp4", "second.mp4"}) {
        QCOMPARE(QProcess::execute("ffmpeg",
                                   {"-nostdin", "-loglevel", "error", "-f", "lavfi", "-i",
                                    "sine=frequency=440:duration=1", "-f", "lavfi", "-i",
                                    "color=c=blue:s=160x120:r=10:d=1", "-c:v", "mpeg4", "-c:a", "aac",
                                    "-shortest", served.filePath(name)}),
                 0);
    }
    // A page with two videos, which yt-dlp takes for a playlist of two.
    QFile page(served.filePath("two.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<title>two clips</title><video src=\"clip.mp4\"></video><video src=\"second.mp4\"></video>");
    page.close();
    QVERIFY(server.start(served.path()));
}

void tst_RealDownload::shouldDownloadWhatTheWindowSays_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("wholePlaylist");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("mp3 into a folder with a blank and a % sign")
        << "clip.mp4" << 0 << false << QStringList {"clip.mp3"};
    QTest::newRow("two videos, box unchecked: one")
        << "two.html" << 2 << false << QStringList {"two clips (1).mp4"};
    QTest::newRow("two videos, box checked: both")
        << "two.html" << 2 << true << QStringList {"two clips (1).mp4", "two clips (2).mp4"};
}

void tst_RealDownload::shouldDownloadWhatTheWindowSays()
{
    QFETCH(QString, file);
    QFETCH(int, format);
    QFETCH(bool, wholePlaylist);
    QFETCH(QStringList, expected);

    // A HOME of its own keeps the user's yt-dlp configuration and cache out of the test.
    QTemporaryDir home;
    const QByteArray ownHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const QString folder = home.filePath("my clips 100%");

    KavariWindow window;
    control<QLineEdit>(window, "urlEdit")->setText(server.url(file));
    control<QLineEdit>(window, "outputDirEdit")->setText(folder);
    control<QComboBox>(window, "qualityCombo")->setCurrentIndex(format);
    control<QCheckBox>(window, "playlistCheckBox")->setChecked(wholePlaylist);
    control<QPushButton>(window, "downloadButton")->click();

    auto *status = control<QLabel>(window, "statusLabel");
    auto *log = control<QTextEdit>(window, "outputLog");
    QTRY_VERIFY2_WITH_TIMEOUT(status->text() != "Downloading...", qPrintable(log->toPlainText()), 180000);
    qputenv("HOME", ownHome);
    QVERIFY2(status->text() == "Complete", qPrintable(log->toPlainText()));
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
}

QTEST_MAIN(tst_RealDownload)
#include "tst_realdownload.moc"
