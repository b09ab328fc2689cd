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

// A multiple of every sample size (1, 2, 3, 4 and 8 bytes): with trace
// headers of 240 bytes, a multiple of each too, no sample word straddles
// two chunks.
constexpr qint64 ChunkBytes = (qint64{4} << 20) / 24 * 24;

} // namespace

bool StreamTraces(QFile& in, const SegyLayout& layout, const SampleRun& samples,
                  const ChunkSink& sink, Progress& progress, QString& problem)
{
    const qint64 dataBytes = layout.Traces * layout.TraceBytes;
    std::vector<char> chunk(static_cast<size_t>(std::min(ChunkBytes, dataBytes)));
    if (!in.seek(layout.DataOffset)) {
        problem = in.errorString();
        return false;
    }
    for (qint64 offset = 0; offset < dataBytes;) {
        if (InterruptionRequested()) {
            problem = SegyTool::tr("interrupted");
            return false;
        }
        const qint64 count = std::min(ChunkBytes, dataBytes - offset);
        if (in.read(chunk.data(), count) != count) {
            problem = in.error() != QFileDevice::NoError ? in.errorString()
                                                         : SegyTool::tr("file ended early");
            return false;
        }
        for (qint64 at = 0; at < count;) {
            const qint64 inTrace = (offset + at) % layout.TraceBytes;
            if (inTrace < TraceHeaderBytes) {
                at += std::min(TraceHeaderBytes - inTrace, count - at);
                continue;
            }
            const qint64 run = std::min(layout.TraceBytes - inTrace, count - at);
            samples(chunk.data() + at, run / layout.Format->Bytes);
            at += run;
        }
        if (!sink(chunk.data(), count, problem))
            return false;
        offset += count;
        progress.Advance(count);
    }
    return true;
}
