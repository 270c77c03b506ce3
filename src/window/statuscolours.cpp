// SPDX-License-Identifier: GPL-3.0-or-later
#include "kavariwindow.h"

#include <QEvent>
#include <QLabel>

#include <cmath>

namespace {
// Relative luminance and contrast ratio as WCAG defines them.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
        0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The tone mixed towards white until ordinary text in it is readable on the background.
QString readableOn(QColor tone, const QColor &background)
{
    while (contrast(tone, background) < 4.5 && tone != Qt::white)
        tone.setRgbF(tone.redF() + (1 - tone.redF()) * 0.1f, tone.greenF() + (1 - tone.greenF()) * 0.1f,
                     tone.blueF() + (1 - tone.blueF()) * 0.1f);
    return tone.name();
}
} // namespace

bool KavariWindow::hasDarkPalette() const
{
    return luminance(palette().color(QPalette::Window)) < luminance(palette().color(QPalette::WindowText));
}

// On a light palette the colour as named; on a dark one a lighter tone of the same hue, which
// plain blue, green and red on a dark grey are not.
QString KavariWindow::textColour(const QString &name) const
{
    return hasDarkPalette() ? readableOn(QColor(name), palette().color(QPalette::Window)) : name;
}

void KavariWindow::setStatus(const QString &text, const QString &hue)
{
    statusHue = hue;
    statusLabel->setText(text);
    applyPaletteColours();
    announceStatus();
}

void KavariWindow::applyPaletteColours()
{
    modeLabel->setStyleSheet("color: " + textColour("#666") + "; font-style: italic;");
    if (!statusHue.isEmpty())
        statusLabel->setStyleSheet("color: " + textColour(statusHue) + "; font-weight: bold;");
}

// A switch between a light and a dark theme while the window is open.
void KavariWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && modeLabel)
        applyPaletteColours();
    QMainWindow::changeEvent(event);
}
