// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "textheader.h"

#include <zelfunctions.h>

#include <QtGlobal>

#include <cctype>

namespace zel {

namespace {

constexpr int LineCount = 40;
constexpr int LineLength = 80;

// The EBCDIC codes (code pages 037 and 1047 alike) of the characters that
// the conversion library's table reads as ".", and those characters.
constexpr struct
{
    unsigned char Code;
    char Character;
} FoldedByTable[] = {{0x7B, '#'}, {0x4F, '|'}, {0xC0, '{'}, {0xD0, '}'}, {0xA1, '~'}};

constexpr unsigned char EbcdicFullStop = 0x4B;

// Whether a character is what headers are written with: letters, digits,
// spaces and the usual punctuation.
bool IsText(char character)
{
    const auto code = static_cast<unsigned char>(character);
    return std::isalnum(code) != 0 || code == ' ' || (code < 0x80 && std::ispunct(code) != 0);
}

QByteArray AsEbcdic(QByteArray bytes)
{
    const QByteArray codes = bytes;
    EbcdicToAscii(bytes.data(), static_cast<int>(bytes.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        for (const auto& folded : FoldedByTable) {
            if (static_cast<unsigned char>(codes.at(i)) == folded.Code)
                bytes.data()[i] = folded.Character;
        }
    }
    return bytes;
}

// How much a decoding reads as a header: each character of text counts one
// (a "." only where the byte is a full stop, not one without a character),
// each line that starts with "C" as card images do twenty.
qsizetype TextScore(const QByteArray& bytes, const QByteArray& decoded, bool ebcdic)
{
    qsizetype score = 0;
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const auto code = static_cast<unsigned char>(bytes.at(i));
        const char character = decoded.at(i);
        if (IsText(character) && (character != '.' || code == (ebcdic ? EbcdicFullStop : '.')))
            ++score;
        if (i % LineLength == 0 && character == 'C')
            score += 20;
    }
    return score;
}

} // namespace

TextHeader DecodeTextHeader(QByteArray bytes, TextEncoding encoding)
{
    TextHeader header;
    const QByteArray ebcdic = AsEbcdic(bytes);
    QByteArray ascii = bytes;
    for (char& byte : ascii) {
        if (byte < 0x20 || byte > 0x7E)
            byte = '.';
    }
    // A header of neither, such as one of zeros, is taken as EBCDIC, the
    // standard's code.
    header.Ebcdic = encoding == TextEncoding::Detect
                        ? TextScore(bytes, ebcdic, true) >= TextScore(bytes, ascii, false)
                        : encoding == TextEncoding::Ebcdic;
    const QByteArray& shown = header.Ebcdic ? ebcdic : ascii;
    for (qsizetype line = 0; line < LineCount; ++line)
        header.Lines << QString::fromLatin1(shown.mid(line * LineLength, LineLength));
    return header;
}

} // namespace zel
