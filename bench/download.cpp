// SPDX-License-Identifier: GPL-3.0-or-later
// A real download of a generated clip through the window, against yt-dlp run directly.
#include "bench.h"
#include "localhttpserver.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

Figure realDownloadFigure(const QString &scratch)
{
    const QString tools[] = {"yt-dlp", "ffmpeg", "python3"};
    for (const QString &tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return {"real download, 50 MB clip", tool + " missing", "-", "-", "0.98x to 1.05x", false};
    }
    const QString clip = scratch + "/served/clip.mp4";
    QDir().mkpath(scratch + "/served");
    // Noise does not compress: about 50 MB for 10 seconds.
    QProcess::execute(
        "ffmpeg",
        {"-nostdin", "-loglevel", "error",     "-y",
         "-f",       "lavfi",     "-i",        "nullsrc=s=640x360:r=25:d=10,geq=random(1)*255:128:128",
         "-f",       "lavfi",     "-i",        "sine=frequency=440:duration=10",
         "-c:v",     "mpeg4",     "-b:v",      "40M",
         "-c:a",     "aac",       "-shortest", clip});
    const double sizeMb = QFileInfo(clip).size() / 1e6;

    LocalHttpServer server;
    if (!server.start(scratch + "/served"))
        return {"real download, 50 MB clip", "no local HTTP server", "-", "-", "0.98x to 1.05x", false};
    const QString url = server.url("clip.mp4");

    // Both runs in the same HOME, with a cache folder, as a user has it.
    const QString home = scratch + "/home";
    QDir().mkpath(home + "/.cache");
    qputenv("HOME", QFile::encodeName(home));

    QList<double> ratios, window, direct;
    bool allComplete = true;
    for (int i = 0; i < downloadRepeats; ++i) {
        const QString folder = scratch + QString("/out%1").arg(i);
        const auto throughWindow = [&] {
            KavariWindow kavari;
            kavari.show();
            if (!QTest::qWaitForWindowExposed(&kavari))
                qWarning("the window was not shown");
            TickWatch ticks(&kavari);
            kavari.findChild<QComboBox *>("qualityCombo")->setCurrentIndex(2);
            kavari.findChild<QLineEdit *>("urlEdit")->setText(url);
            kavari.findChild<QLineEdit *>("outputDirEdit")->setText(folder + "/window");
            QElapsedTimer clock;
            clock.start();
            kavari.findChild<QPushButton *>("downloadButton")->click();
            waitForReport(kavari.findChild<QPushButton *>("downloadButton"));
            stalls << ticks.worstGapMs;
            allComplete = allComplete && kavari.findChild<QLabel *>("statusLabel")->text() == "Complete";
            return clock.nsecsElapsed() / 1e6;
        };
        // The same program, arguments and streams as the window gives it.
        const auto directly = [&](const QString &name) {
            QProcess ytdlp;
            ytdlp.setStandardInputFile(QProcess::nullDevice());
            QObject::connect(&ytdlp, &QProcess::readyReadStandardOutput, &ytdlp,
                             [&ytdlp] { ytdlp.readAllStandardOutput(); });
            QObject::connect(&ytdlp, &QProcess::readyReadStandardError, &ytdlp,
                             [&ytdlp] { ytdlp.readAllStandardError(); });
            QElapsedTimer clock;
            clock.start();
            ytdlp.start(QStandardPaths::findExecutable("yt-dlp"),
                        {"--no-playlist", "--playlist-items", "1", "-f", "bestvideo+bestaudio/best", "-o",
                         folder + "/" + name + "/%(title).200B.%(ext)s", "--newline", "--", url});
            waitForFinished(&ytdlp);
            allComplete = allComplete && ytdlp.exitCode() == 0;
            return clock.nsecsElapsed() / 1e6;
        };
        // The window's run between two direct ones, against their mean: neither the order of the
        // runs nor a drift of the machine's speed favours one side.
        const double before = directly("before");
        window << throughWindow();
        const double after = directly("after");
        direct << (before + after) / 2;
        ratios << window.last() / direct.last();
    }
    const double ratio = median(ratios);
    return {QString("real download, %1 MB clip, Best Video + Audio").arg(sizeMb, 0, 'f', 0),
            ms(median(window)) + (allComplete ? "" : " (not all Complete)"),
            ms(median(direct)) + " (yt-dlp run directly)",
            ratioText(ratios, 3),
            "0.98x to 1.05x",
            ratio >= 0.98 && ratio <= 1.05 && allComplete};
}
