// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>

void KavariWindow::onQualityChanged(int index)
{
    Q_UNUSED(index)
    const QString format = qualityCombo->currentData().toString();
    audioQualityCombo->setEnabled(format == "mp3" || format == "m4a");
}

void KavariWindow::onBrowseClicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, "Select Output Directory", outputDirEdit->text(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        outputDirEdit->setText(folder);
}
