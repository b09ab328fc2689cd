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
    FloatToIbmOrdered
};
inline const char* const ibmOperationNames[] = {"IbmToFloat", "FloatToIbm", "ByteSwapArray",
                                                "IbmToFloatOrdered", "FloatToIbmOrdered"};

inline QString Name(IbmPath path)
{
    return zel::IbmPathName(path) + QLatin1String(path == zel::IbmPathInUse() ? " (public)" : "");
}

// `operation` over `count` words from `in` to `out`; ByteSwapArray works
// on the `wordSize`-byte words at `out`, the ordered forms in `byteOrder`.
inline void Run(IbmPath path, IbmOperation operation, int wordSize, char* in, char* out, int count,
                int byteOrder = 0)
{
    const bool viaPublic = path == zel::IbmPathInUse();
    auto* const floatsIn = reinterpret_cast<float*>(in);
    auto* const floatsOut = reinterpret_cast<float*>(out);
    auto* const words = reinterpret_cast<unsigned char*>(out);
    if (operation == IbmOperation::IbmToFloat)
        viaPublic ? IbmToFloat(in, floatsOut, count)
                  : zel::IbmToFloatOn(path, in, floatsOut, count);
    else if (operation == IbmOperation::FloatToIbm)
        viaPublic ? FloatToIbm(floatsIn, out, count)
                  : zel::FloatToIbmOn(path, floatsIn, out, count);
    else if (operation == IbmOperation::IbmToFloatOrdered)
        viaPublic ? IbmToFloatOrdered(in, floatsOut, count, byteOrder)
                  : zel::IbmToFloatOrderedOn(path, in, floatsOut, count, byteOrder);
    else if (operation == IbmOperation::FloatToIbmOrdered)
        viaPublic ? FloatToIbmOrdered(floatsIn, out, count, byteOrder)
                  : zel::FloatToIbmOrderedOn(path, floatsIn, out, count, byteOrder);
    else
        viaPublic ? ByteSwapArray(words, wordSize, count)
                  : zel::ByteSwapArrayOn(path, words, wordSize, count);
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
    const std::tuple<IbmOperation, int, int> operations[] = {
        // operation, word size, byte order
        {IbmOperation::IbmToFloat, 4, 0},         {IbmOperation::FloatToIbm, 4, 0},
        {IbmOperation::ByteSwapArray, 2, 0},      {IbmOperation::ByteSwapArray, 4, 0},
        {IbmOperation::ByteSwapArray, 8, 0},      {IbmOperation::ByteSwapArray, 3, 0},
        {IbmOperation::IbmToFloatOrdered, 4, 0},  {IbmOperation::FloatToIbmOrdered, 4, 0},
        {IbmOperation::IbmToFloatOrdered, 4, -1}, {IbmOperation::FloatToIbmOrdered, 4, 1}};
    for (IbmPath path : zel::AvailableIbmPaths()) {
        for (auto [operation, wordSize, byteOrder] : operations) {
            const IbmOperation reference = byteOrder == 0 ? operation
                                           : operation == IbmOperation::IbmToFloatOrdered
                                               ? IbmOperation::IbmToFloat
                                               : IbmOperation::FloatToIbm;
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
