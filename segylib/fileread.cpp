// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "fileread.h"

#include "segytexts.h"

#include <QIODevice>

namespace zel {

bool ReadAt(QIODevice& file, qint64 at, char* into, qint64 bytes, SegyFinding& problem)
{
    const qint64 got = file.seek(at) ? file.read(into, bytes) : -1;
    if (got == bytes)
        return true;
    problem = {got >= 0 ? ZelSegy::tr("file ended early") : file.errorString(), at, QString()};
    return false;
}

} // namespace zel
