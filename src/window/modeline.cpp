// SPDX-License-Identifier: GPL-3.0-or-later
#include "cookiechoice.h"
#include "kavariwindow.h"
#include "readablecolour.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace {
// Playlists, and pages that yt-dlp takes for one: channels with or without a tab, search
// results, hashtags. Looked for in the text whatever its host, case-sensitively.
bool namesManyVideos(const QString &link)
{
    for (const char *marker : {"list=", "/playlist", "/@", "/channel/", "/c/", "/user/",
                               "/results?search_query=", "/hashtag/", "/watch_videos"})
        if (link.contains(QLatin1String(marker)))
            return true;
    return false;
}
} // namespace

void KavariWindow::onUrlChanged()
{
    updateModeLabel();
    onChoicesChanged();
}

// Pasted links, one per line or with blanks between them, each fetched in turn. Text copied from web
// pages and chat programs separates them with any Unicode space, or with invisible ones.
QStringList KavariWindow::links() const
{
    static const QRegularExpression separators(
        "[\\s\\x{85}\\x{A0}\\x{2000}-\\x{200B}\\x{2028}\\x{2029}\\x{202F}\\x{205F}\\x{3000}\\x{FEFF}]+",
        QRegularExpression::UseUnicodePropertiesOption);
    return urlEdit->text().split(separators, Qt::SkipEmptyParts);
}

void KavariWindow::setLinks(const QStringList &links)
{
    urlEdit->setText(links.join(' '));
}

void KavariWindow::updateModeLabel()
{
    // Untrimmed on purpose: the line describes the field as it stands.
    const QString url = urlEdit->text();
    if (url.isEmpty()) {
        modeLabel->setText(QString());
        return;
    }
    modeLabel->setText(cookies->chosen().isEmpty()
                           ? modeText()
                           : tr("%1, cookies from %2").arg(modeText(), cookies->chosen()));
}

QString KavariWindow::modeText() const
{
    const QStringList all = links();
    const bool manyVideos = std::any_of(all.cbegin(), all.cend(), namesManyVideos);
    if (all.size() > 1)
        return manyVideos && playlistCheckBox->isChecked()
            ? tr("Mode: %Ln links, playlists whole", "", int(all.size()))
            : tr("Mode: %Ln links, one video each", "", int(all.size()));
    if (!manyVideos)
        return tr("Mode: Single video download");
    if (playlistCheckBox->isChecked())
        return tr("Mode: Full playlist download");
    return tr("Mode: Single file download (playlist ignored)");
}

// Grey on a light theme, a lighter grey on a dark one.
void KavariWindow::styleModeLabel()
{
    modeLabel->setStyleSheet("color: " + readableColour("#666", palette()) + "; font-style: italic;");
}
