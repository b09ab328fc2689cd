// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef SEGYFILE_H
#define SEGYFILE_H

#include <QByteArray>
#include <QString>

class QFile;

// The sizes that place everything in a file: the 3200-byte textual header,
// the 400-byte binary header, 3200-byte extended textual headers, then
// traces, each a 240-byte header followed by its samples.
constexpr qint64 TextHeaderBytes = 3200;
constexpr qint64 BinaryHeaderBytes = 400;
constexpr qint64 FileHeaderBytes = TextHeaderBytes + BinaryHeaderBytes;
constexpr qint64 TraceHeaderBytes = 240;
// Offset of the sample format code within the file.
constexpr qint64 FormatCodeOffset = TextHeaderBytes + 24;

enum class ByteOrder { BigEndian, LittleEndian };

// The byte order code of the conversion library: 0 for most significant
// byte first, 1 for least significant byte first.
inline int LibraryOrder(ByteOrder order)
{
    return order == ByteOrder::BigEndian ? 0 : 1;
}

// The unsigned integer of `bytes` bytes (at most 8) at `field`, in `order`.
inline quint64 ReadUnsigned(const char* field, int bytes, ByteOrder order)
{
    quint64 value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int at = order == ByteOrder::BigEndian ? i : bytes - 1 - i;
        value = value << 8 | static_cast<unsigned char>(field[at]);
    }
    return value;
}

struct SampleFormat
{
    int Code;
    int Bytes;
    const char* Name;
};

constexpr int IbmFloatCode = 1;
constexpr int IeeeFloatCode = 5;

// The format of a binary header's sample format code; null for a code
// outside the standard's list.
const SampleFormat* FindSampleFormat(int code);

// Everything the binary header and the file length say about a file, once
// they agree on a layout.
struct SegyLayout
{
    qint64 FileBytes = 0;
    ByteOrder Order = ByteOrder::BigEndian;
    // Whether the binary header states the byte order (the 0x01020304
    // constant) instead of it being inferred from the format code.
    bool OrderDeclared = false;
    // The revision field as read, and its major and minor numbers.
    int RevisionField = 0;
    int RevisionMajor = 0;
    int RevisionMinor = 0;
    const SampleFormat* Format = nullptr;
    int SampleInterval = 0;
    qint64 SamplesPerTrace = 0;
    qint64 ExtendedHeaders = 0;
    qint64 TraceBytes = 0;
    qint64 DataOffset = 0;
    qint64 Traces = 0;
    QByteArray TextHeader;
    // A remark on how the layout was settled, empty when the headers agree.
    QString Note;
};

// Reads the headers of `file` (open for reading) and checks them against
// its length. False with `problem` set when the file cannot be laid out
// unambiguously as whole traces.
bool ReadLayout(QFile& file, SegyLayout& layout, QString& problem);

#endif
