// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef TEXTHEADER_H
#define TEXTHEADER_H

#include <QByteArray>
#include <QStringList>

// A textual header decoded for display: 40 lines of 80 printable ASCII
// characters, whatever the file holds.
struct TextHeader
{
    bool Ebcdic = true;
    QStringList Lines;
};

// Decodes the 3200 bytes of a textual header, telling EBCDIC from ASCII by
// which of the two reads as more text. Bytes that stand for no printable
// character read as ".".
TextHeader DecodeTextHeader(QByteArray bytes);

#endif
