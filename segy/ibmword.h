// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef IBMWORD_H
#define IBMWORD_H

#include <QtGlobal>

// The power of two of the leading one bit of an IBM word's value,
// 4 * (exponent - 64) - 24 + its place in the fraction; the fraction must
// not be zero. A float holds the value when this is below 128, and
// truncates it to zero when it is below -149.
inline int IbmLeadingPower(quint32 word)
{
    const quint32 fraction = word & 0xFFFFFF;
    int top = 23;
    while ((fraction >> top) == 0)
        --top;
    return 4 * (static_cast<int>(word >> 24 & 0x7F) - 64) - 24 + top;
}

#endif
