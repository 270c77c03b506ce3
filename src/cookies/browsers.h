// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A browser whose cookies yt-dlp can read for a run, as the user knows it: one install of it,
// native, Flatpak or Snap.
struct Browser
{
    // "Firefox (Flatpak)"
    QString name;
    // yt-dlp's name for it: "firefox", "chrome", …
    QString ytDlpName;
    // Where the install keeps its profiles.
    QStringList folders;
    // Its profile whose cookies changed last, when it was looked for.
    QString profile = {};
};

// The browsers that have a profile in the home folder, in the order in which they are listed. A
// few calls of stat: cheap enough to ask again whenever it matters.
QList<Browser> installedBrowsers();
// What --cookies-from-browser takes for the browser: its profile whose cookies changed last, by its
// full path, and for Chromium and its relatives the keyring of this desktop, by the name that the
// yt-dlp of that version ("2023.03.04"; empty when not known: a current one) knows. Empty when the
// browser has no profile now.
QString cookiesFromBrowser(const Browser &browser, const QString &ytDlpVersion);
// Whether that name depends on the version of yt-dlp: KDE's wallets.
bool keyringNeedsVersion(const Browser &browser);
