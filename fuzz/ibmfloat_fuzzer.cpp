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
#include <fstream>
#include <iterator>

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

#ifdef ZEL_FUZZ_REPLAY
// Without libFuzzer: runs the inputs in the files named on the command line,
// and fails when there is none.
int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::ifstream stream(argv[i], std::ios::binary);
        const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(stream), {}};
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%s: replayed %d inputs\n", argv[0], argc - 1);
    return argc > 1 ? 0 : 1;
}
#endif
