// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;

// The status line as screen readers see it: a notification, whose name is the text last announced.
// Orca ignores text changes of a plain label that has no focus, but speaks a notification that
// shows, reading its name a moment later: a text that changes without a word must not be read then.
// Install before any screen reader can ask for the label, so that it never sees a plain one.
void installSpokenStatus();
// Speaks the label's text now, with the description as what goes with it.
void announceStatus(QLabel *label, const QString &description);
