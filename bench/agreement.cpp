// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "agreement.h"

#include "ibmpaths.h"
#include "scalarloop.h"
#include "zelfunctions.h"
#ifdef ZEL_BENCH_WITH_PEER
#include "peer.h"
#endif

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace zelbench {

namespace {

using Contender = std::pair<std::string, std::function<void(Buffer& out)>>;

std::uint32_t WordAt(const unsigned char* bytes, std::size_t n)
{
    const unsigned char* b = bytes + 4 * n;
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::string Hex(std::uint32_t word)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(word));
    return text;
}

// Runs each contender into `got` (first filled with a pattern, so that one
// that writes nothing cannot pass on its predecessor's results) and compares
// with `expected`.
std::string FirstDifference(const std::vector<Contender>& contenders, const Buffer& input,
                            const Buffer& expected, Buffer& got)
{
    for (const auto& [name, convert] : contenders) {
        std::memset(got.bytes(), 0xA5, got.size());
        convert(got);
        if (std::memcmp(expected.bytes(), got.bytes(), expected.size()) == 0)
            continue;
        std::size_t n = 0;
        while (WordAt(expected.bytes(), n) == WordAt(got.bytes(), n))
            ++n;
        return name + ": sample " + std::to_string(n) + " (input " + Hex(WordAt(input.bytes(), n)) +
               ") gives " + Hex(WordAt(got.bytes(), n)) + ", the plain loop gives " +
               Hex(WordAt(expected.bytes(), n));
    }
    return {};
}

} // namespace

std::string FirstDisagreement(SampleBuffers& data)
{
    const std::size_t size = data.floats.size();
    const int samples = int(size / 4);
    Buffer expected(size);
    Buffer got(size);

    std::vector<Contender> toFloat = {
        {"IbmToFloat",
         [&](Buffer& out) { IbmToFloat(data.ibmWords.chars(), out.floats(), samples); }},
        {"ByteSwapArray then IbmToFloat in place",
         [&](Buffer& out) {
             std::memcpy(out.bytes(), data.ibmBigEndian.bytes(), size);
             ByteSwapArray(out.bytes(), 4, samples);
             IbmToFloat(out.chars(), out.floats(), samples);
         }},
        {"IbmToFloatOrdered in place", [&](Buffer& out) {
             std::memcpy(out.bytes(), data.ibmBigEndian.bytes(), size);
             IbmToFloatOrdered(out.chars(), out.floats(), samples, 0);
         }}};
    std::vector<Contender> toIbm = {
        {"FloatToIbm",
         [&](Buffer& out) { FloatToIbm(data.floats.floats(), out.chars(), samples); }},
        {"FloatToIbm in place then ByteSwapArray",
         [&](Buffer& out) {
             std::memcpy(out.bytes(), data.floats.bytes(), size);
             FloatToIbm(out.floats(), out.chars(), samples);
             ByteSwapArray(out.bytes(), 4, samples);
             ReverseWordBytes(out.bytes(), out.bytes(), size);
         }},
        {"FloatToIbmOrdered in place, words reversed back", [&](Buffer& out) {
             std::memcpy(out.bytes(), data.floats.bytes(), size);
             FloatToIbmOrdered(out.floats(), out.chars(), samples, 0);
             ReverseWordBytes(out.bytes(), out.bytes(), size);
         }}};
    for (zel::IbmPath path : zel::AvailableIbmPaths()) {
        const std::string pathName = zel::IbmPathName(path);
        toFloat.emplace_back("IbmToFloat on the " + pathName + " path", [&, path](Buffer& out) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IbmToIeee, false, false,
                              data.ibmWords.chars(), out.chars(), samples);
        });
        toFloat.emplace_back("IbmToFloatOrdered on the " + pathName + " path",
                             [&, path](Buffer& out) {
                                 zel::ConvertIbmOn(path, zel::IbmConversion::IbmToIeee, true, false,
                                                   data.ibmBigEndian.chars(), out.chars(), samples);
                             });
        toIbm.emplace_back("FloatToIbm on the " + pathName + " path", [&, path](Buffer& out) {
            zel::ConvertIbmOn(path, zel::IbmConversion::IeeeToIbm, false, false,
                              data.floats.chars(), out.chars(), samples);
        });
        toIbm.emplace_back("FloatToIbmOrdered on the " + pathName + " path, words reversed back",
                           [&, path](Buffer& out) {
                               zel::ConvertIbmOn(path, zel::IbmConversion::IeeeToIbm, false, true,
                                                 data.floats.chars(), out.chars(), samples);
                               ReverseWordBytes(out.bytes(), out.bytes(), size);
                           });
    }

    LoopIbmToFloat(data.ibmWords.chars(), expected.floats(), samples);
    std::string fault = FirstDifference(toFloat, data.ibmWords, expected, got);
    if (!fault.empty())
        return fault;
    LoopFloatToIbm(data.floats.floats(), expected.chars(), samples);
    return FirstDifference(toIbm, data.floats, expected, got);
}

