// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef SEGYTEXTS_H
#define SEGYTEXTS_H

#include <QCoreApplication>

// The translation context of the library's texts: ZelSegy::tr("...").
class ZelSegy
{
    Q_DECLARE_TR_FUNCTIONS(ZelSegy)
};

#endif
