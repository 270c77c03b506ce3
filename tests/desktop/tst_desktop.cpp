// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows beside its own widgets, tested without a window: colours that stay
// readable on a dark theme, and what a notification of a run's end says.
#include "desktopnotifier.h"
#include "readablecolour.h"

#include <QColor>
#include <QPalette>
#include <QTest>

#include <cmath>

namespace {
// WCAG's contrast of two colours.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
            0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

class tst_Desktop : public QObject
{
    Q_OBJECT

private slots:
    void shouldKeepColoursReadable_data();
    void shouldKeepColoursReadable();
    void shouldSayWhatWasDownloadedWhere_data();
    void shouldSayWhatWasDownloadedWhere();
};

void tst_Desktop::shouldKeepColoursReadable_data()
{
    QTest::addColumn<QString>("hue");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    // Breeze Dark's and Adwaita dark's window and text colours; a light theme keeps the name.
    for (const char *hue : {"blue", "green", "red", "orange", "#666"}) {
        QTest::addRow("%s on Breeze Dark", hue)
            << hue << QColor(0x20, 0x23, 0x26) << QColor(0xfc, 0xfc, 0xfc);
        QTest::addRow("%s on Adwaita dark", hue) << hue << QColor(0x24, 0x24, 0x24) << QColor(Qt::white);
        QTest::addRow("%s on a light theme", hue)
            << hue << QColor(0xef, 0xf0, 0xf1) << QColor(0x23, 0x26, 0x27);
    }
}

void tst_Desktop::shouldKeepColoursReadable()
{
    QFETCH(QString, hue);
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    const QString shown = readableColour(hue, palette);
    if (window.lightness() > text.lightness()) {
        QCOMPARE(shown, hue);
        return;
    }
    // The same hue, lighter until ordinary text in it is readable.
    QVERIFY2(contrast(QColor(shown), window) >= 4.5, qPrintable(shown));
    QVERIFY(std::abs(QColor(shown).hslHue() - QColor(hue).hslHue()) <= 2);
}

void tst_Desktop::shouldSayWhatWasDownloadedWhere_data()
{
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("notice");
    const QString link = "http://127.0.0.1:9/watch?v=kavari";
    QTest::newRow("one link") << QStringList {link} << link + "\ninto /home/a/Music";
    QTest::newRow("three links") << QStringList {link, link, link}
                                 << link + " and 2 more\ninto /home/a/Music";
}

void tst_Desktop::shouldSayWhatWasDownloadedWhere()
{
    QFETCH(QStringList, links);
    QFETCH(QString, notice);
    QCOMPARE(downloadNotice(links, "/home/a/Music"), notice);
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
