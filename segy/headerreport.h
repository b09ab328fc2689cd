// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef HEADERREPORT_H
#define HEADERREPORT_H

#include <zelsegy.h>

#include <QString>

#include <cstdio>
#include <optional>
#include <vector>

class QIODevice;

// A trace header field asked for, and the text that named it.
struct ChosenField
{
    zel::HeaderField Field;
    QString Label;
};

enum class HeaderStyle { Aligned, Csv, Json };

// What `headers` shows. Without fields: the textual and binary headers,
// and every field of the trace headers of `Traces` when given. With
// fields: a table of them, one row per trace of `Traces` (all by default).
struct HeaderRequest
{
    std::vector<ChosenField> Fields;
    std::optional<zel::TraceRange> Traces;
    HeaderStyle Style = HeaderStyle::Aligned;
    bool NonZero = false; // listings leave out fields that are zero
    bool Scale = false;   // coordinates and elevations with their scalars applied
};

// Reads "A", "A:B" or "A:B:S" (each part may be left out, as in a slice;
// "A" alone is that one trace); none when the text is not such a range.
std::optional<zel::TraceRange> ParseTraceRange(const QString& text);

// Writes what `request` asks of `file` to `out`; false with `problem` set
// when a read or the write fails.
bool WriteHeaders(QIODevice& file, const QString& path, const zel::SegyLayout& layout,
                  const HeaderRequest& request, std::FILE* out, QString& problem);

#endif
