// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "samplestats.h"

#include "ibmword.h"
#include "tracestream.h"

#include <zelfunctions.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace zel;

namespace {

// IBM words converted per call of the library.
constexpr qint64 IbmBatch = 4096;

} // namespace

void SampleStats::Add(const char* words, qint64 count, const SampleFormat& format, ByteOrder order)
{
    float values[IbmBatch];
    for (qint64 done = 0; done < count;) {
        const qint64 batch = std::min(count - done, IbmBatch);
        const char* at = words + done * format.Bytes;
        if (format.Code == IbmFloatCode) {
            // The library reads, never writes, its input buffer here.
            IbmToFloatOrdered(const_cast<char*>(at), values, static_cast<int>(batch),
                              LibraryOrder(order));
        }
        for (qint64 i = 0; i < batch; ++i, at += format.Bytes) {
            double value = 0;
            if (format.Code == IbmFloatCode) {
                const auto word = static_cast<quint32>(ReadUnsigned(at, 4, order));
                const quint32 exponent = word >> 24 & 0x7F;
                const quint32 fraction = word & 0xFFFFFF;
                if (fraction == 0)
                    DirtyZeros += exponent != 0 ? 1 : 0;
                else if (IbmLeadingPower(word) >= 128)
                    ++BeyondFloat;
                Unnormalised += fraction != 0 && fraction < 0x100000 ? 1 : 0;
                value = values[i];
            } else {
                value = DecodeSample(at, format, order);
            }
            if (!std::isfinite(value)) {
                ++NonFinite;
                continue;
            }
            ++Samples;
            Minimum = std::min(Minimum, value);
            Maximum = std::max(Maximum, value);
            SumOfSquares += value * value;
        }
        done += batch;
    }
}

double SampleStats::Rms() const
{
    return Samples > 0 ? std::sqrt(SumOfSquares / static_cast<double>(Samples)) : 0.0;
}

bool ScanSamples(QFile& file, const SegyLayout& layout, Progress& progress, SampleStats& stats,
                 QString& problem)
{
    const SampleRun add = [&](char* words, qint64 count) {
        stats.Add(words, count, *layout.Format, layout.Order);
    };
    const ChunkSink ignore = [](const char*, qint64, QString&) { return true; };
    return StreamTraces(file, layout, add, ignore, progress, problem);
}
