// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputdecoder.h"

#include <array>
#include <utility>

namespace {
constexpr char16_t escape = 0x1b;
// A colour code longer than this is none: what was held goes on as text.
constexpr qsizetype longestCode = 64;

bool isShownAsIs(char16_t character)
{
    if (character < 0x20)
        return character == u'\t' || character == u'\n' || character == u'\r';
    return character < 0x7f || (character > 0x9f && character != 0x2028 && character != 0x2029);
}

// Where the first character that is not shown as it is stands, or the text's end: a flood's reads
// are megabytes of plain text, so a character below U+0100 takes one look into a table.
qsizetype firstHidden(QStringView text)
{
    static const auto hiddenLatin1 = [] {
        std::array<bool, 256> hidden {};
        for (int character = 0; character < 256; ++character)
            hidden[size_t(character)] = !isShownAsIs(char16_t(character));
        return hidden;
    }();
    const char16_t *characters = text.utf16();
    qsizetype at = 0;
    for (; at < text.size(); ++at) {
        const char16_t c = characters[at];
        if (c < 256 ? hiddenLatin1[c] : !isShownAsIs(c))
            break;
    }
    return at;
}

QChar symbolFor(char16_t character)
{
    if (character < 0x20)
        return QChar(0x2400 + character);
    if (character == 0x7f)
        return QChar(0x2421);
    // A line or paragraph separator in a title would break the line it stands in.
    if (character == 0x2028 || character == 0x2029)
        return QChar(0x2424);
    return QChar::ReplacementCharacter;
}

// The length of the colour code at the start of text: ESC [, parameters, m. 0 for anything else,
// -1 where text ends before it could tell.
qsizetype colourCode(QStringView text)
{
    if (text.size() < 2)
        return -1;
    if (text[1] != u'[')
        return 0;
    for (qsizetype at = 2; at < text.size(); ++at) {
        const char16_t character = text[at].unicode();
        if (character == u'm')
            return at + 1;
        if (character < 0x30 || character > 0x3f)
            return 0;
    }
    return text.size() > longestCode ? 0 : -1;
}
} // namespace

QString OutputDecoder::decode(const QByteArray &bytes)
{
    QString text = utf8.decode(bytes);
    if (!held.isEmpty())
        text.prepend(std::exchange(held, {}));
    return shown(std::move(text));
}

QString OutputDecoder::flush()
{
    QString rest = std::exchange(held, {});
    if (!rest.isEmpty())
        rest[0] = symbolFor(escape);
    return rest;
}

// Most reads hold nothing to show otherwise, and go on as they came, uncopied.
QString OutputDecoder::shown(QString text)
{
    qsizetype at = firstHidden(text);
    if (at == text.size())
        return text;
    QString result;
    result.reserve(text.size());
    result += QStringView(text).first(at);
    for (; at < text.size(); ++at) {
        const char16_t character = text[at].unicode();
        if (isShownAsIs(character)) {
            result += QChar(character);
            continue;
        }
        if (character == escape) {
            const qsizetype code = colourCode(QStringView(text).sliced(at));
            if (code < 0) {
                held = text.sliced(at);
                break;
            }
            if (code > 0) {
                at += code - 1;
                continue;
            }
        }
        result += symbolFor(character);
    }
    return result;
}
