#ifndef ZELBENCH_IBMPATHLIST_H
#define ZELBENCH_IBMPATHLIST_H

#include "ibmpaths.h"

#include <vector>

namespace zelbench {

// The IBM conversion paths this processor can run, scalar first.
inline std::vector<zel::IbmPath> AvailableIbmPaths()
{
    std::vector<zel::IbmPath> paths;
    for (zel::IbmPath path : {zel::IbmPath::Scalar, zel::IbmPath::Sse2, zel::IbmPath::Avx2}) {
        if (zel::IbmPathAvailable(path))
            paths.push_back(path);
    }
    return paths;
}

} // namespace zelbench

#endif // ZELBENCH_IBMPATHLIST_H
