// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELBENCH_AGREEMENT_H
#define ZELBENCH_AGREEMENT_H

#include "samples.h"

#include <string>

namespace zelbench {

// Converts every sample of `data` in both directions through each
// contender the benchmark times (the dispatched functions, each available
// path, in both byte orders, in place and out of place) and compares the
// results bit for bit with the plain loops. Returns a description of the first difference, or an
// empty string when every result agrees.
std::string FirstDisagreement(SampleBuffers& data);

#ifdef ZEL_BENCH_WITH_PEER
// Converts the big-endian words of `data` with the peer and compares the
// floats with the plain loop's. Returns a description of a difference larger
// than one unit in the last place on a sample of the normal float range (a
// sign that the peer is called wrongly), or an empty string. `summary`
// receives how many samples differ and by how much.
std::string PeerDisagreement(SampleBuffers& data, std::string& summary);
#endif

} // namespace zelbench

#endif // ZELBENCH_AGREEMENT_H
