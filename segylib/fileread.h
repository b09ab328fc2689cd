// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef FILEREAD_H
#define FILEREAD_H

#include "segylayout.h"

class QIODevice;

namespace zel {

// Reads `bytes` bytes at `at` into `into`; false with `problem` set (the
// file ended early, or the device's reason) when they are not all there.
bool ReadAt(QIODevice& file, qint64 at, char* into, qint64 bytes, SegyFinding& problem);

} // namespace zel

#endif
