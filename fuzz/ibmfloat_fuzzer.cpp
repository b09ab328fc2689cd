// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// IbmToFloat, FloatToIbm and ByteSwapArray on every path this processor runs
// against the scalar path, word by word (see FirstFailure). Input: byte 0
// holds the misalignments of input (bits 0-1) and output (bits 2-3), the
// rest the words.

#include "ibmcheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString failure = FirstFailure(reinterpret_cast<const char*>(data + 1),
                                         int((size - 1) / 8), data[0] & 3, data[0] >> 2 & 3);
    if (!failure.isEmpty()) {
        std::fputs(qPrintable(failure), stderr);
        std::abort();
    }
    return 0;
}
