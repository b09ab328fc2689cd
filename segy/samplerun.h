// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The sample figures' loop of one instruction set, written once for all of
// them. Included once per instruction set, inside that set's namespace and
// its target region (ZEL_BEGIN_TARGET), after `constexpr int Width`, the
// number of 32-bit lanes in one of its registers, and RUN_FUNCTION, the
// attributes of every function here, so that every vector
// operation here is compiled for that set: the compiler takes vectors
// wider than the registers apart before inlining, and functions defined
// outside a region are compiled for the baseline. Hence no include guard.

using Floats = float __attribute__((vector_size(4 * Width)));
using Words = quint32 __attribute__((vector_size(4 * Width)));
using Lanes = qint32 __attribute__((vector_size(4 * Width)));
using Doubles = double __attribute__((vector_size(4 * Width)));

RUN_FUNCTION void SwapBytes(Words& words)
{
    words = words >> 24 | (words >> 8 & 0xFF00) | (words << 8 & 0xFF0000) | words << 24;
}

RUN_FUNCTION qint64 SumOfLanes(const Lanes& lanes)
{
    qint64 sum = 0;
    for (int lane = 0; lane < Width; ++lane)
        sum += lanes[lane];
    return sum;
}

// Lanes `Offset` on of `floats` as doubles, as many as a Doubles holds.
template<int Offset, std::size_t... Lane>
RUN_FUNCTION void LanesAsDoubles(const Floats& floats, Doubles& doubles,
                                 std::index_sequence<Lane...>)
{
    doubles = __builtin_convertvector(__builtin_shufflevector(floats, floats, (Offset + Lane)...),
                                      Doubles);
}

// The lanes of `floats` as doubles: the first half in `halves[0]`, the
// second in `halves[1]`.
RUN_FUNCTION void SplitToDoubles(const Floats& floats, Doubles* halves)
{
    constexpr int Half = Width / 2;
    LanesAsDoubles<0>(floats, halves[0], std::make_index_sequence<Half>{});
    LanesAsDoubles<Half>(floats, halves[1], std::make_index_sequence<Half>{});
}

template<bool Swap, bool Ibm>
RUN_FUNCTION void AddRun(SampleStats& stats, const char* raw, const float* values, qint64 count)
{
    constexpr int Step = 16;
    constexpr int Registers = Step / Width;
    constexpr int Half = Width / 2;
    const float infinity = std::numeric_limits<float>::infinity();
    Floats low = Floats{} + infinity;
    Floats high = -low;
    Doubles squares[Registers][2] = {};
    Lanes finite = {};
    Lanes unnormalised = {};
    Lanes dirtyZeros = {};
    Lanes mayBeBeyond = {};
    qint64 i = 0;
    for (; i + Step <= count; i += Step) {
        for (int r = 0; r < Registers; ++r) {
            const qint64 at = i + r * qint64{Width};
            Words word;
            std::memcpy(&word, raw + at * 4, sizeof word);
            if (Swap)
                SwapBytes(word);
            Floats value;
            std::memcpy(&value, Ibm ? static_cast<const void*>(values + at) : &word, sizeof value);
            if (Ibm) {
                finite -= -1;
                low = value < low ? value : low;
                high = value > high ? value : high;
            } else {
                const Lanes isFinite = (word & 0x7F800000) != 0x7F800000;
                value = isFinite ? value : Floats{};
                finite -= isFinite;
                low = (isFinite & (value < low)) ? value : low;
                high = (isFinite & (value > high)) ? value : high;
            }
            Doubles halves[2];
            SplitToDoubles(value, halves);
            squares[r][0] += halves[0] * halves[0];
            squares[r][1] += halves[1] * halves[1];
            if (Ibm) {
                const Words fraction = word & 0xFFFFFF;
                const Words exponent = word >> 24 & 0x7F;
                unnormalised -= (fraction != 0) & (fraction < 0x100000);
                dirtyZeros -= (fraction == 0) & (exponent != 0);
                mayBeBeyond -= (exponent >= 97) & (fraction != 0);
            }
        }
    }
    for (int lane = 0; lane < Step; ++lane) {
        const int inRegister = lane % Width;
        stats.SumOfSquares += squares[lane / Width][inRegister / Half][inRegister % Half];
    }
    for (int lane = 0; lane < Width; ++lane) {
        if (finite[lane] > 0) {
            stats.Minimum = std::min<double>(stats.Minimum, low[lane]);
            stats.Maximum = std::max<double>(stats.Maximum, high[lane]);
        }
    }
    const qint64 finiteValues = SumOfLanes(finite);
    stats.Samples += finiteValues;
    stats.NonFinite += i - finiteValues;
    const auto hostWord = [raw](qint64 index) {
        quint32 word;
        std::memcpy(&word, raw + index * 4, sizeof word);
        return Swap ? qbswap(word) : word;
    };
    if (Ibm) {
        stats.Unnormalised += SumOfLanes(unnormalised);
        stats.DirtyZeros += SumOfLanes(dirtyZeros);
        if (SumOfLanes(mayBeBeyond) > 0) {
            for (qint64 j = 0; j < i; ++j) {
                const quint32 word = hostWord(j);
                if ((word & 0xFFFFFF) != 0 && IbmLeadingPower(word) >= 128)
                    ++stats.BeyondFloat;
            }
        }
    }
    for (; i < count; ++i) {
        const quint32 word = hostWord(i);
        float value;
        std::memcpy(&value, Ibm ? static_cast<const void*>(values + i) : &word, sizeof value);
        if (Ibm)
            ClassifyIbm(stats, word);
        AddValue(stats, value);
    }
}

// AddRun for either byte order and sample format: IBM words when `values`
// holds their values, IEEE floats when it is null.
RUN_FUNCTION void AddAnyRun(SampleStats& stats, const char* raw, const float* values, qint64 count,
                            bool swap)
{
    if (values != nullptr)
        swap ? AddRun<true, true>(stats, raw, values, count)
             : AddRun<false, true>(stats, raw, values, count);
    else
        swap ? AddRun<true, false>(stats, raw, values, count)
             : AddRun<false, false>(stats, raw, values, count);
}
