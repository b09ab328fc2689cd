// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELSEGY_H
#define ZELSEGY_H

/**
 * @file
 * The SEG-Y library: opens SEG-Y and SU files, works out where their
 * headers, traces and trailer lie, reads header fields by name or position,
 * works out the survey's grid, and decodes their samples to floats.
 * Problems are reported as data (what, where, and the override that reads
 * the file anyway). It needs QtCore and the conversion library alone.
 */

#include "geometry.h"
#include "headerfields.h"
#include "segyformat.h"
#include "segylayout.h"
#include "segyread.h"
#include "textheader.h"
#include "zelsegy_export.h"

namespace zel {

/// Installs the catalogue of the library's texts for the user's language,
/// once a QCoreApplication exists. False when there is none for it.
ZELSEGY_EXPORT bool InstallSegyTranslation();

} // namespace zel

#endif
