// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef WORDLANES_H
#define WORDLANES_H

#include <QtGlobal>

// Four 32-bit lanes, the width every x86-64 processor has: the compiler
// writes the instructions of the build's target for the operators on them
// (a comparison gives -1 in the lanes where it holds, 0 elsewhere).
using Words = quint32 __attribute__((vector_size(16)));
using Lanes = qint32 __attribute__((vector_size(16)));

// Each lane's bytes in the other order.
inline Words SwapLanes(Words words)
{
    return words >> 24 | (words >> 8 & 0xFF00) | (words << 8 & 0xFF0000) | words << 24;
}

// The sum of the lanes.
inline qint64 LaneSum(Lanes lanes)
{
    return qint64{lanes[0]} + lanes[1] + lanes[2] + lanes[3];
}

#endif
