// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELBENCH_SAMPLES_H
#define ZELBENCH_SAMPLES_H

#include <cstddef>
#include <cstdlib>
#include <memory>

// The data every benchmark converts, made once per run from a fixed seed so
// that runs compare: seismic-like samples in each encoding an operation reads,
// and text in both character sets.

namespace zelbench {

// Bytes on a 64-byte boundary, so that no contender is measured on a buffer
// that straddles cache lines differently from another's.
class Buffer
{
public:
    explicit Buffer(std::size_t size);

    std::size_t size() const { return m_size; }
    unsigned char* bytes() { return m_bytes.get(); }
    const unsigned char* bytes() const { return m_bytes.get(); }
    char* chars() { return reinterpret_cast<char*>(m_bytes.get()); }
    float* floats() { return reinterpret_cast<float*>(m_bytes.get()); }

private:
    struct Free
    {
        void operator()(unsigned char* p) const { std::free(p); }
    };
    std::size_t m_size;
    std::unique_ptr<unsigned char[], Free> m_bytes;
};

struct SampleBuffers
{
    explicit SampleBuffers(std::size_t size);

    // Normally distributed floats with zeros, subnormals, huge values,
    // infinities and NaNs mixed in.
    Buffer floats;
    // IBM words (least significant byte first): the floats above in IBM form
    // with words mixed in that only IBM can hold: zeros with a non-zero
    // exponent, values above and below the float range, unnormalised words.
    Buffer ibmWords;
    // The same IBM words most significant byte first, as files hold them.
    Buffer ibmBigEndian;
    // Text lines as in a file's text header, mostly printable characters.
    Buffer asciiText;
    // The same text in EBCDIC.
    Buffer ebcdicText;
};

// Copies `size` bytes from `words` to `reversed`, reversing the byte order of
// every 4-byte word. `words` and `reversed` may be the same buffer.
void ReverseWordBytes(const unsigned char* words, unsigned char* reversed, std::size_t size);

} // namespace zelbench

#endif // ZELBENCH_SAMPLES_H
