// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZEL_IBMCHECK_H
#define ZEL_IBMCHECK_H

// IbmToFloat, FloatToIbm, their ordered forms and ByteSwapArray on each path,
// and a check of their buffer handling, for the tests and the fuzzer. The
// path the public functions dispatch to is run through them, so that they
// are checked too.

#include "ibmpaths.h"
#include "zelfunctions.h"

#include <QString>

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

using zel::IbmPath;

enum class IbmOperation {
    IbmToFloat,
    FloatToIbm,
    ByteSwapArray,
    IbmToFloatOrdered,
    FloatToIbmOrdered,
    FloatToIbmRounded,
    FloatToIbmRoundedOrdered,
    IbmToIeeeOrdered,
    IeeeToIbmOrdered,
    IeeeToIbmRoundedOrdered
};
inline const char* const ibmOperationNames[] = {"IbmToFloat",
                                                "FloatToIbm",
                                                "ByteSwapArray",
                                                "IbmToFloatOrdered",
                                                "FloatToIbmOrdered",
                                                "FloatToIbmRounded",
                                                "FloatToIbmRoundedOrdered",
                                                "IbmToIeeeOrdered",
                                                "IeeeToIbmOrdered",
                                                "IeeeToIbmRoundedOrdered"};

inline QString Name(IbmPath path)
{
    return zel::IbmPathName(path) + QLatin1String(path == zel::IbmPathInUse() ? " (public)" : "");
}

// The operation that a byte order other than 0 (least significant byte
// first, as the floats of an x86 host) makes of `operation`.
inline IbmOperation LittleEndianForm(IbmOperation operation)
{
    switch (operation) {
    case IbmOperation::IbmToFloatOrdered:
    case IbmOperation::IbmToIeeeOrdered:
        return IbmOperation::IbmToFloat;
    case IbmOperation::FloatToIbmOrdered:
    case IbmOperation::IeeeToIbmOrdered:
        return IbmOperation::FloatToIbm;
    case IbmOperation::FloatToIbmRoundedOrdered:
    case IbmOperation::IeeeToIbmRoundedOrdered:
        return IbmOperation::FloatToIbmRounded;
    default:
        return operation;
    }
}

// `operation` over `count` words from `in` to `out`; ByteSwapArray works
// on the `wordSize`-byte words at `out`, the ordered forms in `byteOrder`.
inline void Run(IbmPath path, IbmOperation operation, int wordSize, char* in, char* out, int count,
                int byteOrder = 0)
{
    auto* const floatsIn = reinterpret_cast<float*>(in);
    auto* const floatsOut = reinterpret_cast<float*>(out);
    auto* const words = reinterpret_cast<unsigned char*>(out);
    if (path != zel::IbmPathInUse()) {
        using zel::IbmConversion;
        const bool big = byteOrder == 0;
        const auto on = [&](IbmConversion conversion, bool inBig, bool outBig) {
            zel::ConvertIbmOn(path, conversion, inBig, outBig, in, out, count);
        };
        switch (operation) {
        case IbmOperation::IbmToFloat:
            return on(IbmConversion::IbmToIeee, false, false);
        case IbmOperation::FloatToIbm:
            return on(IbmConversion::IeeeToIbm, false, false);
        case IbmOperation::FloatToIbmRounded:
            return on(IbmConversion::IeeeToIbmRounded, false, false);
        case IbmOperation::IbmToFloatOrdered:
            return on(IbmConversion::IbmToIeee, big, false);
        case IbmOperation::FloatToIbmOrdered:
            return on(IbmConversion::IeeeToIbm, false, big);
        case IbmOperation::FloatToIbmRoundedOrdered:
            return on(IbmConversion::IeeeToIbmRounded, false, big);
        case IbmOperation::IbmToIeeeOrdered:
            return on(IbmConversion::IbmToIeee, big, big);
        case IbmOperation::IeeeToIbmOrdered:
            return on(IbmConversion::IeeeToIbm, big, big);
        case IbmOperation::IeeeToIbmRoundedOrdered:
            return on(IbmConversion::IeeeToIbmRounded, big, big);
        case IbmOperation::ByteSwapArray:
            return zel::ByteSwapArrayOn(path, words, wordSize, count);
        }
    }
    switch (operation) {
    case IbmOperation::IbmToFloat:
        return IbmToFloat(in, floatsOut, count);
    case IbmOperation::FloatToIbm:
        return FloatToIbm(floatsIn, out, count);
    case IbmOperation::FloatToIbmRounded:
        return FloatToIbmRounded(floatsIn, out, count);
    case IbmOperation::IbmToFloatOrdered:
        return IbmToFloatOrdered(in, floatsOut, count, byteOrder);
    case IbmOperation::FloatToIbmOrdered:
        return FloatToIbmOrdered(floatsIn, out, count, byteOrder);
    case IbmOperation::FloatToIbmRoundedOrdered:
        return FloatToIbmRoundedOrdered(floatsIn, out, count, byteOrder);
    case IbmOperation::IbmToIeeeOrdered:
        return IbmToIeeeOrdered(in, out, count, byteOrder);
    case IbmOperation::IeeeToIbmOrdered:
        return IeeeToIbmOrdered(in, out, count, byteOrder);
    case IbmOperation::IeeeToIbmRoundedOrdered:
        return IeeeToIbmRoundedOrdered(in, out, count, byteOrder);
    case IbmOperation::ByteSwapArray:
        return ByteSwapArray(words, wordSize, count);
    }
}

