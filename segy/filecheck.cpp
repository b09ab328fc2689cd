// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "filecheck.h"

#include "progress.h"
#include "samplestats.h"
#include "tooltexts.h"

#include <QFile>

using namespace zel;

namespace {

// Offsets within the file.
constexpr qint64 OrderConstantAt = 3296;
constexpr qint64 RevisionAt = 3500;
constexpr qint64 TracesInFileAt = 3512;
constexpr int TraceSamplesAt = 114;
// A share of unnormalised IBM words that real IBM data does not reach; IEEE
// floats read as IBM give about one in sixteen.
constexpr double MostUnnormalisedShare = 0.01;

void CheckBinaryHeader(const SegyLayout& layout, const FileHeaders& headers,
                       const LayoutOverrides& overrides, QList<SegyFinding>& findings)
{
    const int revision = layout.RevisionField;
    if (revision != 0 && revision != 0x0100 && revision != 0x0200 && revision != 0x0201) {
        findings << SegyFinding{SegyTool::tr("the revision field 0x%1 is none of the standard's "
                                             "(0.0, 1.0, 2.0, 2.1)")
                                    .arg(revision, 4, 16, QLatin1Char('0')),
                                RevisionAt, QString()};
    }
    if (!layout.OrderDeclared && !overrides.Order &&
        (layout.Order == ByteOrder::LittleEndian || layout.RevisionMajor >= 2)) {
        const bool little = layout.Order == ByteOrder::LittleEndian;
        findings << SegyFinding{
            SegyTool::tr("the byte order is inferred (%1): the binary header has no byte-order "
                         "constant")
                .arg(little ? QStringLiteral("little-endian") : QStringLiteral("big-endian")),
            OrderConstantAt,
            little ? QStringLiteral("--endian little") : QStringLiteral("--endian big")};
    }
    if (layout.RevisionMajor >= 2) {
        const quint64 counted = ReadUnsigned(
            headers.Binary.constData() + (TracesInFileAt - TextHeaderBytes), 8, layout.Order);
        if (counted != 0 && counted != static_cast<quint64>(layout.Traces)) {
            findings << SegyFinding{SegyTool::tr("the binary header counts %1 traces; the file "
                                                 "holds %2")
                                        .arg(counted)
                                        .arg(layout.Traces),
                                    TracesInFileAt, QString()};
        }
    }
}

bool CheckTraceSamples(QFile& file, const SegyLayout& layout, QList<SegyFinding>& findings,
                       QString& problem)
{
    if (!layout.FixedLength)
        return true;
    qint64 disagreeing = 0;
    qint64 first = -1;
    const auto visit = [&](qint64 index, const char* header) {
        const quint64 samples = ReadUnsigned(header + TraceSamplesAt, 2, layout.Order);
        if (samples != 0 && samples != static_cast<quint64>(layout.SamplesPerTrace)) {
            ++disagreeing;
            first = first < 0 ? index : first;
        }
        return true;
    };
    SegyFinding failure;
    if (!ForEachTraceHeader(file, layout, {}, visit, failure)) {
        problem = failure.What;
        return false;
    }
    if (disagreeing > 0) {
        findings << SegyFinding{SegyTool::tr("%1 trace headers give a sample count other than %2, "
                                             "the first in trace %3")
                                    .arg(disagreeing)
                                    .arg(layout.SamplesPerTrace)
                                    .arg(first),
                                layout.Trace(first).Offset + TraceSamplesAt, QString()};
    }
    return true;
}

bool CheckIbmSamples(QFile& file, const SegyLayout& layout, Progress& progress,
                     QList<SegyFinding>& findings, QString& problem)
{
    if (layout.Format->Code != IbmFloatCode)
        return true;
    SampleStats stats;
    if (!ScanSamples(file, layout, progress, stats, problem))
        return false;
    const qint64 words = stats.Samples + stats.NonFinite;
    if (stats.BeyondFloat > 0 || static_cast<double>(stats.Unnormalised) >
                                     MostUnnormalisedShare * static_cast<double>(words)) {
        findings << SegyFinding{
            SegyTool::tr("read as IBM floats, %1 of %2 samples are unnormalised "
                         "and %3 beyond the float range: IBM words written so, or "
                         "IEEE floats under an IBM format code")
                .arg(stats.Unnormalised)
                .arg(words)
                .arg(stats.BeyondFloat),
            FormatCodeOffset, QStringLiteral("--format 5")};
    }
    return true;
}

} // namespace

bool CheckLaidOutFile(QFile& file, const SegyLayout& layout, const LayoutOverrides& overrides,
                      Progress& progress, QList<SegyFinding>& findings, QString& problem)
{
    findings << layout.Notes;
    if (layout.Kind == FileKind::Segy) {
        FileHeaders headers;
        SegyFinding failure;
        if (!ReadFileHeaders(file, layout, headers, failure)) {
            problem = failure.What;
            return false;
        }
        CheckBinaryHeader(layout, headers, overrides, findings);
    }
    return CheckTraceSamples(file, layout, findings, problem) &&
           CheckIbmSamples(file, layout, progress, findings, problem);
}
