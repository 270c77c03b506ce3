// SPDX-License-Identifier: GPL-3.0-or-later
#include "configguard.h"
#include "kavariwindow.h"
#include "retryoffer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

void KavariWindow::onQualityChanged(int index)
{
    Q_UNUSED(index)
    const QString format = qualityCombo->currentData().toString();
    audioQualityCombo->setEnabled(format == "mp3" || format == "m4a");
    onChoicesChanged();
}

QStringList KavariWindow::choices() const
{
    return links() << outputFolder() << qualityCombo->currentData().toString()
                   << audioQualityCombo->currentData().toString()
                   << QString::number(playlistCheckBox->isChecked());
}

void KavariWindow::onChoicesChanged()
{
    if (choices() != startedWith)
        retryOffer->withdraw();
}

void KavariWindow::onBrowseClicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select Output Directory"), outputDirEdit->text(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        outputDirEdit->setText(folder);
}

// The folder as a download uses it. Pasted text often brings a blank or a line break along, and
// a shell user writes ~ for the home folder; yt-dlp would take both literally.
QString KavariWindow::outputFolder() const
{
    const QString folder = outputDirEdit->text().trimmed();
    if (folder == "~" || folder.startsWith("~/"))
        return QDir::homePath() + folder.mid(1);
    return folder;
}

// What keeps a download from starting into the folder, as the warning says it; empty when nothing.
QString KavariWindow::folderProblem(const QString &folder, const QString &program) const
{
    if (folder.isEmpty())
        return tr("Please select an output directory");
    // A relative folder would land wherever Kavari happened to be started from.
    if (!folder.startsWith('/'))
        return tr("Please enter the output directory as a full path");
    if (isPluginFolder(folder, program))
        return tr("yt-dlp would load whatever is downloaded into this folder as a plugin at its next start. "
                  "Please choose another output directory.");
    return QString();
}
