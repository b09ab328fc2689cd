// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_SEGYDOCUMENT_H
#define ZELVIEW_SEGYDOCUMENT_H

#include "sectionimage.h"

#include "segylayout.h"
#include "segyread.h"

#include <QByteArray>
#include <QString>

/// What the viewer holds of an open file: its layout and file headers, and
/// the samples and standard trace headers of its first traces, as many as a
/// budget of samples allows, so that a file of any size opens in bounded
/// memory.
struct SegyDocument
{
    QString Path;             ///< the file's name
    zel::SegyLayout Layout;   ///< where everything lies
    zel::FileHeaders Headers; ///< textual and binary headers (none for SU)
    Section Samples;          ///< the traces read; shorter ones padded with NaN
    QByteArray TraceHeaders;  ///< their 240-byte standard headers, one after the other
};

/// Opens @p path and reads its first traces, at most @p sampleBudget samples
/// of them (one trace at least). False with @p problem set when the file
/// cannot be laid out or read.
bool LoadSegy(const QString& path, qint64 sampleBudget, SegyDocument& document,
              zel::SegyFinding& problem);

#endif
