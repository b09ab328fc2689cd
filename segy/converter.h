// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef CONVERTER_H
#define CONVERTER_H

#include <zelsegy.h>

class QFile;

class Progress;

// Where a conversion failed: the file concerned and the problem.
// The samples whose value the target format could not hold.
struct ConversionCounts
{
    // IBM to IEEE: beyond the float range, saturated to the largest float;
    // below its smallest, truncated to zero.
    qint64 Saturated = 0;
    qint64 Flushed = 0;
    // IEEE to IBM: infinities and NaNs, written as the largest IBM values.
    qint64 NonFinite = 0;
};

struct ConversionFailure
{
    QString File;
    QString Problem;
};

// Writes the file `outBytes` names (`outName` in messages) as a copy of
// `in` (open for reading, named `inName`, laid out by `layout`) with its floating-point samples
// converted to the format `targetCode` (IBM or IEEE, rounded to nearest
// when `rounded`, else truncated) and the format code set to match; every other
// byte (headers, additional trace headers, the trailer) is copied
// unchanged, and a file already in that format is copied as it is. The copy
// is written beside the output and renamed into place only when complete, so
// on failure any existing file there is left untouched and nothing partial
// remains; the output may be `in` itself. An existing output that is no
// regular file (a device, a FIFO) is written directly, never replaced.
// `counts` gets the samples whose value could not be kept.
bool ConvertFile(QFile& in, const QString& inName, const zel::SegyLayout& layout,
                 const QString& outName, const QByteArray& outBytes, int targetCode, bool rounded,
                 Progress& progress, ConversionCounts& counts, ConversionFailure& failure);

#endif
