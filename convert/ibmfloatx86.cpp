#include "ibmfloatx86.h"

#ifdef ZEL_X86_PATHS

#include "ibmscalar.h"

#include <immintrin.h>

#include <algorithm>

// Branch-free versions of the word conversions in ibmscalar.h, four words at
// a time with SSE2 and eight with AVX2, resting on these facts:
// - a fraction below 2^24 converts to float exactly, so the float's exponent
//   field locates the leading one and its mantissa field is the normalised
//   fraction without it;
// - SSE2 has no per-lane shifts: a 24-bit significand shifted right by s is
//   the float holding it scaled by 2^-s, converted to an integer, which
//   truncates whatever the rounding mode;
// - those floats and products are all normal, so flush-to-zero and
//   denormals-are-zero settings change no result.
// Unaligned loads and stores go through the intrinsics made for them.

namespace zel {
namespace {

constexpr int signBit = int(0x80000000u);

// IBM to float ----------------------------------------------------------------

__attribute__((target("sse2"), always_inline)) inline __m128i Select(__m128i mask, __m128i ifSet,
                                                                     __m128i ifClear)
{
    return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
}

// Per 32-bit lane: `ifSet` where `mask` is all ones, `ifClear` where it is zero.
// The float blend is used because GCC 12 folds the byte blend into wrong code
// when plain char is unsigned.
__attribute__((target("avx2"), always_inline)) inline __m256i Select(__m256i mask, __m256i ifSet,
                                                                     __m256i ifClear)
{
    return _mm256_castps_si256(_mm256_blendv_ps(
        _mm256_castsi256_ps(ifClear), _mm256_castsi256_ps(ifSet), _mm256_castsi256_ps(mask)));
}

__attribute__((target("sse2"), always_inline)) inline __m128i IbmToFloatBits(__m128i ibm)
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

__attribute__((target("avx2"), always_inline)) inline __m256i IbmToFloatBits(__m256i ibm)
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

__attribute__((target("sse2"), always_inline)) inline __m128i FloatBitsToIbm(__m128i bits)
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

__attribute__((target("avx2"), always_inline)) inline __m256i FloatBitsToIbm(__m256i bits)
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

// Array loops -----------------------------------------------------------------

using ScalarLoop = void (*)(const char* in, char* out, std::size_t samples);

// Loops read this far ahead of their position, so that memory keeps
// streaming in while the kernel computes.
constexpr std::size_t prefetchDistance = 4096;

// Prefetches the input `prefetchDistance` bytes beyond `at`, never beyond its last byte.
inline void PrefetchAhead(const char* in, std::size_t at, std::size_t bytes)
{
    __builtin_prefetch(in + std::min(at + prefetchDistance, bytes - 1));
}

__attribute__((target("sse2"), always_inline)) inline __m128i LoadSse2(const char* at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

__attribute__((target("sse2"), always_inline)) inline void StoreSse2(char* at, __m128i value)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), value);
}

__attribute__((target("avx2"), always_inline)) inline __m256i LoadAvx2(const char* at)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

__attribute__((target("avx2"), always_inline)) inline void StoreAvx2(char* at, __m256i value)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), value);
}

// Run `Kernel` over every 64-byte block, then over every whole vector left,
// and `Tail` over the last samples. Each vector is loaded before its result
// is stored, so `in` may equal `out`.

template<__m128i (*Kernel)(__m128i), ScalarLoop Tail>
__attribute__((target("sse2"))) void RunSse2(const char* in, char* out, std::size_t samples)
{
    const std::size_t bytes = 4 * samples;
    std::size_t at = 0;
    for (; at + 64 <= bytes; at += 64) {
        PrefetchAhead(in, at, bytes);
        StoreSse2(out + at, Kernel(LoadSse2(in + at)));
        StoreSse2(out + at + 16, Kernel(LoadSse2(in + at + 16)));
        StoreSse2(out + at + 32, Kernel(LoadSse2(in + at + 32)));
        StoreSse2(out + at + 48, Kernel(LoadSse2(in + at + 48)));
    }
    for (; at + 16 <= bytes; at += 16)
        StoreSse2(out + at, Kernel(LoadSse2(in + at)));
    Tail(in + at, out + at, (bytes - at) / 4);
}

template<__m256i (*Kernel)(__m256i), ScalarLoop Tail>
__attribute__((target("avx2"))) void RunAvx2(const char* in, char* out, std::size_t samples)
{
    const std::size_t bytes = 4 * samples;
    std::size_t at = 0;
    for (; at + 64 <= bytes; at += 64) {
        PrefetchAhead(in, at, bytes);
        StoreAvx2(out + at, Kernel(LoadAvx2(in + at)));
        StoreAvx2(out + at + 32, Kernel(LoadAvx2(in + at + 32)));
    }
    if (at + 32 <= bytes) {
        StoreAvx2(out + at, Kernel(LoadAvx2(in + at)));
        at += 32;
    }
    Tail(in + at, out + at, (bytes - at) / 4);
}

} // namespace

void IbmToFloatSse2(const char* in, char* out, std::size_t samples)
{
    RunSse2<IbmToFloatBits, IbmToFloatScalar>(in, out, samples);
}

void IbmToFloatAvx2(const char* in, char* out, std::size_t samples)
{
    RunAvx2<IbmToFloatBits, IbmToFloatScalar>(in, out, samples);
}

void FloatToIbmSse2(const char* in, char* out, std::size_t samples)
{
    RunSse2<FloatBitsToIbm, FloatToIbmScalar>(in, out, samples);
}

void FloatToIbmAvx2(const char* in, char* out, std::size_t samples)
{
    RunAvx2<FloatBitsToIbm, FloatToIbmScalar>(in, out, samples);
}

} // namespace zel

#endif