// The first path and operation (ByteSwapArray with each word size and one it
// must ignore, the ordered forms most significant byte first and in the
// other order) whose result over `count` words copied from `words` is not
// what the scalar path (ByteSwap for ByteSwapArray, the plain conversion for
// the other order) gives one word at a time, or that writes anything else;
// an empty string when there is none. The words start `inOffset` bytes into
// a block that ends with them, so that AddressSanitizer reports reads past
// them; the results go in place, and `outOffset` bytes into a block of their
// own but for ByteSwapArray, with spare bytes after them.
inline QString FirstFailure(const char* words, int count, int inOffset, int outOffset)
{
    // Operation, word size, byte order.
    std::vector<std::tuple<IbmOperation, int, int>> operations = {
        {IbmOperation::IbmToFloat, 4, 0},        {IbmOperation::FloatToIbm, 4, 0},
        {IbmOperation::FloatToIbmRounded, 4, 0}, {IbmOperation::ByteSwapArray, 2, 0},
        {IbmOperation::ByteSwapArray, 4, 0},     {IbmOperation::ByteSwapArray, 8, 0},
        {IbmOperation::ByteSwapArray, 3, 0}};
    for (IbmOperation ordered :
         {IbmOperation::IbmToFloatOrdered, IbmOperation::FloatToIbmOrdered,
          IbmOperation::FloatToIbmRoundedOrdered, IbmOperation::IbmToIeeeOrdered,
          IbmOperation::IeeeToIbmOrdered, IbmOperation::IeeeToIbmRoundedOrdered}) {
        operations.emplace_back(ordered, 4, 0);
        operations.emplace_back(ordered, 4, ordered == IbmOperation::IbmToFloatOrdered ? -1 : 1);
    }
    for (IbmPath path : zel::AvailableIbmPaths()) {
        for (auto [operation, wordSize, byteOrder] : operations) {
            const IbmOperation reference = byteOrder == 0 ? operation : LittleEndianForm(operation);
            for (bool inPlace : {true, false}) {
                if (!inPlace && operation == IbmOperation::ByteSwapArray)
                    continue;
                const std::size_t span = std::size_t(std::max(count, 0)) * std::size_t(wordSize);
                std::vector<char> in(inOffset + span + (inPlace ? 8 : 0));
                std::vector<char> out(inPlace ? 0 : outOffset + span + 8);
                std::iota(in.begin(), in.end(), char(1));
                std::iota(out.begin(), out.end(), char(1));
                std::copy(words, words + span, in.begin() + inOffset);
                const std::vector<char> inBefore = in;
                std::vector<char>& target = inPlace ? in : out;
                const int at = inPlace ? inOffset : outOffset;
                std::vector<char> expected = target;
                for (std::size_t word = 0; word < span; word += std::size_t(wordSize)) {
                    char* const to = expected.data() + at + word;
                    if (operation == IbmOperation::ByteSwapArray)
                        ByteSwap(reinterpret_cast<unsigned char*>(to), wordSize);
                    else
                        Run(IbmPath::Scalar, reference, 4, in.data() + inOffset + word, to, 1);
                }
                Run(path, operation, wordSize, in.data() + inOffset, target.data() + at, count,
                    byteOrder);
                if (target != expected || (!inPlace && in != inBefore))
                    return QString::asprintf(
                        "%s: %s, %d-byte words in order %d, %d words, "
                        "offsets %d to %d%s\n",
                        qPrintable(Name(path)), ibmOperationNames[int(operation)], wordSize,
                        byteOrder, count, inOffset, outOffset, inPlace ? " (in place)" : "");
            }
        }
    }
    return {};
}

#endif // ZEL_IBMCHECK_H
