// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_FIELDKEY_H
#define ZELVIEW_FIELDKEY_H

#include "headerfields.h"

#include <QString>

/// How the viewer names a trace header field, in its settings, table and
/// status bar: its usual keyword, or its name where it has none.
inline QString FieldKey(const zel::HeaderField& field)
{
    return QLatin1String(*field.Keyword != '\0' ? field.Keyword : field.Name);
}

#endif
