// Uses the conversion library through its pkg-config file only.
#include "ibmsamples.h"

#include <cstdio>

int main()
{
    QStringList report;
    const int failures = CheckIbmSamples(report);
    for (const QString& line : report)
        std::printf("%s\n", qPrintable(line));
    std::printf("%d of %d IBM samples wrong\n", failures, int(report.size()));
    return failures == 0 ? 0 : 1;
}
