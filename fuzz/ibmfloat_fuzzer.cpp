// IBM <-> float: every available conversion path against the scalar one,
// bit for bit, out of place and in place, at every misalignment of input
// and output. Buffers are allocated with exactly the bytes of their words,
// so a sanitizer build reports any access beyond them.
//
// Input: byte 0 holds the misalignments (bits 0-1 input, bits 2-3 output)
// and whether to also try counts of zero and less (bit 4); the rest is
// taken as four-byte words, both as IBM words and as float bit patterns.

#include "fuzzcheck.h"
#include "ibmpaths.h"
#include "zelfunctions.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using zel::IbmPath;

// `size` bytes on the heap, `misalignment` bytes after the aligned start
// of an exact block, so that the block ends where the bytes end.
class Block
{
public:
    Block(std::size_t size, int misalignment)
        : storage(new char[size + misalignment])
        , bytes(storage.get() + misalignment)
        , size(size)
    {}
    Block(const std::vector<char>& content, int misalignment)
        : Block(content.size(), misalignment)
    {
        if (size > 0)
            std::memcpy(bytes, content.data(), size);
    }

    char* data() const { return bytes; }
    float* floats() const { return reinterpret_cast<float*>(bytes); }
    std::vector<char> content() const { return std::vector<char>(bytes, bytes + size); }

private:
    std::unique_ptr<char[]> storage;
    char* bytes;
    std::size_t size;
};

std::vector<char> asBytes(const std::vector<float>& floats)
{
    std::vector<char> bytes(floats.size() * sizeof(float));
    if (!bytes.empty())
        std::memcpy(bytes.data(), floats.data(), bytes.size());
    return bytes;
}

bool isFinite(const std::vector<char>& floatBytes)
{
    for (std::size_t i = 0; i < floatBytes.size(); i += 4) {
        std::uint32_t bits;
        std::memcpy(&bits, floatBytes.data() + i, 4);
        if ((bits & 0x7F800000u) == 0x7F800000u)
            return false;
    }
    return true;
}

struct Layout
{
    int samples;
    int inputMisalignment;
    int outputMisalignment;
};

// Runs `convert` (input bytes, output bytes, samples) out of place and in
// place, and compares both results with `expected`.
template<typename Conversion>
void checkConversion(Conversion convert, const std::vector<char>& words,
                     const std::vector<char>& expected, const Layout& layout)
{
    const Block input(words, layout.inputMisalignment);
    const Block output(words.size(), layout.outputMisalignment);
    convert(input.data(), output.data(), layout.samples);
    FUZZ_CHECK(output.content() == expected);
    FUZZ_CHECK(input.content() == words);

    const Block inPlace(words, layout.inputMisalignment);
    convert(inPlace.data(), inPlace.data(), layout.samples);
    FUZZ_CHECK(inPlace.content() == expected);
}

// A count of zero or less touches neither buffer.
void checkNothingTouched(IbmPath path, const std::vector<char>& words, const Layout& layout)
{
    for (int samples : {0, -1, -layout.samples}) {
        const Block input(words, layout.inputMisalignment);
        const Block output(words, layout.outputMisalignment);
        zel::IbmToFloatOn(path, input.data(), output.floats(), samples);
        zel::FloatToIbmOn(path, input.floats(), output.data(), samples);
        FUZZ_CHECK(input.content() == words);
        FUZZ_CHECK(output.content() == words);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Layout layout{static_cast<int>((size - 1) / 4), data[0] & 3, (data[0] >> 2) & 3};
    const bool tryEmptyCounts = data[0] & 0x10;
    const std::vector<char> words(data + 1,
                                  data + 1 + 4 * static_cast<std::size_t>(layout.samples));

    // The scalar path is the reference; it is itself checked against the
    // defining arithmetic by the library's tests.
    std::vector<float> floats(layout.samples);
    zel::IbmToFloatOn(IbmPath::Scalar, words.data(), floats.data(), layout.samples);
    const std::vector<char> floatsFromIbm = asBytes(floats);
    FUZZ_CHECK(isFinite(floatsFromIbm));

    std::vector<float> wordsAsFloats(layout.samples);
    if (!words.empty())
        std::memcpy(wordsAsFloats.data(), words.data(), words.size());
    std::vector<char> ibmFromFloats(words.size());
    zel::FloatToIbmOn(IbmPath::Scalar, wordsAsFloats.data(), ibmFromFloats.data(), layout.samples);

    for (IbmPath path : zel::AvailableIbmPaths()) {
        checkConversion(
            [path](char* in, char* out, int samples) {
                zel::IbmToFloatOn(path, in, reinterpret_cast<float*>(out), samples);
            },
            words, floatsFromIbm, layout);
        checkConversion(
            [path](char* in, char* out, int samples) {
                zel::FloatToIbmOn(path, reinterpret_cast<float*>(in), out, samples);
            },
            words, ibmFromFloats, layout);
        if (tryEmptyCounts)
            checkNothingTouched(path, words, layout);
    }
    // The public functions convert as the paths do.
    checkConversion([](char* in, char* out,
                       int samples) { IbmToFloat(in, reinterpret_cast<float*>(out), samples); },
                    words, floatsFromIbm, layout);
    checkConversion([](char* in, char* out,
                       int samples) { FloatToIbm(reinterpret_cast<float*>(in), out, samples); },
                    words, ibmFromFloats, layout);
    return 0;
}
