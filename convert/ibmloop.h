// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Internal: the array loops of one instruction set, written once for all of
// them. Included once per instruction set, inside that set's namespace and
// its target region (ZEL_BEGIN_TARGET in targetregion.h), after that set's
// kernels IbmToFloatBits, FloatBitsToIbm and FloatBitsToIbmRounded and a traits type `Isa` with
//   Vector                the vector type,
//   width                 its size in bytes (a divisor of 64),
//   Load, Store, Stream   unaligned load and store, and the streaming store
//                         to a 64-byte aligned address,
// so that the loops are compiled for that instruction set and inline its
// kernels. Hence no include guard.

using Vector = Isa::Vector;

// Runs `Kernel` over every 64-byte block of the `units` units of `unit`
// bytes at `in`, then over every whole vector left, and `Tail` over the last
// units, writing the results to `out`. Each vector is loaded before its
// result is stored, so `in` may equal `out`. Large outputs are written with
// streaming stores from their first 64-byte boundary (the units before it
// go through `Tail`) when `streaming` is set.
template<std::size_t unit, Vector (*Kernel)(Vector), IbmKernel Tail, bool streaming = true>
void Run(const char* in, char* out, std::size_t units)
{
    const std::size_t bytes = unit * units;
    std::size_t at = 0;
    if constexpr (streaming) {
        if (Streams(out, bytes, unit)) {
            at = BytesToLineBoundary(out);
            Tail(in, out, at / unit);
            for (; at + 64 <= bytes; at += 64) {
                PrefetchAhead(in, at, bytes);
                for (std::size_t lane = 0; lane < 64; lane += Isa::width)
                    Isa::Stream(out + at + lane, Kernel(Isa::Load(in + at + lane)));
            }
            // Later stores, and other processors, see the streamed results first.
            _mm_sfence();
        }
    }
    for (; at + 64 <= bytes; at += 64) {
        PrefetchAhead(in, at, bytes);
        for (std::size_t lane = 0; lane < 64; lane += Isa::width)
            Isa::Store(out + at + lane, Kernel(Isa::Load(in + at + lane)));
    }
    for (; at + Isa::width <= bytes; at += Isa::width)
        Isa::Store(out + at, Kernel(Isa::Load(in + at)));
    Tail(in + at, out + at, (bytes - at) / unit);
}

// A kernel with the bytes of each word reversed before it, or after it.
template<Vector (*Kernel)(Vector)>
ZEL_ALWAYS_INLINE Vector AfterReversing(Vector words)
{
    return Kernel(ReverseWordBytes<4>(words));
}

template<Vector (*Kernel)(Vector)>
ZEL_ALWAYS_INLINE Vector ThenReversing(Vector words)
{
    return ReverseWordBytes<4>(Kernel(words));
}

// The loops of one conversion in every byte order, from its kernels for
// little-endian and for big-endian input, with `Word` for the tails.
template<Vector (*FromLittle)(Vector), Vector (*FromBig)(Vector), WordConversion Word>
constexpr OrderedKernels InEveryOrder()
{
    return {{
        {Run<4, FromLittle, ConvertWordsScalar<Word, false, false>>,
         Run<4, ThenReversing<FromLittle>, ConvertWordsScalar<Word, false, true>>},
        {Run<4, FromBig, ConvertWordsScalar<Word, true, false>>,
         Run<4, ThenReversing<FromBig>, ConvertWordsScalar<Word, true, true>>},
    }};
}

template<Vector (*Kernel)(Vector), WordConversion Word>
constexpr OrderedKernels InEveryOrder()
{
    return InEveryOrder<Kernel, AfterReversing<Kernel>, Word>();
}

// The kernels of this instruction set, with the IBM-to-float kernel for
// words most significant byte first given. ByteSwapArray works in place, on
// lines it has just read into the caches: streaming stores would only push
// them out before the next pass reads them.
template<Vector (*BigEndianIbmToFloatBits)(Vector)>
constexpr IbmKernels Kernels()
{
    return {
        InEveryOrder<IbmToFloatBits, BigEndianIbmToFloatBits, IbmWordToFloatBits>(),
        InEveryOrder<FloatBitsToIbm, FloatBitsToIbmWord>(),
        InEveryOrder<FloatBitsToIbmRounded, FloatBitsToIbmWordRounded>(),
        {Run<2, ReverseWordBytes<2>, ReverseWordsScalar<2>, false>,
         Run<4, ReverseWordBytes<4>, ReverseWordsScalar<4>, false>,
         Run<8, ReverseWordBytes<8>, ReverseWordsScalar<8>, false>},
    };
}
