// SPDX-License-Identifier: GPL-3.0-or-later
// How far a run has come, read from what yt-dlp prints.
#include "runprogress.h"

#include <QTest>

namespace {
const QString videoLink = "http://127.0.0.1:9/watch?v=kavari";
} // namespace

class tst_Progress : public QObject
{
    Q_OBJECT

private slots:
    void shouldReadTheProgressYtDlpPrints_data();
    void shouldReadTheProgressYtDlpPrints();
};

void tst_Progress::shouldReadTheProgressYtDlpPrints_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<QList<int>>("perMille");
    QTest::addColumn<QStringList>("links");
    const QString at = " of   10.00MiB at    1.00MiB/s ETA 00:05\n";
    QTest::newRow("a single video") << QStringList {"[download] Destination: a.mp4\n[download]   0.0%" + at,
                                                    "[download]  42.0%" + at,
                                                    "[download] 100% of 10.00MiB in 00:10\n"}
                                    << QList {0, 420, 1000} << QStringList();
    QTest::newRow("two streams merged")
        << QStringList {"[info] a: Downloading 1 format(s): 137+251\n[download] Destination: a.f137.mp4\n",
                        "[download]  50.0%" + at,
                        "[download] 100%" + at + "[download] Destination: a.f251.webm\n",
                        "[download]  50.0%" + at, "[Merger] Merging formats into \"a.mp4\"\n"}
        << QList {-1, 250, 500, 750, 750} << QStringList();
    QTest::newRow("a playlist of three; older yt-dlp says video")
        << QStringList {"[download] Downloading item 2 of 3\n[info] b: Downloading 1 format(s): 18\n"
                        "[download] Destination: b.mp4\n[download]  50.0%" +
                            at,
                        "[download] Downloading video 3 of 3\n",
                        "[download] Destination: c.mp4\n[download]  40.0%" + at}
        << QList {500, 500, 800} << QStringList();
    QTest::newRow("fragments of an estimated size, never backwards")
        << QStringList {"[download]  42.0% of ~  10.00MiB at 1MiB/s ETA 00:05 (frag 3/10)\n",
                        "[download]  41.5% of ~  12.00MiB at 1MiB/s ETA 00:06 (frag 4/10)\n"}
        << QList {420, 420} << QStringList();
    QTest::newRow("several progress lines in a chunk: the last")
        << QStringList {"[download]  10.0%" + at + "[download]  20.0%" + at + "[download]  30.0%" + at}
        << QList {300} << QStringList();
    // Each link is a part of its own; a playlist's entries are none of them.
    const QStringList two = {"http://127.0.0.1/a", "http://127.0.0.1/b"};
    QTest::newRow("two links, the second named by yt-dlp")
        << QStringList {"[generic] Extracting URL: http://127.0.0.1/a\n[download]  40.0%" + at,
                        "[generic] Extracting URL: http://127.0.0.1/x\n",
                        "[generic] Extracting URL: http://127.0.0.1/b\n", "[download]  50.0%" + at}
        << QList {200, 200, 500, 750} << two;
    QTest::newRow("no progress line yet")
        << QStringList {"[generic] Extracting URL: " + videoLink + "\n"} << QList {-1} << QStringList();
    QTest::newRow("a yt-dlp that prints no percentages")
        << QStringList {"[download] Destination: 50% off.mp4\n", "[download] Download completed\n"}
        << QList {-1, -1} << QStringList();
}

void tst_Progress::shouldReadTheProgressYtDlpPrints()
{
    QFETCH(QStringList, chunks);
    QFETCH(QList<int>, perMille);
    QFETCH(QStringList, links);
    RunProgress progress(links);
    QList<int> seen;
    for (const QString &chunk : chunks) {
        progress.read(chunk);
        seen << (progress.fraction() < 0 ? -1 : qRound(progress.fraction() * 1000));
    }
    QCOMPARE(seen, perMille);
}

QTEST_GUILESS_MAIN(tst_Progress)
#include "tst_progress.moc"
