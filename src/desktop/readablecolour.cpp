// SPDX-License-Identifier: GPL-3.0-or-later
#include "readablecolour.h"

#include <QColor>
#include <QPalette>

#include <algorithm>
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
} // namespace

QString readableColour(const QString &name, const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Window);
    if (luminance(background) >= luminance(palette.color(QPalette::WindowText)))
        return name;
    QColor tone(name);
    while (contrast(tone, background) < 4.5 && tone != Qt::white)
        tone.setRgbF(tone.redF() + (1 - tone.redF()) * 0.1f, tone.greenF() + (1 - tone.greenF()) * 0.1f,
                     tone.blueF() + (1 - tone.blueF()) * 0.1f);
    return tone.name();
}
