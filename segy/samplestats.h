// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef SAMPLESTATS_H
#define SAMPLESTATS_H

#include <zelsegy.h>

#include <limits>

// Minimum, maximum and RMS of every sample read, and the counts of the
// words that need care: IBM words that are unnormalised, zero fractions
// with a non-zero exponent ("dirty zeros") or beyond the float range, and
// IEEE infinities and NaNs, which the other figures leave out.
struct SampleStats
{
    qint64 Samples = 0;
    double Minimum = std::numeric_limits<double>::infinity();
    double Maximum = -std::numeric_limits<double>::infinity();
    double SumOfSquares = 0;
    qint64 Unnormalised = 0;
    qint64 DirtyZeros = 0;
    qint64 BeyondFloat = 0;
    qint64 NonFinite = 0;

    // Adds `count` samples of `format` stored at `words` in `order`.
    void Add(const char* words, qint64 count, const zel::SampleFormat& format,
             zel::ByteOrder order);

    double Rms() const;
};

class Progress;
class QFile;

// Reads every sample of `file`, laid out as `layout`, into `stats`; false
// with `problem` set on a read error or an interruption.
bool ScanSamples(QFile& file, const zel::SegyLayout& layout, Progress& progress, SampleStats& stats,
                 QString& problem);

#endif
