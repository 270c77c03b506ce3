// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// A key held down is one press: the repeats of Return and Enter (and of Space, on a button) never
// reach the widget, so that a held key neither starts a run after run nor cancels every other one.
// A held Space still types blanks into a field.
void ignoreHeldKeys(QWidget *widget);
