// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// Installs Kavari's own catalogue, and Qt's for its dialogs, for the first of the languages, in the
// user's order, that Kavari speaks: "pt_BR" falls back to "pt", and English, C and POSIX need none,
// so that a language after English is never chosen. The catalogues are looked for where Kavari is
// installed and in its build folder; a missing one means English, silently. Numbers are then
// written as that language writes them. Returns the language installed, empty for English.
QString installTranslations(QCoreApplication *application, const QStringList &languages);
