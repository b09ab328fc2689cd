// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef TEXTHEADER_H
#define TEXTHEADER_H

/**
 * @file
 * A SEG-Y textual header decoded for display.
 */

#include "zelsegy_export.h"

#include <QByteArray>
#include <QStringList>

namespace zel {

/// The character code of textual headers.
enum class TextEncoding {
    Detect, ///< told by the content
    Ebcdic, ///< EBCDIC, the standard's code
    Ascii,  ///< ASCII
};

/// A textual header decoded for display: 40 lines of 80 printable ASCII
/// characters, whatever the file holds.
struct TextHeader
{
    bool Ebcdic = true; ///< whether the file holds it in EBCDIC
    QStringList Lines;  ///< the 40 lines
};

/// Decodes the 3200 bytes of a textual header in @p encoding. Detect tells
/// EBCDIC from ASCII by which of the two reads as more text (letters,
/// digits, spaces, punctuation, lines starting with "C"). Bytes that stand for no printable
/// character read as "."; the EBCDIC codes of "#", "|", "{", "}" and "~"
/// (code pages 037 and 1047) are shown as those characters.
ZELSEGY_EXPORT TextHeader DecodeTextHeader(QByteArray bytes,
                                           TextEncoding encoding = TextEncoding::Detect);

} // namespace zel

#endif
