// Runs a fuzz target without libFuzzer: every file named on the command
// line, and every file inside every directory named there, is passed once
// to LLVMFuzzerTestOneInput, in name order. Fails when no input was found,
// so that a missing corpus cannot pass unnoticed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fs = std::filesystem;

static std::vector<fs::path> inputFiles(const fs::path& argument)
{
    std::vector<fs::path> files;
    if (fs::is_directory(argument)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
    } else if (fs::is_regular_file(argument)) {
        files.push_back(argument);
    }
    return files;
}

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);

    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& file : inputFiles(argv[i])) {
            std::ifstream stream(file, std::ios::binary);
            const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(stream),
                                                  std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(input.data(), input.size());
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "%s: no input found (usage: %s corpus-dir-or-file...)\n", argv[0],
                     argv[0]);
        return 1;
    }
    std::printf("%s: replayed %zu inputs\n", argv[0], replayed);
    return 0;
}
