// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "ibmpaths.h"

#include <cstdlib>
#include <cstring>
#include <iterator>

namespace zel {

namespace {

constexpr int pathCount = int(std::size(allIbmPaths));

// Whether this processor runs each path, by the path's value; worked out on
// first use.
struct Availability
{
    bool byPath[pathCount] = {true}; // the scalar path, value 0

    Availability()
    {
#ifdef ZEL_X86_PATHS
        // This may run before the start-up code that initialises the
        // processor checks otherwise.
        __builtin_cpu_init();
        byPath[int(IbmPath::Sse2)] = __builtin_cpu_supports("sse2");
        byPath[int(IbmPath::Avx2)] = __builtin_cpu_supports("avx2");
        byPath[int(IbmPath::Avx512)] =
            __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
#endif
    }
};

} // namespace

bool IbmPathAvailable(IbmPath path)
{
    static const Availability availability;
    const int index = int(path);
    return index >= 0 && index < pathCount && availability.byPath[index];
}

std::vector<IbmPath> AvailableIbmPaths()
{
    std::vector<IbmPath> paths;
    for (IbmPath path : allIbmPaths) {
        if (IbmPathAvailable(path))
            paths.push_back(path);
    }
    return paths;
}

IbmPath IbmPathInUse()
{
    static const IbmPath inUse = [] {
        const std::vector<IbmPath> available = AvailableIbmPaths();
        const char* forced = std::getenv("ZEL_SIMD");
        for (IbmPath path : allIbmPaths) {
            if (forced == nullptr || std::strcmp(forced, IbmPathName(path)) != 0)
                continue;
            IbmPath chosen = IbmPath::Scalar;
            for (IbmPath candidate : available) {
                if (int(candidate) <= int(path))
                    chosen = candidate;
            }
            return chosen;
        }
        return available.back();
    }();
    return inUse;
}

const char* IbmPathName(IbmPath path)
{
    switch (path) {
    case IbmPath::Scalar:
        return "scalar";
    case IbmPath::Sse2:
        return "sse2";
    case IbmPath::Avx2:
        return "avx2";
    case IbmPath::Avx512:
        return "avx512";
    }
    return "unknown";
}

} // namespace zel
