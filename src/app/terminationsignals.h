// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes SIGTERM, SIGINT and SIGHUP (logout, Ctrl-C in the starting terminal) close the
// application's windows as a click on their close button would, so that a running download
// is killed with the window instead of outliving Kavari. Call once the QApplication exists.
void closeOnTerminationSignals();
