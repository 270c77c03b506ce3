// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browsers.h"

#include <QComboBox>
#include <QObject>

// The combo that lists the browsers; it says when it opens, so that they are looked for again.
class BrowserBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void opening();
};

// Which browser's cookies yt-dlp reads for a run, if any: "None" first and in every new window,
// then the browsers found, looked for again when the combo opens and whenever a run needs them.
// Kavari itself never reads, copies or keeps a cookie: yt-dlp reads them, for each run.
class CookieChoice : public QObject
{
    Q_OBJECT

public:
    CookieChoice(BrowserBox *combo, QObject *parent);

    // The browser's name as the combo shows it; empty for "None".
    QString chosen() const;
    // What --cookies-from-browser takes now for the chosen browser, or the first one found, for
    // the yt-dlp of that version; empty for "None", or a browser whose profile is gone.
    QString argument(const QString &ytDlpVersion, bool first = false) const;
    // Whether the argument depends on the version of yt-dlp.
    bool needsVersion(bool first = false) const;
    // The first browser found; empty when there is none.
    QString first() const;
    void chooseFirst();
    // Looks for the browsers again, keeping the choice while its browser has a profile; what is
    // to be said of a chosen one whose profile is gone, which leaves "None" chosen.
    QString refresh();
    // How a run gets a browser's cookies, as the advice after a refusal puts it.
    QString signIn() const;

signals:
    // By the user, or because the browser chosen is gone.
    void changed();

private:
    // The chosen browser, or the first one; null for none.
    const Browser *browser(bool first) const;

    BrowserBox *combo;
    QList<Browser> browsers;
};
