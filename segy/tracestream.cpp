// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "tracestream.h"

#include "interruption.h"
#include "progress.h"
#include "tooltexts.h"

#include <QFile>

#include <algorithm>
#include <future>
#include <vector>

namespace {

// Small enough that a chunk just read is still in the processor's caches
// while it is converted and written out (4 MiB took 8 % longer to convert
// and to scan than this).
constexpr qint64 ChunkBytes = qint64{512} << 10;

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
// for the rest of the chunk cut between two sample words after its headers.
std::vector<Piece> NextChunk(const zel::SegyLayout& layout, qint64 endTrace, qint64& trace,
                             qint64& inTrace)
{
    std::vector<Piece> pieces;
    const qint64 wordBytes = layout.Format->Bytes;
    for (qint64 fill = 0; trace < endTrace && fill < ChunkBytes;) {
        const zel::TracePlace place = layout.Trace(trace);
        const qint64 traceBytes = place.HeaderBytes + place.Samples * wordBytes;
        qint64 end = std::min(traceBytes, inTrace + ChunkBytes - fill);
        // Headers go whole into one chunk: the next one when they do not
        // fit this one, which grows to hold them when they are longer.
        if (end < place.HeaderBytes) {
            if (fill > 0)
                break;
            end = place.HeaderBytes;
        }
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

// The next chunk of the traces, from `trace` and `inTrace` on, which it
// advances; no pieces once the traces are done.
struct Chunk
{
    std::vector<char> Bytes;
    std::vector<Piece> Pieces;
    qint64 Count = 0;
};

bool ReadChunk(QFile& in, const zel::SegyLayout& layout, qint64 endTrace, qint64& trace,
               qint64& inTrace, Chunk& chunk, QString& problem)
{
    chunk.Pieces =
        trace < endTrace ? NextChunk(layout, endTrace, trace, inTrace) : std::vector<Piece>{};
    chunk.Count =
        chunk.Pieces.empty() ? 0 : chunk.Pieces.back().InChunk + chunk.Pieces.back().Bytes;
    chunk.Bytes.resize(static_cast<size_t>(chunk.Count));
    if (in.read(chunk.Bytes.data(), chunk.Count) == chunk.Count)
        return true;
    problem =
        in.error() != QFileDevice::NoError ? in.errorString() : SegyTool::tr("file ended early");
    return false;
}

} // namespace

// Each chunk is read on a thread of its own while the one before is handed
// out and written, so that reading and working overlap.
bool StreamTraces(QFile& in, const zel::SegyLayout& layout, const SampleRun& samples,
                  const ChunkSink& sink, Progress& progress, QString& problem,
                  const HeaderRun& headers, qint64 firstTrace, qint64 endTrace)
{
    endTrace = endTrace < 0 ? layout.Traces : std::min(endTrace, layout.Traces);
    if (firstTrace >= endTrace)
        return true;
    if (!in.seek(layout.Trace(firstTrace).Offset)) {
        problem = in.errorString();
        return false;
    }
    qint64 trace = firstTrace;
    qint64 inTrace = 0;
    Chunk current;
    Chunk next;
    if (!ReadChunk(in, layout, endTrace, trace, inTrace, current, problem))
        return false;
    while (!current.Pieces.empty()) {
        if (InterruptionRequested()) {
            problem = SegyTool::tr("interrupted");
            return false;
        }
        QString readProblem;
        // Waited for when it goes out of scope, on every way out.
        std::future<bool> ahead = std::async(std::launch::async, [&] {
            return ReadChunk(in, layout, endTrace, trace, inTrace, next, readProblem);
        });
        for (const Piece& piece : current.Pieces) {
            if (headers && piece.InTrace == 0)
                headers(current.Bytes.data() + piece.InChunk, piece.Trace);
            const qint64 from = std::max(piece.InTrace, piece.Trace.HeaderBytes);
            const qint64 to = piece.InTrace + piece.Bytes;
            if (to > from) {
                samples(current.Bytes.data() + piece.InChunk + (from - piece.InTrace),
                        (to - from) / layout.Format->Bytes);
            }
        }
        if (!sink(current.Bytes.data(), current.Count, problem))
            return false;
        progress.Advance(current.Count);
        if (!ahead.get()) {
            problem = readProblem;
            return false;
        }
        std::swap(current, next);
    }
    return true;
}
