// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "peer.h"

#include <segyio/segy.h>

namespace zelbench {

void PeerToNative(unsigned char* words, int samples)
{
    segy_to_native(SEGY_IBM_FLOAT_4_BYTE, samples, words);
}

void PeerFromNative(unsigned char* words, int samples)
{
    segy_from_native(SEGY_IBM_FLOAT_4_BYTE, samples, words);
}

} // namespace zelbench
