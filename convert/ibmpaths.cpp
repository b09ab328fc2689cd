#include "ibmpaths.h"

namespace zel {

bool IbmPathAvailable(IbmPath path)
{
    return path == IbmPath::Scalar;
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
    return IbmPath::Scalar;
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
