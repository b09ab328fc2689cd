// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef TOOLTEXTS_H
#define TOOLTEXTS_H

#include <QCoreApplication>

// The translation context of the tool's own texts: SegyTool::tr("...").
class SegyTool
{
    Q_DECLARE_TR_FUNCTIONS(SegyTool)
};

#endif
