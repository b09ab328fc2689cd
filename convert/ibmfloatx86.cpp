// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "ibmfloatx86.h"

#ifdef ZEL_X86_PATHS

#include "ibmscalar.h"
#include "targetregion.h"
#include "wordbytesx86.h"

#include <immintrin.h>

#include <algorithm>
#include <cstdint>

// Branch-free versions of the word conversions in ibmscalar.h, four words at
// a time with SSE2, eight with AVX2 and sixteen with AVX-512, resting on
// these facts:
// - a fraction below 2^24 converts to float exactly, so the float's exponent
//   field locates the leading one and its mantissa field is the normalised
//   fraction without it;
// - a 24-bit significand shifted right by s is the float holding it scaled
//   by 2^-s, converted to an integer, which truncates whatever the rounding
//   mode (SSE2 has no per-lane shifts; elsewhere it saves instructions);
// - those floats and products are all normal, so flush-to-zero and
//   denormals-are-zero settings change no result.
// Each instruction set has its kernels and its traits type; the loops over
// arrays are those of ibmloop.h, compiled once for each.

namespace zel {
namespace {

constexpr int signBit = int(0x80000000u);

// Loops read this far ahead of their position, so that memory keeps
// streaming in while the kernel computes.
constexpr std::size_t prefetchDistance = 4096;

// Prefetches the input `prefetchDistance` bytes beyond `at`, never beyond its last byte.
inline void PrefetchAhead(const char* in, std::size_t at, std::size_t bytes)
{
    __builtin_prefetch(in + std::min(at + prefetchDistance, bytes - 1));
}

// Outputs this large are written with streaming stores, which go to memory
// without first reading each line into the caches: these would not keep so
// much anyway, and memory then carries two bytes per byte converted, not
// three.
constexpr std::size_t streamingThreshold = std::size_t(16) << 20;

// Whether the `bytes` bytes at `out` are written with streaming stores:
// when there are that many and whole units of `unit` bytes reach a 64-byte
// boundary.
inline bool Streams(const char* out, std::size_t bytes, std::size_t unit)
{
    return bytes >= streamingThreshold && reinterpret_cast<std::uintptr_t>(out) % unit == 0;
}

// Bytes from `out` to its first 64-byte boundary.
inline std::size_t BytesToLineBoundary(const char* out)
{
    return (64 - reinterpret_cast<std::uintptr_t>(out) % 64) % 64;
}

} // namespace

// SSE2 ------------------------------------------------------------------------

ZEL_BEGIN_TARGET("sse2")
namespace sse2 {
namespace {

struct Isa
{
    using Vector = __m128i;
    static constexpr std::size_t width = 16;
    static Vector Load(const char* at)
    {
        return _mm_loadu_si128(reinterpret_cast<const Vector*>(at));
    }
    static void Store(char* at, Vector value)
    {
        _mm_storeu_si128(reinterpret_cast<Vector*>(at), value);
    }
    static void Stream(char* at, Vector value)
    {
        _mm_stream_si128(reinterpret_cast<Vector*>(at), value);
    }
};

// Per 32-bit lane: `ifSet` where `mask` is all ones, `ifClear` where it is zero.
ZEL_ALWAYS_INLINE __m128i Select(__m128i mask, __m128i ifSet, __m128i ifClear)
{
    return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
}

ZEL_ALWAYS_INLINE __m128i IbmToFloatBits(__m128i ibm)
{
    const __m128i fraction = _mm_and_si128(ibm, _mm_set1_epi32(0x00FFFFFF));
    const __m128i exact = _mm_castps_si128(_mm_cvtepi32_ps(fraction));
    // The float's biased exponent is the exact fraction's plus 4 * exponent - 280.
    const __m128i rebias = _mm_sub_epi32(
        _mm_and_si128(_mm_srli_epi32(ibm, 22), _mm_set1_epi32(0x1FC)), _mm_set1_epi32(280));
    const __m128i biased = _mm_add_epi32(_mm_srli_epi32(exact, 23), rebias);
    const __m128i normal = _mm_add_epi32(exact, _mm_slli_epi32(rebias, 23));

    // Subnormal (biased <= 0): the 24-bit significand shifted right by
    // 1 - biased, as the significand times 2^(biased - 1) truncated. The
    // power is clamped to [-126, -1]; 16-bit min and max do that because
    // biased lies within [-280, 378].
    const __m128i significand =
        _mm_or_si128(_mm_and_si128(exact, _mm_set1_epi32(0x007FFFFF)), _mm_set1_epi32(150 << 23));
    const __m128i power =
        _mm_max_epi16(_mm_min_epi16(_mm_sub_epi32(biased, _mm_set1_epi32(1)), _mm_set1_epi32(-1)),
                      _mm_set1_epi32(-126));
    const __m128i scale = _mm_slli_epi32(_mm_add_epi32(power, _mm_set1_epi32(127)), 23);
    const __m128i subnormal =
        _mm_cvttps_epi32(_mm_mul_ps(_mm_castsi128_ps(significand), _mm_castsi128_ps(scale)));

    __m128i bits = Select(_mm_cmplt_epi32(biased, _mm_set1_epi32(1)), subnormal, normal);
    bits = Select(_mm_cmpgt_epi32(biased, _mm_set1_epi32(254)), _mm_set1_epi32(0x7F7FFFFF), bits);
    bits = _mm_andnot_si128(_mm_cmpeq_epi32(fraction, _mm_setzero_si128()), bits);
    return _mm_or_si128(bits, _mm_and_si128(ibm, _mm_set1_epi32(signBit)));
}

// Float to IBM ----------------------------------------------------------------

ZEL_ALWAYS_INLINE __m128i FloatBitsToIbm(__m128i bits)
{
    const __m128i biased = _mm_and_si128(_mm_srli_epi32(bits, 23), _mm_set1_epi32(0xFF));
    const __m128i fraction = _mm_and_si128(bits, _mm_set1_epi32(0x007FFFFF));
    // Normal: the significand loses (2 - biased) mod 4 bits, taken off the
    // exponent field of the float holding it; the power of sixteen is
    // (biased + 133) / 4.
    const __m128i drop = _mm_and_si128(_mm_sub_epi32(_mm_set1_epi32(2), biased), _mm_set1_epi32(3));
    const __m128i shifted =
        _mm_or_si128(_mm_slli_epi32(_mm_sub_epi32(_mm_set1_epi32(150), drop), 23), fraction);
    const __m128i normal = _mm_or_si128(
        _mm_slli_epi32(_mm_srli_epi32(_mm_add_epi32(biased, _mm_set1_epi32(133)), 2), 24),
        _mm_cvttps_epi32(_mm_castsi128_ps(shifted)));

    const __m128i wide = _mm_cmpgt_epi32(fraction, _mm_set1_epi32(0x001FFFFF));
    __m128i subnormal =
        Select(wide, _mm_or_si128(_mm_srli_epi32(fraction, 1), _mm_set1_epi32(33 << 24)),
               _mm_or_si128(_mm_slli_epi32(fraction, 3), _mm_set1_epi32(32 << 24)));
    subnormal = _mm_andnot_si128(_mm_cmpeq_epi32(fraction, _mm_setzero_si128()), subnormal);

    __m128i ibm = Select(_mm_cmpeq_epi32(biased, _mm_setzero_si128()), subnormal, normal);
    ibm = _mm_or_si128(ibm, _mm_and_si128(_mm_cmpeq_epi32(biased, _mm_set1_epi32(0xFF)),
                                          _mm_set1_epi32(0x7FFFFFFF)));
    return _mm_or_si128(ibm, _mm_and_si128(bits, _mm_set1_epi32(signBit)));
}

// FloatBitsToIbm rounded to nearest, ties to even, as in
// FloatBitsToIbmWordRounded: the significand moved left by 3 - drop with
// the float of exponent 150 + 3 - drop over the fraction, converted (an
// integer below 2^27, so exact), and one added where the dropped bits ask.
ZEL_ALWAYS_INLINE __m128i FloatBitsToIbmRounded(__m128i bits)
{
    const __m128i magnitude = _mm_and_si128(bits, _mm_set1_epi32(0x7FFFFFFF));
    const __m128i biased = _mm_srli_epi32(magnitude, 23);
    const __m128i fraction = _mm_and_si128(bits, _mm_set1_epi32(0x007FFFFF));
    const __m128i lift = _mm_and_si128(_mm_add_epi32(biased, _mm_set1_epi32(1)), _mm_set1_epi32(3));
    const __m128i normal = _mm_cvttps_epi32(_mm_castsi128_ps(
        _mm_or_si128(_mm_slli_epi32(_mm_add_epi32(lift, _mm_set1_epi32(150)), 23), fraction)));
    // Subnormals round as floats of exponent 1 without the hidden bit.
    const __m128i placed =
        Select(_mm_cmpeq_epi32(biased, _mm_setzero_si128()), _mm_slli_epi32(fraction, 2), normal);
    const __m128i up =
        _mm_and_si128(_mm_and_si128(_mm_srli_epi32(placed, 2),
                                    _mm_or_si128(_mm_or_si128(_mm_srli_epi32(placed, 3),
                                                              _mm_srli_epi32(placed, 1)),
                                                 placed)),
                      _mm_set1_epi32(1));
    const __m128i inexact = _mm_and_si128(_mm_cmpgt_epi32(magnitude, _mm_set1_epi32(0x001FFFFF)),
                                          _mm_cmplt_epi32(magnitude, _mm_set1_epi32(0x7F800000)));
    return _mm_add_epi32(FloatBitsToIbm(bits), _mm_and_si128(up, inexact));
}

#include "ibmloop.h"

} // namespace
} // namespace sse2

const IbmKernels sse2Kernels = sse2::Kernels<sse2::AfterReversing<sse2::IbmToFloatBits>>();
ZEL_END_TARGET

// AVX2 ------------------------------------------------------------------------

ZEL_BEGIN_TARGET("avx2")
namespace avx2 {
namespace {

struct Isa
{
    using Vector = __m256i;
    static constexpr std::size_t width = 32;
    static Vector Load(const char* at)
    {
        return _mm256_loadu_si256(reinterpret_cast<const Vector*>(at));
    }
    static void Store(char* at, Vector value)
    {
        _mm256_storeu_si256(reinterpret_cast<Vector*>(at), value);
    }
    static void Stream(char* at, Vector value)
    {
        _mm256_stream_si256(reinterpret_cast<Vector*>(at), value);
    }
};

// Per 32-bit lane: `ifSet` where `mask` is all ones, `ifClear` where it is zero.
// The float blend is used because GCC 12 folds the byte blend into wrong code
// when plain char is unsigned.
ZEL_ALWAYS_INLINE __m256i Select(__m256i mask, __m256i ifSet, __m256i ifClear)
{
    return _mm256_castps_si256(_mm256_blendv_ps(
        _mm256_castsi256_ps(ifClear), _mm256_castsi256_ps(ifSet), _mm256_castsi256_ps(mask)));
}

ZEL_ALWAYS_INLINE __m256i IbmToFloatBits(__m256i ibm)
{
    const __m256i fraction = _mm256_and_si256(ibm, _mm256_set1_epi32(0x00FFFFFF));
    const __m256i exact = _mm256_castps_si256(_mm256_cvtepi32_ps(fraction));
    const __m256i rebias =
        _mm256_sub_epi32(_mm256_and_si256(_mm256_srli_epi32(ibm, 22), _mm256_set1_epi32(0x1FC)),
                         _mm256_set1_epi32(280));
    const __m256i biased = _mm256_add_epi32(_mm256_srli_epi32(exact, 23), rebias);
    // A biased exponent above 254 gives at least 0x7F800000 here, without
    // wrapping: an unsigned minimum saturates it.
    const __m256i normal = _mm256_min_epu32(_mm256_add_epi32(exact, _mm256_slli_epi32(rebias, 23)),
                                            _mm256_set1_epi32(0x7F7FFFFF));
    // Shift counts above 31 give 0, as the subnormal range wants.
    const __m256i significand = _mm256_or_si256(
        _mm256_and_si256(exact, _mm256_set1_epi32(0x007FFFFF)), _mm256_set1_epi32(0x00800000));
    const __m256i subnormal =
        _mm256_srlv_epi32(significand, _mm256_sub_epi32(_mm256_set1_epi32(1), biased));

    __m256i bits = Select(_mm256_cmpgt_epi32(_mm256_set1_epi32(1), biased), subnormal, normal);
    bits = _mm256_andnot_si256(_mm256_cmpeq_epi32(fraction, _mm256_setzero_si256()), bits);
    return _mm256_or_si256(bits, _mm256_and_si256(ibm, _mm256_set1_epi32(signBit)));
}

// Float to IBM ----------------------------------------------------------------

ZEL_ALWAYS_INLINE __m256i FloatBitsToIbm(__m256i bits)
{
    const __m256i magnitude = _mm256_and_si256(bits, _mm256_set1_epi32(0x7FFFFFFF));
    // Subnormals wider than 21 bits take the normal route with exponent 1
    // and no hidden bit, which gives the power 33 and drops one bit.
    const __m256i biased = _mm256_max_epi32(_mm256_srli_epi32(magnitude, 23), _mm256_set1_epi32(1));
    const __m256i significand = _mm256_sub_epi32(
        magnitude, _mm256_slli_epi32(_mm256_sub_epi32(biased, _mm256_set1_epi32(1)), 23));
    const __m256i drop =
        _mm256_and_si256(_mm256_sub_epi32(_mm256_set1_epi32(2), biased), _mm256_set1_epi32(3));
    const __m256i normal = _mm256_or_si256(
        _mm256_slli_epi32(_mm256_srli_epi32(_mm256_add_epi32(biased, _mm256_set1_epi32(133)), 2),
                          24),
        _mm256_srlv_epi32(significand, drop));
    // Narrower subnormals keep every bit at power 32; zero stays zero.
    const __m256i narrow =
        _mm256_or_si256(_mm256_slli_epi32(magnitude, 3), _mm256_set1_epi32(32 << 24));
    __m256i ibm =
        Select(_mm256_cmpgt_epi32(_mm256_set1_epi32(0x00200000), magnitude), narrow, normal);
    ibm = _mm256_andnot_si256(_mm256_cmpeq_epi32(magnitude, _mm256_setzero_si256()), ibm);
    // Infinities and NaNs: every bit but the sign set.
    ibm = _mm256_or_si256(
        ibm, _mm256_srli_epi32(_mm256_cmpgt_epi32(magnitude, _mm256_set1_epi32(0x7F7FFFFF)), 1));
    return _mm256_or_si256(ibm, _mm256_xor_si256(bits, magnitude));
}

// FloatBitsToIbm rounded to nearest, ties to even, as in
// FloatBitsToIbmWordRounded.
ZEL_ALWAYS_INLINE __m256i FloatBitsToIbmRounded(__m256i bits)
{
    const __m256i magnitude = _mm256_and_si256(bits, _mm256_set1_epi32(0x7FFFFFFF));
    const __m256i biased = _mm256_max_epi32(_mm256_srli_epi32(magnitude, 23), _mm256_set1_epi32(1));
    const __m256i significand = _mm256_sub_epi32(
        magnitude, _mm256_slli_epi32(_mm256_sub_epi32(biased, _mm256_set1_epi32(1)), 23));
    const __m256i placed = _mm256_sllv_epi32(
        significand,
        _mm256_and_si256(_mm256_add_epi32(biased, _mm256_set1_epi32(1)), _mm256_set1_epi32(3)));
    const __m256i up = _mm256_and_si256(
        _mm256_and_si256(_mm256_srli_epi32(placed, 2),
                         _mm256_or_si256(_mm256_or_si256(_mm256_srli_epi32(placed, 3),
                                                         _mm256_srli_epi32(placed, 1)),
                                         placed)),
        _mm256_set1_epi32(1));
    const __m256i inexact =
        _mm256_and_si256(_mm256_cmpgt_epi32(magnitude, _mm256_set1_epi32(0x001FFFFF)),
                         _mm256_cmpgt_epi32(_mm256_set1_epi32(0x7F800000), magnitude));
    return _mm256_add_epi32(FloatBitsToIbm(bits), _mm256_and_si256(up, inexact));
}

#include "ibmloop.h"

} // namespace
} // namespace avx2

const IbmKernels avx2Kernels = avx2::Kernels<avx2::AfterReversing<avx2::IbmToFloatBits>>();
ZEL_END_TARGET

// AVX-512 ---------------------------------------------------------------------

ZEL_BEGIN_TARGET("avx512f,avx512bw")
namespace avx512 {
namespace {

struct Isa
{
    using Vector = __m512i;
    static constexpr std::size_t width = 64;
    static Vector Load(const char* at) { return _mm512_loadu_si512(at); }
    static void Store(char* at, Vector value) { _mm512_storeu_si512(at, value); }
    static void Stream(char* at, Vector value)
    {
        _mm512_stream_si512(reinterpret_cast<Vector*>(at), value);
    }
};

// The AVX-512 bitwise ternary operation takes its function as a truth table:
// the same operation on these three gives it.
constexpr int ternaryA = 0xF0;
constexpr int ternaryB = 0xCC;
constexpr int ternaryC = 0xAA;

// Truth table of "`ifSet` where `mask` is set, `ifClear` where it is clear".
constexpr int BitSelect(int mask, int ifSet, int ifClear)
{
    return ((mask & ifSet) | (~mask & ifClear)) & 0xFF;
}

// Float bits of the IBM words whose fraction is `fraction` (bits 0-23, the
// rest clear) and whose sign and exponent are `signAndExponent` (bits 24-31,
// the rest clear).
ZEL_ALWAYS_INLINE __m512i IbmFieldsToFloatBits(__m512i fraction, __m512i signAndExponent)
{
    const __mmask16 nonZero = _mm512_test_epi32_mask(fraction, fraction);
    const __m512i exact = _mm512_castps_si512(_mm512_cvtepi32_ps(fraction));
    // Four times the exponent in the float's exponent field, at least 4 * 26:
    // the values of smaller exponents truncate to zero, and do at 26 still.
    const __m512i power =
        _mm512_max_epu32(_mm512_slli_epi32(signAndExponent, 1), _mm512_set1_epi32(26 << 25));
    // The result's biased exponent b = the exact fraction's + 4 * exponent -
    // 280 lies within [-49, 378]: b + 52 above the mantissa field, no wrap.
    const __m512i offset =
        _mm512_sub_epi32(_mm512_add_epi32(exact, power), _mm512_set1_epi32(228 << 23));
    // Normal: b above the mantissa field. Above 254 that gives at least
    // 0x7F800000, which an unsigned minimum saturates.
    __m512i bits =
        _mm512_maskz_min_epu32(nonZero, _mm512_sub_epi32(offset, _mm512_set1_epi32(52 << 23)),
                               _mm512_set1_epi32(0x7F7FFFFF));
    // Subnormal (b <= 0): the significand shifted right by 1 - b, as the
    // float of exponent b + 149 (at least 100) over the mantissa field.
    const __mmask16 subnormal =
        _mm512_mask_cmplt_epu32_mask(nonZero, offset, _mm512_set1_epi32(53 << 23));
    bits = _mm512_mask_cvttps_epi32(
        bits, subnormal,
        _mm512_castsi512_ps(_mm512_add_epi32(offset, _mm512_set1_epi32(97 << 23))));
    return _mm512_ternarylogic_epi32(bits, signAndExponent, _mm512_set1_epi32(signBit),
                                     BitSelect(ternaryC, ternaryB, ternaryA));
}

ZEL_ALWAYS_INLINE __m512i IbmToFloatBits(__m512i ibm)
{
    return IbmFieldsToFloatBits(_mm512_and_si512(ibm, _mm512_set1_epi32(0x00FFFFFF)),
                                _mm512_and_si512(ibm, _mm512_set1_epi32(int(0xFF000000u))));
}

// IbmToFloatBits for words most significant byte first: each field taken
// out with one byte shuffle that reverses the words' bytes and clears the
// other field's (a shuffle index with its top bit set gives a zero byte).
ZEL_ALWAYS_INLINE __m512i BigEndianIbmToFloatBits(__m512i words)
{
    const __m512i reversing = _mm512_broadcast_i32x4(ReversingShuffle<4>());
    const __m512i fractionBytes = _mm512_or_si512(reversing, _mm512_set1_epi32(int(0x80000000u)));
    const __m512i topByte = _mm512_or_si512(reversing, _mm512_set1_epi32(0x00808080));
    return IbmFieldsToFloatBits(_mm512_shuffle_epi8(words, fractionBytes),
                                _mm512_shuffle_epi8(words, topByte));
}

// Float to IBM ----------------------------------------------------------------

ZEL_ALWAYS_INLINE __m512i FloatBitsToIbm(__m512i bits)
{
    const __m512i magnitude = _mm512_and_si512(bits, _mm512_set1_epi32(0x7FFFFFFF));
    // The biased exponent plus 133 in bits 23-31 (at most 388, no carry out):
    // bits 25-31 hold the power of sixteen, (biased + 133) / 4, and bits
    // 23-24 hold 3 - drop.
    const __m512i powered = _mm512_add_epi32(magnitude, _mm512_set1_epi32(133 << 23));
    // Twice the significand shifted right by drop, as the float of exponent
    // 148 + 3 - drop over the fraction, converted. Zeros and subnormals keep
    // their magnitude: twice the fraction shifted right by one, at power 33.
    const __m512i scaledFloat = _mm512_ternarylogic_epi32(powered, _mm512_set1_epi32(0x01FFFFFF),
                                                          _mm512_set1_epi32(148 << 23),
                                                          BitSelect(ternaryB, ternaryA, ternaryC));
    const __mmask16 normalInput = _mm512_test_epi32_mask(bits, _mm512_set1_epi32(0x7F800000));
    const __m512i twiceFraction =
        _mm512_mask_cvttps_epi32(magnitude, normalInput, _mm512_castsi512_ps(scaledFloat));
    // The IBM word shifted left by one.
    __m512i doubled =
        _mm512_ternarylogic_epi32(powered, twiceFraction, _mm512_set1_epi32(int(0xFE000000u)),
                                  BitSelect(ternaryC, ternaryA, ternaryB));
    // Subnormals narrower than 21 bits keep every bit at power 32.
    const __mmask16 narrow = _mm512_testn_epi32_mask(bits, _mm512_set1_epi32(0x7FE00000));
    doubled = _mm512_mask_slli_epi32(doubled, narrow,
                                     _mm512_or_si512(magnitude, _mm512_set1_epi32(32 << 21)), 4);
    // Infinities and NaNs: every bit but the sign set.
    const __mmask16 finite = _mm512_cmplt_epu32_mask(magnitude, _mm512_set1_epi32(0x7F800000));
    const __m512i ibm = _mm512_mask_srli_epi32(_mm512_set1_epi32(0x7FFFFFFF), finite, doubled, 1);
    // The sign of the input; zeros are their input.
    const __mmask16 nonZero = _mm512_test_epi32_mask(bits, _mm512_set1_epi32(0x7FFFFFFF));
    return _mm512_mask_ternarylogic_epi32(bits, nonZero, ibm, _mm512_set1_epi32(0x7FFFFFFF),
                                          BitSelect(ternaryC, ternaryB, ternaryA));
}

// FloatBitsToIbm rounded to nearest, ties to even, as in
// FloatBitsToIbmWordRounded.
ZEL_ALWAYS_INLINE __m512i FloatBitsToIbmRounded(__m512i bits)
{
    const __m512i magnitude = _mm512_and_si512(bits, _mm512_set1_epi32(0x7FFFFFFF));
    const __m512i biased = _mm512_max_epu32(_mm512_srli_epi32(magnitude, 23), _mm512_set1_epi32(1));
    const __m512i significand = _mm512_sub_epi32(
        magnitude, _mm512_slli_epi32(_mm512_sub_epi32(biased, _mm512_set1_epi32(1)), 23));
    const __m512i placed = _mm512_sllv_epi32(
        significand,
        _mm512_and_si512(_mm512_add_epi32(biased, _mm512_set1_epi32(1)), _mm512_set1_epi32(3)));
    // The first dropped bit, and the kept bit or any other dropped one.
    const __m512i later =
        _mm512_ternarylogic_epi32(_mm512_srli_epi32(placed, 3), _mm512_srli_epi32(placed, 1),
                                  placed, ternaryA | ternaryB | ternaryC);
    const __m512i up = _mm512_ternarylogic_epi32(
        _mm512_srli_epi32(placed, 2), later, _mm512_set1_epi32(1), ternaryA & ternaryB & ternaryC);
    const __mmask16 inexact = _mm512_cmpgt_epu32_mask(magnitude, _mm512_set1_epi32(0x001FFFFF)) &
                              _mm512_cmplt_epu32_mask(magnitude, _mm512_set1_epi32(0x7F800000));
    const __m512i truncated = FloatBitsToIbm(bits);
    return _mm512_mask_add_epi32(truncated, inexact, truncated, up);
}

#include "ibmloop.h"

} // namespace
} // namespace avx512

const IbmKernels avx512Kernels = avx512::Kernels<avx512::BigEndianIbmToFloatBits>();
ZEL_END_TARGET

} // namespace zel

#endif
