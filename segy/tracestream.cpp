// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "tracestream.h"

#include "interruption.h"
#include "progress.h"
#include "tooltexts.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace {

constexpr qint64 ChunkBytes = qint64{4} << 20;

// A stretch of one trace within a chunk: where it lies in the chunk, and
// which of the trace's bytes it holds.
struct Piece
{
    qint64 InChunk;
    qint64 InTrace;
    qint64 Bytes;
    zel::TracePlace Trace;
};

// The next chunk's pieces: whole traces while they fit, and a trace too long
// for the rest of the chunk cut between two sample words.
std::vector<Piece> NextChunk(const zel::SegyLayout& layout, qint64& trace, qint64& inTrace)
{
    std::vector<Piece> pieces;
    const qint64 wordBytes = layout.Format->Bytes;
    for (qint64 fill = 0; trace < layout.Traces && fill < ChunkBytes;) {
        const zel::TracePlace place = layout.Trace(trace);
        const qint64 traceBytes = place.HeaderBytes + place.Samples * wordBytes;
        qint64 end = std::min(traceBytes, inTrace + ChunkBytes - fill);
        if (end < traceBytes && end > place.HeaderBytes)
            end -= (end - place.HeaderBytes) % wordBytes;
        if (end <= inTrace)
            break;
        pieces.push_back({fill, inTrace, end - inTrace, place});
        fill += end - inTrace;
        inTrace = end;
        if (inTrace == traceBytes) {
            ++trace;
            inTrace = 0;
        }
    }
    return pieces;
}

} // namespace

bool StreamTraces(QFile& in, const zel::SegyLayout& layout, const SampleRun& samples,
                  const ChunkSink& sink, Progress& progress, QString& problem)
{
    std::vector<char> chunk(
        static_cast<size_t>(std::min(ChunkBytes, layout.DataEnd - layout.DataOffset)));
    if (!in.seek(layout.DataOffset)) {
        problem = in.errorString();
        return false;
    }
    qint64 trace = 0;
    qint64 inTrace = 0;
    while (trace < layout.Traces) {
        if (InterruptionRequested()) {
            problem = SegyTool::tr("interrupted");
            return false;
        }
        const std::vector<Piece> pieces = NextChunk(layout, trace, inTrace);
        const qint64 count = pieces.back().InChunk + pieces.back().Bytes;
        if (in.read(chunk.data(), count) != count) {
            problem = in.error() != QFileDevice::NoError ? in.errorString()
                                                         : SegyTool::tr("file ended early");
            return false;
        }
        for (const Piece& piece : pieces) {
            const qint64 from = std::max(piece.InTrace, piece.Trace.HeaderBytes);
            const qint64 to = piece.InTrace + piece.Bytes;
            if (to > from) {
                samples(chunk.data() + piece.InChunk + (from - piece.InTrace),
                        (to - from) / layout.Format->Bytes);
            }
        }
        if (!sink(chunk.data(), count, problem))
            return false;
        progress.Advance(count);
    }
    return true;
}
