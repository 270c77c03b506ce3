// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// One channel of a tool's output as text that shows what was printed and hides nothing: UTF-8,
// with a character or a colour code that a read cut in two kept whole. Colour and style codes
// (ESC [ … m, which yt-dlp prints where a user's configuration says --color always) are removed;
// every other control character but tab, line feed and carriage return becomes its visible symbol
// (U+2400 on), so that a NUL or an escape can neither hide the rest from a screen reader nor
// reach the clipboard raw.
class OutputDecoder
{
public:
    QString decode(const QByteArray &bytes);
    // What a read left waiting, at the end of the output.
    QString flush();

private:
    QString shown(QString text);

    QStringDecoder utf8 {QStringConverter::Utf8};
    // The start of an escape sequence that the read cut off.
    QString held;
};
