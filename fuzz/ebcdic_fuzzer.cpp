// EBCDIC text: the ASCII side never receives a control byte, every byte
// comes back from the round trip as its printable self (the tilde as the
// hyphen-minus, anything else as "."), and no byte outside `count` is
// touched. Input: one control byte (low three bits: start offset of the
// field; bit 3: also call with a negative count), then the field.

#include "fuzzcheck.h"
#include "zelfunctions.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int GuardSize = 16;
constexpr unsigned char GuardByte = 0xA5;

bool isPrintable(unsigned char byte)
{
    return byte >= 0x20 && byte <= 0x7E;
}

// What ASCII -> EBCDIC -> ASCII makes of one byte.
unsigned char roundTripped(unsigned char byte)
{
    if (!isPrintable(byte))
        return '.';
    return byte == '~' ? '-' : byte;
}

// The field at `offset` inside a buffer with guard bytes on both sides.
struct GuardedField
{
    GuardedField(const std::uint8_t* data, std::size_t size, int offset)
        : bytes(GuardSize + offset + size + GuardSize, GuardByte)
        , offset(offset)
        , size(static_cast<int>(size))
    {
        if (size > 0)
            std::memcpy(field(), data, size);
    }

    char* field() { return reinterpret_cast<char*>(bytes.data()) + GuardSize + offset; }
    unsigned char at(int i) const { return bytes[GuardSize + offset + i]; }

    bool guardsIntact() const
    {
        for (int i = 0; i < GuardSize + offset; ++i) {
            if (bytes[i] != GuardByte)
                return false;
        }
        for (std::size_t i = GuardSize + offset + size; i < bytes.size(); ++i) {
            if (bytes[i] != GuardByte)
                return false;
        }
        return true;
    }

    std::vector<unsigned char> bytes;
    int offset;
    int size;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int offset = data[0] & 7;
    const bool tryNegativeCount = data[0] & 8;
    ++data;
    --size;

    // EBCDIC -> ASCII gives printable characters only, never the tilde (it
    // has no EBCDIC code of its own), and converting the result to EBCDIC
    // and back changes nothing.
    GuardedField text(data, size, offset);
    EbcdicToAscii(text.field(), text.size);
    FUZZ_CHECK(text.guardsIntact());
    for (int i = 0; i < text.size; ++i) {
        FUZZ_CHECK(isPrintable(text.at(i)));
        FUZZ_CHECK(text.at(i) != '~');
    }
    const std::vector<unsigned char> ascii(text.bytes);
    AsciiToEbcdic(text.field(), text.size);
    EbcdicToAscii(text.field(), text.size);
    FUZZ_CHECK(text.bytes == ascii);

    // ASCII -> EBCDIC -> ASCII of arbitrary bytes.
    GuardedField field(data, size, offset);
    AsciiToEbcdic(field.field(), field.size);
    FUZZ_CHECK(field.guardsIntact());
    EbcdicToAscii(field.field(), field.size);
    FUZZ_CHECK(field.guardsIntact());
    for (int i = 0; i < field.size; ++i)
        FUZZ_CHECK(field.at(i) == roundTripped(data[i]));

    // A count of zero or less touches nothing.
    if (tryNegativeCount) {
        GuardedField untouched(data, size, offset);
        const std::vector<unsigned char> before(untouched.bytes);
        const int count = -static_cast<int>(size);
        AsciiToEbcdic(untouched.field(), count);
        EbcdicToAscii(untouched.field(), count);
        AsciiToEbcdic(untouched.field(), 0);
        EbcdicToAscii(untouched.field(), 0);
        FUZZ_CHECK(untouched.bytes == before);
    }
    return 0;
}
