// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELBENCH_PEER_H
#define ZELBENCH_PEER_H

// The public peer the conversions are compared against: a seismic file
// library whose conversion takes IBM words as files hold them (most
// significant byte first) and turns them into native floats in place, and
// back. Built in only when the library was found (ZEL_BENCH_WITH_PEER).

namespace zelbench {

// Big-endian IBM words to native floats, in place.
void PeerToNative(unsigned char* words, int samples);

// Native floats to big-endian IBM words, in place.
void PeerFromNative(unsigned char* words, int samples);

} // namespace zelbench

#endif // ZELBENCH_PEER_H
