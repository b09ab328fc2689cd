// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef FILECHECK_H
#define FILECHECK_H

#include <zelsegy.h>

#include <QList>

class Progress;
class QFile;

// What `check` finds in a file that lays out: a revision field that is
// none of the standard's, a byte order inferred where the file should state
// it, a trace count of the binary header that the file does not hold, trace
// headers whose sample counts disagree with the layout, and IBM samples
// that read like IEEE floats. False with `problem` set when a read fails.
bool CheckLaidOutFile(QFile& file, const zel::SegyLayout& layout,
                      const zel::LayoutOverrides& overrides, Progress& progress,
                      QList<zel::SegyFinding>& findings, QString& problem);

#endif
