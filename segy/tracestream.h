// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef TRACESTREAM_H
#define TRACESTREAM_H

#include <zelsegy.h>

class QFile;

#include <functional>

class Progress;

// Called with each run of consecutive sample words in a chunk; may change
// them in place.
using SampleRun = std::function<void(char* words, qint64 count)>;
// Called with each trace's headers (the standard one and the additional
// ones) before its samples, and where the trace lies; may change them in
// place.
using HeaderRun = std::function<void(char* headers, const zel::TracePlace& trace)>;
// Called with each chunk once its samples have been handed out; false with
// `problem` set stops the stream.
using ChunkSink = std::function<bool(const char* bytes, qint64 count, QString& problem)>;

// Reads the traces of `in` from `firstTrace` up to but not including
// `endTrace` (-1: to the last one), in chunks of half a MiB whatever the
// trace length, so memory stays bounded. Every chunk boundary falls between
// sample words, never inside a trace's headers. False with `problem` set
// on a read error, an interruption or a refusal of `sink`.
bool StreamTraces(QFile& in, const zel::SegyLayout& layout, const SampleRun& samples,
                  const ChunkSink& sink, Progress& progress, QString& problem,
                  const HeaderRun& headers = {}, qint64 firstTrace = 0, qint64 endTrace = -1);

#endif
