// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "samplestats.h"

#include "ibmword.h"
#include "tracestream.h"
#include "wordlanes.h"

#include <targetregion.h>

#include <zelfunctions.h>

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

using namespace zel;

namespace {

// Samples converted and figured per batch.
constexpr qint64 Batch = 4096;

constexpr ByteOrder HostOrder =
    Q_BYTE_ORDER == Q_BIG_ENDIAN ? ByteOrder::BigEndian : ByteOrder::LittleEndian;

// The classes of one IBM word and the figures of one value: the plain form
// of the batch below, and its tail.
void ClassifyIbm(SampleStats& stats, quint32 word)
{
    const quint32 fraction = word & 0xFFFFFF;
    if (fraction == 0)
        stats.DirtyZeros += (word >> 24 & 0x7F) != 0 ? 1 : 0;
    else if (IbmLeadingPower(word) >= 128)
        ++stats.BeyondFloat;
    stats.Unnormalised += fraction != 0 && fraction < 0x100000 ? 1 : 0;
}

void AddValue(SampleStats& stats, double value)
{
    if (!std::isfinite(value)) {
        ++stats.NonFinite;
        return;
    }
    ++stats.Samples;
    stats.Minimum = std::min(stats.Minimum, value);
    stats.Maximum = std::max(stats.Maximum, value);
    stats.SumOfSquares += value * value;
}

#define RUN_FUNCTION
namespace baseline {
constexpr int Width = 4;
#include "samplerun.h"
} // namespace baseline

#if defined(__x86_64__)
ZEL_BEGIN_TARGET("avx2")
namespace avx2 {
constexpr int Width = 8;
#include "samplerun.h"
} // namespace avx2
ZEL_END_TARGET

// Not checked by the address sanitizer: its stack frames are aligned to
// less than the 64 bytes that the vectors read lane by lane, which stay in
// memory, need here. The same loop is checked in the two forms above.
#undef RUN_FUNCTION
#define RUN_FUNCTION __attribute__((no_sanitize("address")))
ZEL_BEGIN_TARGET("avx512f,avx512bw,avx512dq")
namespace avx512 {
constexpr int Width = 16;
#include "samplerun.h"
} // namespace avx512
ZEL_END_TARGET
#endif
#undef RUN_FUNCTION

using RunAdder = void (*)(SampleStats&, const char*, const float*, qint64, bool);

// The widest form this processor runs, or a narrower one that ZEL_SIMD
// names ("scalar" and "sse2" the baseline, "avx2", "avx512"), as it does for
// the conversion library, so that tests run each.
RunAdder ChooseRunAdder()
{
#if defined(__x86_64__)
    __builtin_cpu_init();
    const char* forced = std::getenv("ZEL_SIMD");
    const QByteArray named = forced != nullptr ? QByteArray(forced) : QByteArray("avx512");
    const bool baseline = named == "scalar" || named == "sse2";
    if (named != "avx2" && !baseline && __builtin_cpu_supports("avx512f") &&
        __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq"))
        return avx512::AddAnyRun;
    if (!baseline && __builtin_cpu_supports("avx2"))
        return avx2::AddAnyRun;
#endif
    return baseline::AddAnyRun;
}

} // namespace

void SampleStats::Add(const char* words, qint64 count, const SampleFormat& format, ByteOrder order)
{
    const bool ibm = format.Code == IbmFloatCode;
    if (!ibm && format.Code != IeeeFloatCode) {
        for (qint64 i = 0; i < count; ++i)
            AddValue(*this, DecodeSample(words + i * format.Bytes, format, order));
        return;
    }
    static const RunAdder addRun = ChooseRunAdder();
    const bool swap = order != HostOrder;
    if (!ibm) {
        addRun(*this, words, nullptr, count, swap);
        return;
    }
    float values[Batch];
    for (qint64 done = 0; done < count; done += Batch) {
        const qint64 batch = std::min(count - done, Batch);
        const char* at = words + done * 4;
        // The library reads, never writes, its input buffer here.
        IbmToFloatOrdered(const_cast<char*>(at), values, static_cast<int>(batch),
                          LibraryOrder(order));
        addRun(*this, at, values, batch, swap);
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
