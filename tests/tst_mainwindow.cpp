// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"
#include "windowaccess.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void shouldOpenReadyForADownload();
    void shouldDescribeTheLinkMode_data();
    void shouldDescribeTheLinkMode();
    void shouldEnableAudioQualityOnlyForAudioFormats_data();
    void shouldEnableAudioQualityOnlyForAudioFormats();
    void shouldGiveExtraSpaceToTheLogOnly();
    void shouldPickTheFolderWithTheChooser_data();
    void shouldPickTheFolderWithTheChooser();
};

static QStringList itemKeys(const QComboBox *combo)
{
    QStringList keys;
    for (int i = 0; i < combo->count(); ++i)
        keys << combo->itemData(i).toString();
    return keys;
}

// Only what a download or a screen reader depends on: the keys behind the items, the choices
// made, the folder, and the names that controls are announced by.
void tst_MainWindow::shouldOpenReadyForADownload()
{
    KavariWindow window;
    QCOMPARE(control<QLineEdit>(window, "outputDirEdit")->text(),
             QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    auto *format = control<QComboBox>(window, "qualityCombo");
    QCOMPARE(itemKeys(format), QStringList({"mp3", "m4a", "bestvideo+bestaudio", "720p", "1080p"}));
    QCOMPARE(format->currentIndex(), 0);
    auto *audio = control<QComboBox>(window, "audioQualityCombo");
    QCOMPARE(itemKeys(audio), QStringList({"0", "192", "128", "64"}));
    QCOMPARE(audio->currentIndex(), 0);
    QVERIFY(audio->isEnabled());
    QVERIFY(!control<QCheckBox>(window, "playlistCheckBox")->isChecked());

    auto *log = control<QTextEdit>(window, "outputLog");
    QVERIFY(log->isReadOnly());
    QVERIFY(log->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(window.findChild<QProcess *>()->state(), QProcess::NotRunning);

    QStringList names;
    for (const char *name : {"urlEdit", "outputDirEdit", "outputLog", "downloadButton", "playlistCheckBox"})
        names
            << QAccessible::queryAccessibleInterface(control<QWidget>(window, name))->text(QAccessible::Name);
    QCOMPARE(
        names,
        QStringList({"Video URL", "Output Directory", "Output Log", "Download", "Download entire playlist"}));
}

void tst_MainWindow::shouldDescribeTheLinkMode_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("unchecked");
    QTest::addColumn<QString>("checked");

    const QString single = "Mode: Single video download";
    const QString ignored = "Mode: Single file download (playlist ignored)";
    const QString full = "Mode: Full playlist download";
    QTest::newRow("empty field") << ""
                                 << ""
                                 << "";
    QTest::newRow("plain video link") << "https://127.0.0.1/watch?v=abc" << single << single;
    QTest::newRow("video link carrying a playlist")
        << "https://127.0.0.1/watch?v=abc&list=PL1" << ignored << full;
    QTest::newRow("/playlist without list=") << "https://127.0.0.1/playlist" << ignored << full;
    QTest::newRow("LIST= in capitals") << "https://127.0.0.1/watch?v=a&LIST=PL1" << single << single;
    QTest::newRow("/Playlist in capitals") << "https://127.0.0.1/Playlist" << single << single;
    QTest::newRow("list= ending a longer name") << "https://127.0.0.1/watch?v=a&mylist=1" << ignored << full;
    QTest::newRow("marker in a text that is no link") << "list=" << ignored << full;
    QTest::newRow("blanks only") << "   " << single << single;
}

void tst_MainWindow::shouldDescribeTheLinkMode()
{
    QFETCH(QString, link);
    QFETCH(QString, unchecked);
    QFETCH(QString, checked);

    KavariWindow window;
    auto *mode = control<QLabel>(window, "modeLabel");
    auto *playlist = control<QCheckBox>(window, "playlistCheckBox");

    QTest::keyClicks(control<QLineEdit>(window, "urlEdit"), link);
    QCOMPARE(mode->text(), unchecked);
    playlist->click();
    QCOMPARE(mode->text(), checked);
    playlist->click();
    QCOMPARE(mode->text(), unchecked);
}

void tst_MainWindow::shouldEnableAudioQualityOnlyForAudioFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("M4A") << 1 << true;
    QTest::newRow("best video") << 2 << false;
    QTest::newRow("720p") << 3 << false;
    QTest::newRow("1080p") << 4 << false;
}

void tst_MainWindow::shouldEnableAudioQualityOnlyForAudioFormats()
{
    QFETCH(int, format);
    QFETCH(bool, enabled);

    KavariWindow window;
    auto *formats = control<QComboBox>(window, "qualityCombo");
    auto *audio = control<QComboBox>(window, "audioQualityCombo");
    audio->setCurrentIndex(2);

    formats->setCurrentIndex(format);
    QCOMPARE(audio->isEnabled(), enabled);
    QCOMPARE(audio->currentIndex(), 2);

    formats->setCurrentIndex(0);
    QVERIFY(audio->isEnabled());
    QCOMPARE(audio->currentIndex(), 2);
}

void tst_MainWindow::shouldGiveExtraSpaceToTheLogOnly()
{
    KavariWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    window.resize(100, 100);
    QCOMPARE(window.size(), QSize(700, 550));

    const QList<QGroupBox *> groups = window.findChildren<QGroupBox *>();
    auto *download = control<QPushButton>(window, "downloadButton");
    auto *format = control<QComboBox>(window, "qualityCombo");
    auto heights = [&groups] {
        QList<int> result;
        for (const QGroupBox *group : groups)
            result << group->height();
        return result;
    };
    const QList<int> before = heights();
    const int formatX = format->x();

    window.resize(1000, 900);
    QTRY_COMPARE(window.size(), QSize(1000, 900));
    const QList<int> after = heights();
    QCOMPARE(after.mid(0, 3), before.mid(0, 3));
    QVERIFY(after.at(3) > before.at(3) + 300);
    QCOMPARE(format->x(), formatX);
    // The button spans the row: the window's width less the two 15 px margins.
    QCOMPARE(download->width(), window.centralWidget()->width() - 30);
}

void tst_MainWindow::shouldPickTheFolderWithTheChooser_data()
{
    QTest::addColumn<bool>("startInTypedFolder");
    QTest::addColumn<bool>("accept");

    QTest::newRow("typed folder, folder chosen") << true << true;
    QTest::newRow("typed folder, chooser cancelled") << true << false;
    QTest::newRow("empty field, folder chosen") << false << true;
    QTest::newRow("empty field, chooser cancelled") << false << false;
}

void tst_MainWindow::shouldPickTheFolderWithTheChooser()
{
    QFETCH(bool, startInTypedFolder);
    QFETCH(bool, accept);

    QTemporaryDir typed;
    QTemporaryDir chosen;
    KavariWindow window;
    auto *folder = control<QLineEdit>(window, "outputDirEdit");
    folder->clear();
    if (startInTypedFolder)
        QTest::keyClicks(folder, typed.path());
    const QString before = folder->text();

    QString startedIn;
    QString caption;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        caption = dialog->windowTitle();
        startedIn = dialog->directory().absolutePath();
        if (accept) {
            dialog->setDirectory(chosen.path());
            static_cast<QDialog *>(dialog)->accept();
        } else {
            dialog->reject();
        }
    });
    control<QPushButton>(window, "browseButton")->click();

    QCOMPARE(caption, "Select Output Directory");
    if (startInTypedFolder)
        QCOMPARE(startedIn, typed.path());
    QCOMPARE(folder->text(), accept ? chosen.path() : before);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
