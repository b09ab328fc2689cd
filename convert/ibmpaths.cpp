#include "ibmpaths.h"

namespace zel {

bool IbmPathAvailable(IbmPath path)
{
    switch (path) {
    case IbmPath::Scalar:
        return true;
#ifdef ZEL_X86_PATHS
    // __builtin_cpu_init: this may run before the start-up code that calls it.
    case IbmPath::Sse2:
        __builtin_cpu_init();
        return __builtin_cpu_supports("sse2");
    case IbmPath::Avx2:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2");
#endif
    default:
        return false;
    }
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
    static const IbmPath fastest = AvailableIbmPaths().back();
    return fastest;
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
    }
    return "unknown";
}

} // namespace zel
