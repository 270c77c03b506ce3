// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Kavari's own command line, read as desktop programs read theirs, once the application and its
// translations exist: --help and --version print and end the process, as does an option Kavari
// does not know; what is left are links, as a launcher passes those dropped on Kavari.
QStringList readCommandLine(const QStringList &arguments);
