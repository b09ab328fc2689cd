// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "textheader.h"

#include <zelfunctions.h>

namespace zel {

namespace {

constexpr int LineCount = 40;
constexpr int LineLength = 80;

// EBCDIC text is mostly letters and digits (0x81 and above) and spaces
// (0x40); ASCII text is mostly 0x20-0x7E with spaces at 0x20. A header of
// neither, such as one of zeros, is taken as EBCDIC, the standard's code.
bool LooksEbcdic(const QByteArray& bytes)
{
    qsizetype ebcdic = 0;
    qsizetype ascii = 0;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code == 0x40 || code >= 0x80)
            ++ebcdic;
        else if (code >= 0x20 && code < 0x7F)
            ++ascii;
    }
    return ebcdic >= ascii;
}

} // namespace

TextHeader DecodeTextHeader(QByteArray bytes)
{
    TextHeader header;
    header.Ebcdic = LooksEbcdic(bytes);
    if (header.Ebcdic) {
        EbcdicToAscii(bytes.data(), static_cast<int>(bytes.size()));
    } else {
        for (char& byte : bytes) {
            if (byte < 0x20 || byte > 0x7E)
                byte = '.';
        }
    }
    for (qsizetype line = 0; line < LineCount; ++line)
        header.Lines << QString::fromLatin1(bytes.mid(line * LineLength, LineLength));
    return header;
}

} // namespace zel
