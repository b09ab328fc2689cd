// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_SEGYDOCUMENT_H
#define ZELVIEW_SEGYDOCUMENT_H

#include "segylayout.h"
#include "segyread.h"

#include <QString>

/// What the viewer holds of an open file once it is opened: its layout and
/// file headers. Traces are read as they are shown, so that a file of any
/// size opens at once and in bounded memory.
struct SegyDocument
{
    QString Path;             ///< the file's name
    zel::SegyLayout Layout;   ///< where everything lies
    zel::FileHeaders Headers; ///< textual and binary headers (none for SU)
};

/// Opens @p path and reads its layout and file headers, which takes the
/// same short time whatever the file's size. False with @p problem set when
/// the file cannot be opened or laid out.
bool OpenSegy(const QString& path, SegyDocument& document, zel::SegyFinding& problem);

#endif
