// SPDX-License-Identifier: GPL-3.0-or-later
#include "browsers.h"
#include "versions.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {
QString configHome()
{
    const QString named = qEnvironmentVariable("XDG_CONFIG_HOME");
    return named.startsWith('/') ? named : QDir::homePath() + "/.config";
}

QList<Browser> knownBrowsers()
{
    const QString home = QDir::homePath();
    const QString config = configHome();
    const auto flatpak = [&home](const char *id, const char *folder) {
        return home + "/.var/app/" + id + "/config/" + folder;
    };
    return {
        {"Firefox", "firefox", {config + "/mozilla/firefox", home + "/.mozilla/firefox"}},
        {"Firefox (Flatpak)",
         "firefox",
         {home + "/.var/app/org.mozilla.firefox/.mozilla/firefox",
          flatpak("org.mozilla.firefox", "mozilla/firefox")}},
        {"Firefox (Snap)", "firefox", {home + "/snap/firefox/common/.mozilla/firefox"}},
        {"Chrome", "chrome", {config + "/google-chrome"}},
        {"Chrome (Flatpak)", "chrome", {flatpak("com.google.Chrome", "google-chrome")}},
        {"Chromium", "chromium", {config + "/chromium"}},
        {"Chromium (Flatpak)", "chromium", {flatpak("org.chromium.Chromium", "chromium")}},
        {"Chromium (Snap)", "chromium", {home + "/snap/chromium/common/chromium"}},
        {"Brave", "brave", {config + "/BraveSoftware/Brave-Browser"}},
        {"Brave (Flatpak)", "brave", {flatpak("com.brave.Browser", "BraveSoftware/Brave-Browser")}},
        {"Edge", "edge", {config + "/microsoft-edge"}},
        {"Vivaldi", "vivaldi", {config + "/vivaldi"}},
        {"Opera", "opera", {config + "/opera"}},
    };
}

// Firefox keeps its cookies in cookies.sqlite in each profile folder; Chromium and its relatives
// in Cookies, which current versions moved into the profile's Network folder. Opera's profile is
// its folder itself.
QString newestProfile(const Browser &browser)
{
    const QStringList files = browser.ytDlpName == "firefox" ? QStringList {"cookies.sqlite"}
                                                             : QStringList {"Cookies", "Network/Cookies"};
    QString newest;
    QDateTime changed;
    for (const QString &folder : browser.folders) {
        QStringList profiles = {folder};
        for (const QString &name : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            profiles += folder + '/' + name;
        for (const QString &profile : profiles) {
            for (const QString &file : files) {
                const QFileInfo cookies(profile + '/' + file);
                if (cookies.isFile() && (newest.isEmpty() || cookies.lastModified() > changed)) {
                    newest = profile;
                    changed = cookies.lastModified();
                }
            }
        }
    }
    return newest;
}
} // namespace

QList<Browser> installedBrowsers()
{
    QList<Browser> found;
    for (Browser browser : knownBrowsers()) {
        browser.profile = newestProfile(browser);
        if (!browser.profile.isEmpty())
            found += browser;
    }
    return found;
}

// yt-dlp guesses the keyring from the desktop, and on LXQt, MATE and the other desktops it does not
// know it guesses one that decrypts nothing.
QString cookiesFromBrowser(const Browser &browser, const QString &ytDlpVersion)
{
    const QString profile = newestProfile(browser);
    if (profile.isEmpty())
        return {};
    if (browser.ytDlpName == "firefox")
        return "firefox:" + profile;
    // yt-dlp names KDE's wallets by their versions since 2023.06.21, and refuses those names before.
    const QByteArray kde = qgetenv("KDE_SESSION_VERSION");
    const bool named = ytDlpVersion.isEmpty() || versionDate(ytDlpVersion) >= QDate(2023, 6, 21);
    const QString keyring = !keyringNeedsVersion(browser) ? "gnomekeyring"
        : named                                           ? "kwallet" + QString::fromLatin1(kde)
                                                          : "kwallet";
    return browser.ytDlpName + '+' + keyring + ':' + profile;
}

bool keyringNeedsVersion(const Browser &browser)
{
    const QByteArray kde = qgetenv("KDE_SESSION_VERSION");
    return browser.ytDlpName != "firefox" && (kde == "5" || kde == "6");
}
