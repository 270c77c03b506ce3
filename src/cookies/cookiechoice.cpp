// SPDX-License-Identifier: GPL-3.0-or-later
#include "cookiechoice.h"

#include <QComboBox>

CookieChoice::CookieChoice(QComboBox *combo, QObject *parent)
    : QObject(parent)
    , combo(combo)
    , browsers(installedBrowsers())
{
    combo->addItem(tr("None"));
    for (const Browser &browser : std::as_const(browsers))
        combo->addItem(browser.name);
    combo->setEnabled(!browsers.isEmpty());
    combo->setAccessibleName(tr("Cookies from"));
    combo->setToolTip(
        tr("yt-dlp reads the cookies of the browser chosen here for each download, as its option "
           "--cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an "
           "account that is used this way."));
}

QString CookieChoice::chosen() const
{
    return combo->currentIndex() > 0 ? browsers.at(combo->currentIndex() - 1).name : QString();
}

QString CookieChoice::argument() const
{
    return combo->currentIndex() > 0 ? cookiesFromBrowser(browsers.at(combo->currentIndex() - 1)) : QString();
}

QString CookieChoice::first() const
{
    return browsers.isEmpty() ? QString() : browsers.first().name;
}

void CookieChoice::chooseFirst()
{
    if (!browsers.isEmpty())
        combo->setCurrentIndex(1);
}
