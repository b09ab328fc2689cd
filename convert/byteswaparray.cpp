// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "zelfunctions.h"

#include "ibmfloatx86.h"
#include "ibmpaths.h"

#include <cstddef>

namespace zel {
namespace {

// Reverses the `words` words of `wordSize` bytes at `x` with `kernels`;
// other word sizes are left alone.
void ReverseWords(const IbmKernels& kernels, unsigned char* x, int wordSize, int words)
{
    if (words <= 0 || (wordSize != 2 && wordSize != 4 && wordSize != 8))
        return;
    auto* bytes = reinterpret_cast<char*>(x);
    kernels.reverseWords[wordSize / 4](bytes, bytes, std::size_t(words));
}

} // namespace

void ByteSwapArrayOn(IbmPath path, unsigned char* x, int wordSize, int words)
{
    ReverseWords(KernelsOn(path), x, wordSize, words);
}

} // namespace zel

void ByteSwapArray(unsigned char* x, int wordSize, int words)
{
    zel::ReverseWords(zel::KernelsInUse(), x, wordSize, words);
}
