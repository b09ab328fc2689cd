// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELBENCH_SCALARLOOP_H
#define ZELBENCH_SCALARLOOP_H

// The IBM <-> IEEE conversions written the plain way: one sample at a time,
// with the shift loops whose trip count depends on each value. They give the
// library's results bit for bit (values above the float range saturate to the
// largest finite float) and are the baseline the benchmark compares against.

namespace zelbench {

// Converts `samples` IBM words (least significant byte first) into floats.
void LoopIbmToFloat(const char* inData, float* outData, int samples);

// Converts `samples` floats into IBM words (least significant byte first).
void LoopFloatToIbm(const float* inData, char* outData, int samples);

} // namespace zelbench

#endif // ZELBENCH_SCALARLOOP_H
