// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

void KavariWindow::onUrlChanged()
{
    updateModeLabel();
}

void KavariWindow::updateModeLabel()
{
    // Untrimmed on purpose: the line describes the field as it stands.
    const QString url = urlEdit->text();
    if (url.isEmpty()) {
        modeLabel->setText(QString());
        return;
    }
    const bool playlistLink = url.contains("list=") || url.contains("/playlist");
    if (!playlistLink)
        modeLabel->setText("Mode: Single video download");
    else if (playlistCheckBox->isChecked())
        modeLabel->setText("Mode: Full playlist download");
    else
        modeLabel->setText("Mode: Single file download (playlist ignored)");
}
