#ifndef IBMSAMPLES_H
#define IBMSAMPLES_H

#include <QStringList>

// Converts a few IBM single-precision words with known values to floats and
// back. Appends one line per sample to `report` and returns the number of
// samples that did not convert to the expected value in both directions.
int CheckIbmSamples(QStringList& report);

#endif // IBMSAMPLES_H
