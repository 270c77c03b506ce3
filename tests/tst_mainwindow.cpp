// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"
#include "windowaccess.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
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
    void shouldEnableAudioQualityOnlyForAudioFormats();
    void shouldPickTheFolderWithTheChooser_data();
    void shouldPickTheFolderWithTheChooser();
};

// Only what a download or a screen reader depends on: the keys behind the items, the choices
// made, the folder, and the names that controls are announced by.
void tst_MainWindow::shouldOpenReadyForADownload()
{
    KavariWindow window;
    QCOMPARE(control<QLineEdit>(window, "outputDirEdit")->text(),
             QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    QStringList keys;
    for (const char *name : {"qualityCombo", "audioQualityCombo"}) {
        auto *combo = control<QComboBox>(window, name);
        for (int i = 0; i < combo->count(); ++i)
            keys << combo->itemData(i).toString();
        QCOMPARE(combo->currentIndex(), 0);
    }
    QCOMPARE(keys,
             QStringList({"mp3", "m4a", "bestvideo+bestaudio", "720p", "1080p", "0", "192", "128", "64"}));
    QVERIFY(control<QComboBox>(window, "audioQualityCombo")->isEnabled());
    QVERIFY(!control<QCheckBox>(window, "playlistCheckBox")->isChecked());
    auto *log = control<QTextEdit>(window, "outputLog");
    QVERIFY(log->isReadOnly() && (log->textInteractionFlags() & Qt::TextSelectableByMouse));
    QCOMPARE(window.findChild<QProcess *>()->state(), QProcess::NotRunning);

    QStringList names;
    for (const char *name : {"urlEdit", "outputDirEdit", "outputLog", "downloadButton"})
        names
            << QAccessible::queryAccessibleInterface(control<QWidget>(window, name))->text(QAccessible::Name);
    QCOMPARE(names, QStringList({"Video URL", "Output Directory", "Output Log", "Download"}));
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
    QTest::newRow("markers in capitals") << "https://127.0.0.1/Playlist?LIST=PL1" << single << single;
    QTest::newRow("list= ending a longer name") << "https://127.0.0.1/watch?v=a&mylist=1" << ignored << full;
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

void tst_MainWindow::shouldEnableAudioQualityOnlyForAudioFormats()
{
    KavariWindow window;
    auto *formats = control<QComboBox>(window, "qualityCombo");
    auto *audio = control<QComboBox>(window, "audioQualityCombo");
    audio->setCurrentIndex(2);
    QList<bool> enabled;
    for (const int format : {1, 2, 3, 4, 0}) {
        formats->setCurrentIndex(format);
        enabled << audio->isEnabled();
        QCOMPARE(audio->currentIndex(), 2);
    }
    QCOMPARE(enabled, QList<bool>({true, false, false, false, true}));
}

void tst_MainWindow::shouldPickTheFolderWithTheChooser_data()
{
    QTest::addColumn<bool>("startInTypedFolder");
    QTest::addColumn<bool>("accept");
    QTest::newRow("typed folder, folder chosen") << true << true;
    QTest::newRow("typed folder, chooser cancelled") << true << false;
    QTest::newRow("empty field, folder chosen") << false << true;
}

void tst_MainWindow::shouldPickTheFolderWithTheChooser()
{
    QFETCH(bool, startInTypedFolder);
    QFETCH(bool, accept);

    QTemporaryDir typed;
    QTemporaryDir chosen;
    KavariWindow window;
    auto *folder = control<QLineEdit>(window, "outputDirEdit");
    folder->setText(startInTypedFolder ? typed.path() : QString());
    const QString before = folder->text();
    QString startedIn;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        startedIn = dialog->windowTitle() + ' ' + dialog->directory().absolutePath();
        dialog->setDirectory(chosen.path());
        accept ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
    });
    control<QPushButton>(window, "browseButton")->click();

    if (startInTypedFolder)
        QCOMPARE(startedIn, "Select Output Directory " + typed.path());
    QCOMPARE(folder->text(), accept ? chosen.path() : before);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
