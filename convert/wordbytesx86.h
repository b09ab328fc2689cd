// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_WORDBYTESX86_H
#define ZEL_WORDBYTESX86_H

// Internal: the bytes of every `wordSize`-byte word of a vector reversed,
// for a `wordSize` of 2, 4 or 8. Used by ByteSwapArray and by the IBM
// conversions that read or write words most significant byte first.

#include "ibmpaths.h"

#ifdef ZEL_X86_PATHS

#include <immintrin.h>

namespace zel {

// SSE2 has no byte shuffle: the 16-bit lanes are rearranged first (pairs
// swapped for 4-byte words, reversed in fours for 8-byte words), then the
// two bytes of every 16-bit lane change places.
template<int wordSize>
__attribute__((target("sse2"), always_inline)) inline __m128i ReverseWordBytes(__m128i v)
{
    if constexpr (wordSize == 4) {
        v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xB1), 0xB1);
    } else if constexpr (wordSize == 8) {
        v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B);
    }
    return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
}

// Source of byte `at` of a 16-byte lane whose `wordSize`-byte words are
// reversed.
constexpr char ReversedByteSource(int wordSize, int at)
{
    return char(at / wordSize * wordSize + wordSize - 1 - at % wordSize);
}

// The byte shuffle of one 16-byte lane that reverses its words.
template<int wordSize>
__attribute__((target("sse2"), always_inline)) inline __m128i ReversingShuffle()
{
    constexpr int w = wordSize;
    return _mm_setr_epi8(
        ReversedByteSource(w, 0), ReversedByteSource(w, 1), ReversedByteSource(w, 2),
        ReversedByteSource(w, 3), ReversedByteSource(w, 4), ReversedByteSource(w, 5),
        ReversedByteSource(w, 6), ReversedByteSource(w, 7), ReversedByteSource(w, 8),
        ReversedByteSource(w, 9), ReversedByteSource(w, 10), ReversedByteSource(w, 11),
        ReversedByteSource(w, 12), ReversedByteSource(w, 13), ReversedByteSource(w, 14),
        ReversedByteSource(w, 15));
}

template<int wordSize>
__attribute__((target("avx2"), always_inline)) inline __m256i ReverseWordBytes(__m256i v)
{
    return _mm256_shuffle_epi8(v, _mm256_broadcastsi128_si256(ReversingShuffle<wordSize>()));
}

template<int wordSize>
__attribute__((target("avx512f,avx512bw"), always_inline)) inline __m512i
ReverseWordBytes(__m512i v)
{
    return _mm512_shuffle_epi8(v, _mm512_broadcast_i32x4(ReversingShuffle<wordSize>()));
}

} // namespace zel

#endif

#endif // ZEL_WORDBYTESX86_H
