#include "zelfunctions.h"

#include "ibmpaths.h"

#include <QtEndian>

#include <cstddef>

#ifdef ZEL_X86_PATHS
#include <immintrin.h>
#endif

namespace zel {
namespace {

template<typename Word>
void ReverseWords(unsigned char* x, std::size_t bytes)
{
    for (std::size_t at = 0; at < bytes; at += sizeof(Word))
        qToUnaligned(qbswap(qFromUnaligned<Word>(x + at)), x + at);
}

// Reverses every `wordSize`-byte word of the `bytes` bytes at `x`.
void ReverseWordsScalar(unsigned char* x, int wordSize, std::size_t bytes)
{
    switch (wordSize) {
    case 2:
        ReverseWords<quint16>(x, bytes);
        return;
    case 4:
        ReverseWords<quint32>(x, bytes);
        return;
    case 8:
        ReverseWords<quint64>(x, bytes);
        return;
    }
}

#ifdef ZEL_X86_PATHS

// SSE2 has no byte shuffle: the 16-bit lanes are rearranged first (pairs
// swapped for 4-byte words, reversed in fours for 8-byte words), then the
// two bytes of every 16-bit lane change places.
__attribute__((target("sse2"))) void ReverseWordsSse2(unsigned char* x, int wordSize,
                                                      std::size_t bytes)
{
    std::size_t done = 0;
    for (; done + 16 <= bytes; done += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + done));
        if (wordSize == 4) {
            v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xB1), 0xB1);
        } else if (wordSize == 8) {
            v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B);
        }
        v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(x + done), v);
    }
    ReverseWordsScalar(x + done, wordSize, bytes - done);
}

__attribute__((target("avx2"))) void ReverseWordsAvx2(unsigned char* x, int wordSize,
                                                      std::size_t bytes)
{
    // Byte order within each 16-byte lane, for 2-, 4- and 8-byte words.
    const __m256i order =
        wordSize == 2   ? _mm256_set_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1, 14,
                                          15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1)
        : wordSize == 4 ? _mm256_set_epi8(12, 13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3, 12,
                                          13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3)
                        : _mm256_set_epi8(8, 9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3, 4, 5, 6, 7, 8,
                                          9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3, 4, 5, 6, 7);
    std::size_t done = 0;
    for (; done + 32 <= bytes; done += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(x + done));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(x + done), _mm256_shuffle_epi8(v, order));
    }
    ReverseWordsScalar(x + done, wordSize, bytes - done);
}

#endif

} // namespace

void ByteSwapArrayOn(IbmPath path, unsigned char* x, int wordSize, int words)
{
    if (words <= 0 || (wordSize != 2 && wordSize != 4 && wordSize != 8))
        return;
    const std::size_t bytes = std::size_t(wordSize) * std::size_t(words);
    if (!IbmPathAvailable(path))
        path = IbmPath::Scalar;
    switch (path) {
#ifdef ZEL_X86_PATHS
    case IbmPath::Avx2:
        ReverseWordsAvx2(x, wordSize, bytes);
        return;
    case IbmPath::Sse2:
        ReverseWordsSse2(x, wordSize, bytes);
        return;
#endif
    default:
        ReverseWordsScalar(x, wordSize, bytes);
        return;
    }
}

} // namespace zel

void ByteSwapArray(unsigned char* x, int wordSize, int words)
{
    zel::ByteSwapArrayOn(zel::IbmPathInUse(), x, wordSize, words);
}
