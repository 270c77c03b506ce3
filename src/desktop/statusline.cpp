// SPDX-License-Identifier: GPL-3.0-or-later
#include "statusline.h"
#include "readablecolour.h"
#include "spokenstatus.h"

#include <QLabel>

StatusLine::StatusLine(QLabel *label, QObject *parent)
    : QObject(parent)
    , label(label)
{
}

void StatusLine::show(const QString &text, const QString &hue, bool announce)
{
    this->hue = hue;
    label->setText(text);
    restyle();
    // Qt 6.4 sends the button itself, not its new name, with its change of name, so Orca cannot
    // speak "Cancel" under the focus; the status says it instead.
    if (announce)
        announceStatus(label, hue == "blue" ? tr("The Download button now reads Cancel") : QString());
}

// Judged on the window's palette: the label's own takes its text colour from the style sheet.
void StatusLine::restyle()
{
    if (hue.isEmpty())
        return;
    label->setStyleSheet("color: " + readableColour(hue, label->window()->palette()) +
                         "; font-weight: bold;");
}
