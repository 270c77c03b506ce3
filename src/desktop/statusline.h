// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLabel;

// The status line: its text in bold, in a colour that stays readable on a dark theme and follows a
// change of theme, and spoken by screen readers as a notification.
class StatusLine : public QObject
{
    Q_OBJECT

public:
    StatusLine(QLabel *label, QObject *parent);

    // The hue is "blue", "green", "red" or "orange". A text that is not announced changes without
    // a word to screen readers, which keep what they last said.
    void show(const QString &text, const QString &hue, bool announce = true);
    // The window's palette changed: a switch between a light and a dark theme.
    void restyle();

private:
    QLabel *label;
    QString hue;
};
