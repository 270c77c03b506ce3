// SPDX-License-Identifier: GPL-3.0-or-later
#include "cookiechoice.h"

#include <QSignalBlocker>

void BrowserBox::showPopup()
{
    emit opening();
    QComboBox::showPopup();
}

CookieChoice::CookieChoice(BrowserBox *combo, QObject *parent)
    : QObject(parent)
    , combo(combo)
{
    refresh();
    combo->setAccessibleName(tr("Cookies from"));
    combo->setToolTip(
        tr("yt-dlp reads the cookies of the browser chosen here for each download, as its option "
           "--cookies-from-browser does; Kavari keeps no copy of them. A site may suspend an "
           "account that is used this way."));
    connect(combo, &QComboBox::currentIndexChanged, this, &CookieChoice::changed);
    // A browser first used after Kavari started is offered as soon as the list is looked at.
    connect(combo, &BrowserBox::opening, this, &CookieChoice::refresh);
}

QString CookieChoice::chosen() const
{
    return combo->currentIndex() > 0 ? browsers.at(combo->currentIndex() - 1).name : QString();
}

const Browser *CookieChoice::browser(bool first) const
{
    const int index = first ? 1 : combo->currentIndex();
    return index > 0 && index <= browsers.size() ? &browsers.at(index - 1) : nullptr;
}

QString CookieChoice::argument(const QString &ytDlpVersion, bool first) const
{
    const Browser *from = browser(first);
    return from ? cookiesFromBrowser(*from, ytDlpVersion) : QString();
}

bool CookieChoice::needsVersion(bool first) const
{
    const Browser *from = browser(first);
    return from && keyringNeedsVersion(*from);
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

QString CookieChoice::refresh()
{
    const QString was = chosen();
    const QList<Browser> found = installedBrowsers();
    const auto still = std::find_if(found.cbegin(), found.cend(),
                                    [&was](const Browser &browser) { return browser.name == was; });
    QString gone;
    if (!was.isEmpty() && still == found.cend())
        gone =
            tr("The %1 profile %2 is gone; this run goes without cookies.").arg(was, browser(false)->profile);
    browsers = found;
    {
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItem(tr("None"));
        for (const Browser &browser : std::as_const(browsers))
            combo->addItem(browser.name);
        combo->setCurrentIndex(still == found.cend() ? 0 : int(still - found.cbegin()) + 1);
        combo->setEnabled(!browsers.isEmpty());
    }
    if (chosen() != was)
        emit changed();
    return gone;
}

QString CookieChoice::signIn() const
{
    if (browsers.isEmpty())
        return tr("sign in to YouTube in a browser first, then retry");
    if (!chosen().isEmpty())
        return tr("sign in to YouTube in %1, then retry").arg(chosen());
    return tr("choose a browser where you are signed in under \"Cookies from\"");
}
