// Packed integers against simple references. Each buffer handed to the
// library is allocated with exactly the bytes a call may read, so that a
// sanitizer build reports any read beyond them.
//
// Input: byte 0 the byte offset (minus 64, so negative offsets occur too),
// byte 1 the odd flag (bit 0) and a misalignment of 0-7 (bits 1-3), bytes 2-3 the digit count
// (signed, far beyond the 50 digits of a fixed buffer), bytes 4-7 the byte order code of the 3-byte
// readers, bytes 8-11 the word size for ByteSwap and ByteSwapArray; the rest fills the buffers.

#include "fuzzcheck.h"
#include "ibmpaths.h"
#include "zelfunctions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t HeaderSize = 12;

std::int32_t readInt32(const std::uint8_t* bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | bytes[i];
    return static_cast<std::int32_t>(value);
}

// `size` bytes filled from `fill`, repeated, at the end of a heap block
// that starts `misalignment` bytes before them.
struct ExactBuffer
{
    ExactBuffer(std::size_t size, const std::vector<std::uint8_t>& fill, int misalignment = 0)
        : storage(new char[size + misalignment])
        , bytes(storage.get() + misalignment)
        , size(size)
    {
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] =
                fill.empty() ? static_cast<char>(i) : static_cast<char>(fill[i % fill.size()]);
    }

    unsigned char* words() const { return reinterpret_cast<unsigned char*>(bytes); }
    std::vector<char> copy() const { return std::vector<char>(bytes, bytes + size); }

    std::unique_ptr<char[]> storage;
    char* bytes;
    std::size_t size;
};

int referenceBcd(const unsigned char* firstByte, bool oddBit, int numberOfDigits)
{
    std::uint32_t value = 0;
    for (int digit = 0; digit < numberOfDigits; ++digit) {
        const int nibble = digit + (oddBit ? 1 : 0);
        const unsigned char byte = firstByte[nibble / 2];
        value = value * 10u + (nibble % 2 == 0 ? byte >> 4 : byte & 0x0F);
    }
    return static_cast<int>(value);
}

unsigned int referenceUnsigned3Byte(const unsigned char* bytes, int inputByteOrder)
{
    const unsigned char first = inputByteOrder == 0 ? bytes[0] : bytes[2];
    const unsigned char last = inputByteOrder == 0 ? bytes[2] : bytes[0];
    return static_cast<unsigned int>(first) << 16 | static_cast<unsigned int>(bytes[1]) << 8 | last;
}

int referenceSigned3Byte(const unsigned char* bytes, int inputByteOrder)
{
    const long value = static_cast<long>(referenceUnsigned3Byte(bytes, inputByteOrder));
    return static_cast<int>(value >= 0x800000 ? value - 0x1000000 : value);
}

void checkBcd(int byteOffset, bool oddBit, int numberOfDigits,
              const std::vector<std::uint8_t>& fill)
{
    const std::size_t needed =
        numberOfDigits > 0 ? static_cast<std::size_t>((numberOfDigits + (oddBit ? 1 : 0) + 1) / 2)
                           : 0;
    // The block spans from the lower of bcdValue and its first digit byte to
    // the end of the digits, or to bcdValue when that lies beyond them.
    const long begin = std::min(0, byteOffset);
    const long end = std::max(0L, byteOffset + static_cast<long>(needed));
    ExactBuffer block(static_cast<std::size_t>(end - begin), fill);
    char* bcdValue = block.bytes - begin;
    const std::vector<char> before = block.copy();

    const int value = BcdToInt(bcdValue, byteOffset, oddBit, numberOfDigits);

    const int expected =
        needed == 0 ? 0
                    : referenceBcd(reinterpret_cast<const unsigned char*>(bcdValue + byteOffset),
                                   oddBit, numberOfDigits);
    FUZZ_CHECK(value == expected);
    FUZZ_CHECK(block.copy() == before);
}

void checkThreeByte(int inputByteOrder, const std::vector<std::uint8_t>& fill)
{
    ExactBuffer word(3, fill);
    FUZZ_CHECK(GetUnsigned3Byte(word.bytes, inputByteOrder) ==
               referenceUnsigned3Byte(word.words(), inputByteOrder));
    FUZZ_CHECK(Get3Byte(word.bytes, inputByteOrder) ==
               referenceSigned3Byte(word.words(), inputByteOrder));
}

void checkByteSwap(int wordSize, const std::vector<std::uint8_t>& fill)
{
    const bool swaps = wordSize == 2 || wordSize == 4 || wordSize == 8;
    ExactBuffer word(static_cast<std::size_t>(std::clamp(wordSize, 1, 4096)), fill);
    std::vector<char> expected = word.copy();
    if (swaps)
        std::reverse(expected.begin(), expected.end());

    ByteSwap(word.words(), wordSize);
    FUZZ_CHECK(word.copy() == expected);
}

// ByteSwapArray on every available path, and the public function, over as
// many whole words as `fill` holds, at the misalignment given; counts of
// zero and less and other word sizes change nothing.
void checkByteSwapArray(int wordSize, const std::vector<std::uint8_t>& fill, int misalignment)
{
    const bool swaps = wordSize == 2 || wordSize == 4 || wordSize == 8;
    const int words =
        swaps ? static_cast<int>(fill.size()) / wordSize : static_cast<int>(fill.size());
    const std::size_t size = swaps ? static_cast<std::size_t>(words * wordSize) : fill.size();
    std::vector<char> expected = ExactBuffer(size, fill).copy();
    if (swaps) {
        for (std::size_t at = 0; at < size; at += wordSize)
            std::reverse(expected.begin() + at, expected.begin() + at + wordSize);
    }

    const auto check = [&](auto swapArray) {
        ExactBuffer array(size, fill, misalignment);
        swapArray(array.words(), wordSize, words);
        FUZZ_CHECK(array.copy() == expected);

        ExactBuffer untouched(size, fill, misalignment);
        const std::vector<char> before = untouched.copy();
        swapArray(untouched.words(), wordSize, 0);
        swapArray(untouched.words(), wordSize, -words);
        FUZZ_CHECK(untouched.copy() == before);
    };
    for (zel::IbmPath path : zel::AvailableIbmPaths()) {
        check([path](unsigned char* x, int size, int count) {
            zel::ByteSwapArrayOn(path, x, size, count);
        });
    }
    check(ByteSwapArray);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < HeaderSize)
        return 0;
    const int byteOffset = static_cast<int>(data[0]) - 64;
    const bool oddBit = data[1] & 1;
    const int numberOfDigits = static_cast<std::int16_t>(data[2] << 8 | data[3]);
    const int inputByteOrder = readInt32(data + 4);
    const int wordSize = readInt32(data + 8);
    const std::vector<std::uint8_t> fill(data + HeaderSize, data + size);

    checkBcd(byteOffset, oddBit, numberOfDigits, fill);
    checkThreeByte(inputByteOrder, fill);
    const int misalignment = data[1] >> 1 & 7;
    checkByteSwap(wordSize, fill);
    checkByteSwapArray(wordSize, fill, misalignment);
    // The sizes a caller means, whatever the input chose.
    for (int validSize : {2, 4, 8}) {
        checkByteSwap(validSize, fill);
        checkByteSwapArray(validSize, fill, misalignment);
    }
    return 0;
}
