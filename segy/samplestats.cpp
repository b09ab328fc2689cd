// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "samplestats.h"

#include "ibmword.h"
#include "tracestream.h"
#include "wordlanes.h"

#include <zelfunctions.h>

#include <algorithm>
#include <cmath>
#include <cstring>

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

// Adds `count` values and, for IBM samples, their words (in host order)
// four at a time. Words that may lie beyond the float range (exponent 97
// and up) are rare; a batch that has one is counted again word by word.
void AddBatch(SampleStats& stats, const float* values, const quint32* words, qint64 count, bool ibm)
{
    const float infinity = std::numeric_limits<float>::infinity();
    Floats low = {infinity, infinity, infinity, infinity};
    Floats high = -low;
    Doubles squares[2] = {};
    Lanes finite = {};
    Lanes unnormalised = {};
    Lanes dirtyZeros = {};
    Lanes mayBeBeyond = {};
    qint64 i = 0;
    for (; i + 4 <= count; i += 4) {
        Floats value;
        Words word;
        std::memcpy(&value, values + i, sizeof value);
        std::memcpy(&word, words + i, sizeof word);
        const Lanes isFinite = (word & 0x7F800000) != 0x7F800000 || Lanes{} != ibm;
        const Floats kept = isFinite ? value : Floats{};
        finite -= isFinite;
        low = isFinite && kept < low ? kept : low;
        high = isFinite && kept > high ? kept : high;
        const Doubles first =
            __builtin_convertvector(__builtin_shufflevector(kept, kept, 0, 1), Doubles);
        const Doubles second =
            __builtin_convertvector(__builtin_shufflevector(kept, kept, 2, 3), Doubles);
        squares[0] += first * first;
        squares[1] += second * second;
        const Words fraction = word & 0xFFFFFF;
        const Words exponent = word >> 24 & 0x7F;
        unnormalised -= fraction != 0 && fraction < 0x100000;
        dirtyZeros -= fraction == 0 && exponent != 0;
        mayBeBeyond -= exponent >= 97 && fraction != 0;
    }
    const Doubles square = squares[0] + squares[1];
    stats.SumOfSquares += square[0] + square[1];
    qint64 finiteValues = 0;
    for (int lane = 0; lane < 4; ++lane) {
        finiteValues += finite[lane];
        if (finite[lane] > 0) {
            stats.Minimum = std::min<double>(stats.Minimum, low[lane]);
            stats.Maximum = std::max<double>(stats.Maximum, high[lane]);
        }
    }
    stats.Samples += finiteValues;
    stats.NonFinite += i - finiteValues;
    if (ibm) {
        for (int lane = 0; lane < 4; ++lane) {
            stats.Unnormalised += unnormalised[lane];
            stats.DirtyZeros += dirtyZeros[lane];
        }
        if (LaneSum(mayBeBeyond) > 0) {
            for (qint64 j = 0; j < i; ++j) {
                if ((words[j] & 0xFFFFFF) != 0 && IbmLeadingPower(words[j]) >= 128)
                    ++stats.BeyondFloat;
            }
        }
    }
    for (; i < count; ++i) {
        if (ibm)
            ClassifyIbm(stats, words[i]);
        AddValue(stats, values[i]);
    }
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
    float values[Batch];
    quint32 host[Batch];
    for (qint64 done = 0; done < count; done += Batch) {
        const qint64 batch = std::min(count - done, Batch);
        const char* at = words + done * 4;
        std::memcpy(host, at, static_cast<size_t>(batch) * 4);
        if (order != HostOrder)
            ByteSwapArray(reinterpret_cast<unsigned char*>(host), 4, static_cast<int>(batch));
        if (ibm) {
            // The library reads, never writes, its input buffer here.
            IbmToFloatOrdered(const_cast<char*>(at), values, static_cast<int>(batch),
                              LibraryOrder(order));
        } else {
            std::memcpy(values, host, static_cast<size_t>(batch) * 4);
        }
        AddBatch(*this, values, host, batch, ibm);
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
