// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPalette;

// A named text colour on the palette's window: as named on a light palette; on a dark one a
// lighter tone of the same hue, mixed towards white until ordinary text in it is readable
// (a WCAG contrast of 4.5:1), which plain blue, green and red on a dark grey are not.
QString readableColour(const QString &name, const QPalette &palette);
