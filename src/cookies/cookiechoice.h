// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browsers.h"

#include <QObject>

class QComboBox;

// Which browser's cookies yt-dlp reads for a run, if any: "None" first and in every new window,
// then the browsers found when the window opens. Kavari itself never reads, copies or keeps a
// cookie: yt-dlp reads them, for each run.
class CookieChoice : public QObject
{
    Q_OBJECT

public:
    CookieChoice(QComboBox *combo, QObject *parent);

    // The browser's name as the combo shows it; empty for "None".
    QString chosen() const;
    // What --cookies-from-browser takes now; empty for "None", or a browser whose profile is gone.
    QString argument() const;
    // The first browser found; empty when there is none.
    QString first() const;
    void chooseFirst();

private:
    QComboBox *combo;
    QList<Browser> browsers;
};
