// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Without libFuzzer: runs a fuzz target on the inputs in the files named on
// the command line, and fails when there is none.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

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
