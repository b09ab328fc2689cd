// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "report.h"

#include "tooltexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace zel;

namespace {

QString OrderName(ByteOrder order)
{
    return order == ByteOrder::BigEndian ? QStringLiteral("big-endian")
                                         : QStringLiteral("little-endian");
}

QString RevisionName(const SegyLayout& layout)
{
    return QStringLiteral("%1.%2").arg(layout.RevisionMajor).arg(layout.RevisionMinor);
}

QString KindName(const SegyLayout& layout)
{
    return layout.Kind == FileKind::Segy ? QStringLiteral("SEG-Y") : QStringLiteral("SU");
}

QString EncodingName(const TextHeader& header)
{
    return header.Ebcdic ? QStringLiteral("EBCDIC") : QStringLiteral("ASCII");
}

// A figure of the scan, or nothing when there was no finite sample.
QJsonValue Figure(const SampleStats& stats, double value)
{
    return stats.Samples > 0 ? QJsonValue(value) : QJsonValue();
}

} // namespace

QString FindingText(const SegyFinding& finding)
{
    QString text = finding.What;
    if (finding.Offset >= 0)
        text += SegyTool::tr(" (byte %1)").arg(finding.Offset);
    if (!finding.Override.isEmpty())
        text += SegyTool::tr("; %1 reads it otherwise").arg(finding.Override);
    return text;
}

QString InfoText(const QString& path, const SegyLayout& layout, const SampleStats* stats)
{
    QString text;
    const auto line = [&text](const QString& name, const QString& value) {
        text += name + QStringLiteral(": ") + value + QLatin1Char('\n');
    };
    line(SegyTool::tr("file"), path);
    line(SegyTool::tr("kind"), KindName(layout));
    line(SegyTool::tr("byte order"), OrderName(layout.Order));
    line(SegyTool::tr("revision"), QStringLiteral("%1 (field 0x%2)")
                                       .arg(RevisionName(layout))
                                       .arg(layout.RevisionField, 4, 16, QLatin1Char('0')));
    line(
        SegyTool::tr("sample format"),
        QStringLiteral("%1 (%2)").arg(layout.Format->Code).arg(QLatin1String(layout.Format->Name)));
    line(SegyTool::tr("sample interval"), QStringLiteral("%1 us").arg(layout.SampleInterval));
    line(SegyTool::tr("samples per trace"),
         layout.FixedLength ? QString::number(layout.SamplesPerTrace) : SegyTool::tr("varying"));
    line(SegyTool::tr("traces"), QString::number(layout.Traces));
    line(SegyTool::tr("extended textual headers"), QString::number(layout.ExtendedHeaders));
    if (layout.ExtraTraceHeaders > 0) {
        line(SegyTool::tr("additional trace headers"), QString::number(layout.ExtraTraceHeaders));
    }
    if (layout.DataOffset != FileHeaderBytes + layout.ExtendedHeaders * TextHeaderBytes &&
        layout.Kind == FileKind::Segy)
        line(SegyTool::tr("first trace at byte"), QString::number(layout.DataOffset));
    if (layout.TrailerStanzas > 0)
        line(SegyTool::tr("trailer stanzas"), QString::number(layout.TrailerStanzas));
    for (const SegyFinding& note : layout.Notes)
        line(SegyTool::tr("note"), FindingText(note));
    if (stats != nullptr) {
        line(SegyTool::tr("samples read"), QString::number(stats->Samples));
        if (stats->Samples > 0) {
            line(SegyTool::tr("minimum"), QString::number(stats->Minimum, 'g', 9));
            line(SegyTool::tr("maximum"), QString::number(stats->Maximum, 'g', 9));
            line(SegyTool::tr("rms"), QString::number(stats->Rms(), 'g', 9));
        }
        if (layout.Format->Code == IbmFloatCode) {
            line(SegyTool::tr("unnormalised words"), QString::number(stats->Unnormalised));
            line(SegyTool::tr("dirty zeros"), QString::number(stats->DirtyZeros));
            line(SegyTool::tr("beyond float range"), QString::number(stats->BeyondFloat));
        } else if (stats->NonFinite > 0) {
            line(SegyTool::tr("infinities and NaNs"), QString::number(stats->NonFinite));
        }
    }
    if (layout.Kind == FileKind::Segy) {
        const TextHeader header = DecodeTextHeader(layout.TextHeader, layout.Text);
        text += SegyTool::tr("textual header (%1):\n").arg(EncodingName(header));
        text += header.Lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray InfoJson(const QString& path, const SegyLayout& layout, const SampleStats* stats)
{
    QJsonObject info{
        {QStringLiteral("file"), path},
        {QStringLiteral("kind"), KindName(layout)},
        {QStringLiteral("byte_order"), OrderName(layout.Order)},
        {QStringLiteral("revision"), RevisionName(layout)},
        {QStringLiteral("revision_field"), layout.RevisionField},
        {QStringLiteral("format_code"), layout.Format->Code},
        {QStringLiteral("format_name"), QLatin1String(layout.Format->Name)},
        {QStringLiteral("sample_interval_us"), layout.SampleInterval},
        {QStringLiteral("samples_per_trace"),
         layout.FixedLength ? QJsonValue(layout.SamplesPerTrace) : QJsonValue()},
        {QStringLiteral("traces"), layout.Traces},
        {QStringLiteral("extended_textual_headers"), layout.ExtendedHeaders},
        {QStringLiteral("additional_trace_headers"), layout.ExtraTraceHeaders},
        {QStringLiteral("first_trace_offset"), layout.DataOffset},
        {QStringLiteral("trailer_stanzas"), layout.TrailerStanzas},
    };
    if (layout.Kind == FileKind::Segy) {
        const TextHeader header = DecodeTextHeader(layout.TextHeader, layout.Text);
        info.insert(QStringLiteral("textual_header_encoding"), EncodingName(header));
        info.insert(QStringLiteral("textual_header"), QJsonArray::fromStringList(header.Lines));
    }
    QJsonArray notes;
    for (const SegyFinding& note : layout.Notes) {
        notes.append(QJsonObject{{QStringLiteral("what"), note.What},
                                 {QStringLiteral("offset"), note.Offset},
                                 {QStringLiteral("override"), note.Override}});
    }
    info.insert(QStringLiteral("notes"), notes);
    if (stats != nullptr) {
        QJsonObject scan{
            {QStringLiteral("samples"), stats->Samples},
            {QStringLiteral("minimum"), Figure(*stats, stats->Minimum)},
            {QStringLiteral("maximum"), Figure(*stats, stats->Maximum)},
            {QStringLiteral("rms"), Figure(*stats, stats->Rms())},
            {QStringLiteral("non_finite"), stats->NonFinite},
        };
        if (layout.Format->Code == IbmFloatCode) {
            scan.insert(QStringLiteral("unnormalised"), stats->Unnormalised);
            scan.insert(QStringLiteral("dirty_zeros"), stats->DirtyZeros);
            scan.insert(QStringLiteral("beyond_float_range"), stats->BeyondFloat);
        }
        info.insert(QStringLiteral("scan"), scan);
    }
    return QJsonDocument(info).toJson(QJsonDocument::Indented);
}
