// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef CONVERTER_H
#define CONVERTER_H

#include <zelsegy.h>

class QFile;

class Progress;

// Where a conversion failed: the file concerned and the problem.
struct ConversionFailure
{
    QString File;
    QString Problem;
};

// Writes `outPath` as a copy of `in` (open for reading, laid out by
// `layout`) with its floating-point samples converted to the format
// `targetCode` (IBM or IEEE) and the format code set to match; every other
// byte (headers, additional trace headers, the trailer) is copied
// unchanged, and a file already in that format is copied as it is. The copy
// is written beside `outPath` and renamed into place only when complete, so
// on failure any existing file there is left untouched and nothing partial
// remains; `outPath` may name `in` itself. An existing `outPath` that is no
// regular file (a device, a FIFO) is written directly, never replaced.
bool ConvertFile(QFile& in, const zel::SegyLayout& layout, const QString& outPath, int targetCode,
                 Progress& progress, ConversionFailure& failure);

#endif
