#ifndef ZEL_IBMCHECK_H
#define ZEL_IBMCHECK_H

// IbmToFloat, FloatToIbm and ByteSwapArray on each path, and a check of their
// buffer handling, for the tests and the fuzzer. The path the public
// functions dispatch to is run through them, so that they are checked too.

#include "ibmpaths.h"
#include "zelfunctions.h"

#include <QString>

#include <algorithm>
#include <numeric>
#include <vector>

using zel::IbmPath;

enum class IbmOperation { IbmToFloat, FloatToIbm, ByteSwapArray };
inline const char* const ibmOperationNames[] = {"IbmToFloat", "FloatToIbm", "ByteSwapArray"};

inline QString Name(IbmPath path)
{
    return zel::IbmPathName(path) + QLatin1String(path == zel::IbmPathInUse() ? " (public)" : "");
}

// `operation` over `count` words from `in` to `out`; ByteSwapArray works
// on the `wordSize`-byte words at `out`.
inline void Run(IbmPath path, IbmOperation operation, int wordSize, char* in, char* out, int count)
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
    else
        viaPublic ? ByteSwapArray(words, wordSize, count)
                  : zel::ByteSwapArrayOn(path, words, wordSize, count);
}

// The first path and operation (ByteSwapArray with each word size and one it
// must ignore) whose result over `count` words copied from `words` is not
// what the scalar path (ByteSwap for ByteSwapArray) gives one word at a time,
// or that writes anything else; an empty string when there is none. The
// words start `inOffset` bytes into a block that ends with them, so that
// AddressSanitizer reports reads past them; the results go in place, and
// `outOffset` bytes into a block of their own but for ByteSwapArray, with
// spare bytes after them.
inline QString FirstFailure(const char* words, int count, int inOffset, int outOffset)
{
    const std::pair<IbmOperation, int> operations[] = {
        {IbmOperation::IbmToFloat, 4},    {IbmOperation::FloatToIbm, 4},
        {IbmOperation::ByteSwapArray, 2}, {IbmOperation::ByteSwapArray, 4},
        {IbmOperation::ByteSwapArray, 8}, {IbmOperation::ByteSwapArray, 3}};
    for (IbmPath path : zel::AvailableIbmPaths()) {
        for (auto [operation, wordSize] : operations) {
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
                        Run(IbmPath::Scalar, operation, 4, in.data() + inOffset + word, to, 1);
                }
                Run(path, operation, wordSize, in.data() + inOffset, target.data() + at, count);
                if (target != expected || (!inPlace && in != inBefore))
                    return QString::asprintf("%s: %s, %d-byte words, %d words, offsets "
                                             "%d to %d%s\n",
                                             qPrintable(Name(path)),
                                             ibmOperationNames[int(operation)], wordSize, count,
                                             inOffset, outOffset, inPlace ? " (in place)" : "");
            }
        }
    }
    return {};
}

#endif // ZEL_IBMCHECK_H
