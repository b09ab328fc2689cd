// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "segyread.h"

#include "fileread.h"

#include <algorithm>

namespace zel {

namespace {

// One read covers neighbouring headers while it stays below this size and
// skips no more than this many bytes between two of them; farther headers
// are read one by one.
constexpr qint64 MostBytesPerRead = qint64{4} << 20;
constexpr qint64 MostBytesSkipped = qint64{64} << 10;

} // namespace

bool ReadFileHeaders(QIODevice& file, const SegyLayout& layout, FileHeaders& headers,
                     SegyFinding& problem)
{
    headers = {};
    if (layout.Kind != FileKind::Segy)
        return true;
    headers.Binary.resize(static_cast<int>(BinaryHeaderBytes));
    if (!ReadAt(file, TextHeaderBytes, headers.Binary.data(), BinaryHeaderBytes, problem))
        return false;
    headers.Textual << layout.TextHeader;
    for (qint64 block = 0; block < layout.ExtendedHeaders; ++block) {
        QByteArray text(static_cast<int>(TextHeaderBytes), '\0');
        if (!ReadAt(file, FileHeaderBytes + block * TextHeaderBytes, text.data(), TextHeaderBytes,
                    problem))
            return false;
        headers.Textual << text;
    }
    return true;
}

bool ForEachTraceHeader(QIODevice& file, const SegyLayout& layout, const TraceRange& range,
                        const TraceHeaderVisitor& visit, SegyFinding& problem)
{
    const qint64 end = range.End < 0 ? layout.Traces : std::min(range.End, layout.Traces);
    const qint64 step = std::max<qint64>(range.Step, 1);
    std::vector<char> bytes;
    qint64 index = std::max<qint64>(range.First, 0);
    while (index < end) {
        // The traces of this read: from `index` while the next one is near.
        const TracePlace first = layout.Trace(index);
        qint64 last = index;
        qint64 readEnd = first.Offset + first.HeaderBytes;
        while (last + step < end) {
            const TracePlace next = layout.Trace(last + step);
            const qint64 nextEnd = next.Offset + next.HeaderBytes;
            if (next.Offset - readEnd > MostBytesSkipped ||
                nextEnd - first.Offset > MostBytesPerRead)
                break;
            last += step;
            readEnd = nextEnd;
        }
        bytes.resize(static_cast<size_t>(readEnd - first.Offset));
        if (!ReadAt(file, first.Offset, bytes.data(), readEnd - first.Offset, problem))
            return false;
        for (; index <= last; index += step) {
            if (!visit(index, bytes.data() + (layout.Trace(index).Offset - first.Offset)))
                return false;
        }
    }
    return true;
}

bool ReadTraceSamples(QIODevice& file, const SegyLayout& layout, qint64 index,
                      std::vector<float>& values, SegyFinding& problem)
{
    const TracePlace place = layout.Trace(index);
    const qint64 bytes = place.Samples * layout.Format->Bytes;
    std::vector<char> words(static_cast<size_t>(bytes));
    if (!ReadAt(file, place.Offset + place.HeaderBytes, words.data(), bytes, problem))
        return false;
    values.resize(static_cast<size_t>(place.Samples));
    DecodeSamples(words.data(), place.Samples, *layout.Format, layout.Order, values.data());
    return true;
}

} // namespace zel
