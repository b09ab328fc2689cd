// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "samples.h"

#include "scalarloop.h"
#include "zelfunctions.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <random>

namespace zelbench {

namespace {

constexpr std::size_t kAlignment = 64;
constexpr unsigned kSeed = 20261206;
// One sample in this many is a special case rather than a normal one.
constexpr unsigned kSpecialEvery = 16;

std::uint32_t RandomBits(std::mt19937& random, std::uint32_t low, std::uint32_t high)
{
    return std::uniform_int_distribution<std::uint32_t>(low, high)(random);
}

float FloatFromBits(std::uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float SpecialFloat(std::mt19937& random)
{
    const std::uint32_t sign = RandomBits(random, 0, 1) << 31;
    switch (RandomBits(random, 0, 5)) {
    case 0: // signed zero
        return FloatFromBits(sign);
    case 1: // subnormal
        return FloatFromBits(sign | RandomBits(random, 1, 0x007FFFFFu));
    case 2: // smallest normal binades
        return FloatFromBits(sign | RandomBits(random, 1, 8) << 23 |
                             RandomBits(random, 0, 0x007FFFFFu));
    case 3: // close to the largest float
        return FloatFromBits(sign | RandomBits(random, 250, 254) << 23 |
                             RandomBits(random, 0, 0x007FFFFFu));
    case 4: // infinity
        return FloatFromBits(sign | 0x7F800000u);
    default: // NaN with a payload
        return FloatFromBits(sign | 0x7F800000u | RandomBits(random, 1, 0x007FFFFFu));
    }
}

std::uint32_t SpecialIbmWord(std::mt19937& random)
{
    const std::uint32_t sign = RandomBits(random, 0, 1) << 31;
    switch (RandomBits(random, 0, 4)) {
    case 0: // zero fraction with any exponent
        return sign | RandomBits(random, 0, 0x7F) << 24;
    case 1: // below the normal float range: subnormal or zero
        return sign | RandomBits(random, 0, 0x21) << 24 | RandomBits(random, 1, 0x00FFFFFFu);
    case 2: // above the float range
        return sign | RandomBits(random, 0x61, 0x7F) << 24 | RandomBits(random, 1, 0x00FFFFFFu);
    case 3: // largest float range, the last words that still fit
        return sign | 0x60u << 24 | RandomBits(random, 1, 0x00FFFFFFu);
    default: // unnormalised: leading hexadecimal digit zero
        return sign | RandomBits(random, 0x38, 0x48) << 24 | RandomBits(random, 1, 0x000FFFFFu);
    }
}

void StoreWordLittleEndian(std::uint32_t word, unsigned char* bytes)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(word >> (8 * i));
}

void FillFloats(Buffer& floats, std::mt19937& random)
{
    // Amplitudes spread over many binades, so the exponents (and with them
    // the alignment shifts of the IBM form) vary from sample to sample.
    std::normal_distribution<float> amplitude(0.0f, 1000.0f);
    const std::size_t count = floats.size() / sizeof(float);
    for (std::size_t n = 0; n < count; ++n) {
        const bool special = RandomBits(random, 0, kSpecialEvery - 1) == 0;
        floats.floats()[n] = special ? SpecialFloat(random) : amplitude(random);
    }
}

void FillIbmWords(Buffer& words, Buffer& floats, std::mt19937& random)
{
    const std::size_t count = words.size() / 4;
    LoopFloatToIbm(floats.floats(), words.chars(), int(count));
    for (std::size_t n = 0; n < count; ++n) {
        if (RandomBits(random, 0, kSpecialEvery - 1) == 0)
            StoreWordLittleEndian(SpecialIbmWord(random), words.bytes() + 4 * n);
    }
}

void FillText(Buffer& text, std::mt19937& random)
{
    // 80-character lines of words, numbers and punctuation, with a rare
    // control or 8-bit byte as found in carelessly written headers.
    static const char kWordCharacters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,:;-=/()'";
    const std::size_t wordCharacterCount = sizeof kWordCharacters - 1;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::uint32_t pick = RandomBits(random, 0, 255);
        char c;
        if (at % 80 == 0)
            c = 'C';
        else if (pick == 0)
            c = static_cast<char>(RandomBits(random, 0, 1) ? RandomBits(random, 0x00, 0x1F)
                                                           : RandomBits(random, 0x7F, 0xFF));
        else if (pick < 48)
            c = ' ';
        else
            c = kWordCharacters[pick % wordCharacterCount];
        text.chars()[at] = c;
    }
}

} // namespace

void ReverseWordBytes(const unsigned char* words, unsigned char* reversed, std::size_t size)
{
    for (std::size_t at = 0; at + 4 <= size; at += 4) {
        unsigned char word[4];
        std::memcpy(word, words + at, 4);
        for (int i = 0; i < 4; ++i)
            reversed[at + i] = word[3 - i];
    }
}

Buffer::Buffer(std::size_t size)
    : m_size(size)
    , m_bytes(static_cast<unsigned char*>(
          std::aligned_alloc(kAlignment, (size + kAlignment - 1) / kAlignment * kAlignment)))
{
    if (!m_bytes)
        throw std::bad_alloc();
}

SampleBuffers::SampleBuffers(std::size_t size)
    : floats(size)
    , ibmWords(size)
    , ibmBigEndian(size)
    , asciiText(size)
    , ebcdicText(size)
{
    std::mt19937 random(kSeed);
    FillFloats(floats, random);
    FillIbmWords(ibmWords, floats, random);
    ReverseWordBytes(ibmWords.bytes(), ibmBigEndian.bytes(), size);
    FillText(asciiText, random);
    std::memcpy(ebcdicText.bytes(), asciiText.bytes(), size);
    AsciiToEbcdic(ebcdicText.chars(), int(size));
}

} // namespace zelbench