#ifdef ZEL_BENCH_WITH_PEER

namespace {

// Counts the samples on which `got` differs from `expected`, and reports the
// first one inside `comparable` whose words are more than one apart (or of
// different sign): IBM words and floats both order like sign-magnitude
// integers, so one apart is one unit in the last place.
std::string CompareWithPeer(const char* direction, const Buffer& input, const Buffer& expected,
                            const Buffer& got,
                            const std::function<bool(std::uint32_t input)>& comparable,
                            std::string& summary)
{
    const std::size_t samples = expected.size() / 4;
    std::size_t differing = 0;
    std::size_t differingComparable = 0;
    for (std::size_t n = 0; n < samples; ++n) {
        const std::uint32_t want = WordAt(expected.bytes(), n);
        const std::uint32_t have = WordAt(got.bytes(), n);
        if (want == have)
            continue;
        ++differing;
        if (!comparable(WordAt(input.bytes(), n)))
            continue;
        ++differingComparable;
        const std::uint32_t distance = want > have ? want - have : have - want;
        if ((want ^ have) >> 31 != 0 || distance > 1)
            return std::string(direction) + ": the peer turns sample " + std::to_string(n) +
                   " (input " + Hex(WordAt(input.bytes(), n)) + ") into " + Hex(have) +
                   ", the plain loop into " + Hex(want);
    }
    summary += std::string(direction) + ": " + std::to_string(differing) + " of " +
               std::to_string(samples) + " samples differ from the plain loop, " +
               std::to_string(differingComparable) + " of them in the normal range. ";
    return {};
}

} // namespace

std::string PeerDisagreement(SampleBuffers& data, std::string& summary)
{
    const std::size_t size = data.floats.size();
    const int samples = int(size / 4);
    Buffer expected(size);
    Buffer got(size);

    LoopIbmToFloat(data.ibmWords.chars(), expected.floats(), samples);
    std::memcpy(got.bytes(), data.ibmBigEndian.bytes(), size);
    PeerToNative(got.bytes(), samples);
    // Normalised words well inside the normal float range.
    const auto normalIbm = [](std::uint32_t word) {
        const std::uint32_t exponent = (word >> 24) & 0x7F;
        return (word & 0x00F00000u) != 0 && exponent >= 0x22 && exponent <= 0x5F;
    };
    std::string fault =
        CompareWithPeer("IBM to float", data.ibmWords, expected, got, normalIbm, summary);
    if (!fault.empty())
        return fault;

    LoopFloatToIbm(data.floats.floats(), expected.chars(), samples);
    std::memcpy(got.bytes(), data.floats.bytes(), size);
    PeerFromNative(got.bytes(), samples);
    ReverseWordBytes(got.bytes(), got.bytes(), size);
    const auto normalFloat = [](std::uint32_t bits) {
        const std::uint32_t exponent = (bits >> 23) & 0xFF;
        return exponent != 0 && exponent != 255;
    };
    return CompareWithPeer("float to IBM", data.floats, expected, got, normalFloat, summary);
}

#endif

} // namespace zelbench
