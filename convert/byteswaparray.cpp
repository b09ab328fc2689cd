// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelfunctions.h"

#include "ibmpaths.h"
#include "wordbytesx86.h"

#include <QtEndian>

#include <cstddef>

namespace zel {
namespace {

// Reverses every `wordSize`-byte word of the `bytes` bytes at `x`.
template<int wordSize>
void ReverseWordsScalar(unsigned char* x, std::size_t bytes)
{
    using Word = typename QIntegerForSize<wordSize>::Unsigned;
    for (std::size_t at = 0; at < bytes; at += wordSize)
        qToUnaligned(qbswap(qFromUnaligned<Word>(x + at)), x + at);
}

#ifdef ZEL_X86_PATHS

template<int wordSize>
__attribute__((target("sse2"))) void ReverseWordsSse2(unsigned char* x, std::size_t bytes)
{
    std::size_t done = 0;
    for (; done + 16 <= bytes; done += 16) {
        auto* at = reinterpret_cast<__m128i*>(x + done);
        _mm_storeu_si128(at, ReverseWordBytes<wordSize>(_mm_loadu_si128(at)));
    }
    ReverseWordsScalar<wordSize>(x + done, bytes - done);
}

template<int wordSize>
__attribute__((target("avx2"))) void ReverseWordsAvx2(unsigned char* x, std::size_t bytes)
{
    std::size_t done = 0;
    for (; done + 32 <= bytes; done += 32) {
        auto* at = reinterpret_cast<__m256i*>(x + done);
        _mm256_storeu_si256(at, ReverseWordBytes<wordSize>(_mm256_loadu_si256(at)));
    }
    ReverseWordsScalar<wordSize>(x + done, bytes - done);
}

#endif

// Reverses every word on `path`, which this processor runs. The AVX-512
// path reuses the AVX2 loop.
template<int wordSize>
void ReverseWordsOn(IbmPath path, unsigned char* x, std::size_t bytes)
{
    switch (path) {
#ifdef ZEL_X86_PATHS
    case IbmPath::Avx512:
    case IbmPath::Avx2:
        ReverseWordsAvx2<wordSize>(x, bytes);
        return;
    case IbmPath::Sse2:
        ReverseWordsSse2<wordSize>(x, bytes);
        return;
#endif
    default:
        ReverseWordsScalar<wordSize>(x, bytes);
        return;
    }
}

} // namespace

void ByteSwapArrayOn(IbmPath path, unsigned char* x, int wordSize, int words)
{
    if (words <= 0)
        return;
    const std::size_t bytes = std::size_t(wordSize) * std::size_t(words);
    if (!IbmPathAvailable(path))
        path = IbmPath::Scalar;
    switch (wordSize) {
    case 2:
        ReverseWordsOn<2>(path, x, bytes);
        return;
    case 4:
        ReverseWordsOn<4>(path, x, bytes);
        return;
    case 8:
        ReverseWordsOn<8>(path, x, bytes);
        return;
    }
}

} // namespace zel

void ByteSwapArray(unsigned char* x, int wordSize, int words)
{
    zel::ByteSwapArrayOn(zel::IbmPathInUse(), x, wordSize, words);
}
