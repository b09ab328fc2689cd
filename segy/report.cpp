// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "report.h"

#include "textheader.h"
#include "tooltexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

QString InfoText(const QString& path, const SegyLayout& layout, const SampleStats* stats)
{
    QString text;
    const auto line = [&text](const QString& name, const QString& value) {
        text += name + QStringLiteral(": ") + value + QLatin1Char('\n');
    };
    line(SegyTool::tr("file"), path);
    line(SegyTool::tr("byte order"), OrderName(layout.Order));
    line(SegyTool::tr("revision"), QStringLiteral("%1 (field 0x%2)")
                                       .arg(RevisionName(layout))
                                       .arg(layout.RevisionField, 4, 16, QLatin1Char('0')));
    line(
        SegyTool::tr("sample format"),
        QStringLiteral("%1 (%2)").arg(layout.Format->Code).arg(QLatin1String(layout.Format->Name)));
    line(SegyTool::tr("sample interval"), QStringLiteral("%1 us").arg(layout.SampleInterval));
    line(SegyTool::tr("samples per trace"), QString::number(layout.SamplesPerTrace));
    line(SegyTool::tr("traces"), QString::number(layout.Traces));
    line(SegyTool::tr("extended textual headers"), QString::number(layout.ExtendedHeaders));
    if (!layout.Note.isEmpty())
        line(SegyTool::tr("note"), layout.Note);
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
    const TextHeader header = DecodeTextHeader(layout.TextHeader);
    text += SegyTool::tr("textual header (%1):\n").arg(EncodingName(header));
    text += header.Lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return text;
}

QByteArray InfoJson(const QString& path, const SegyLayout& layout, const SampleStats* stats)
{
    const TextHeader header = DecodeTextHeader(layout.TextHeader);
    QJsonObject info{
        {QStringLiteral("file"), path},
        {QStringLiteral("byte_order"), OrderName(layout.Order)},
        {QStringLiteral("revision"), RevisionName(layout)},
        {QStringLiteral("revision_field"), layout.RevisionField},
        {QStringLiteral("format_code"), layout.Format->Code},
        {QStringLiteral("format_name"), QLatin1String(layout.Format->Name)},
        {QStringLiteral("sample_interval_us"), layout.SampleInterval},
        {QStringLiteral("samples_per_trace"), layout.SamplesPerTrace},
        {QStringLiteral("traces"), layout.Traces},
        {QStringLiteral("extended_textual_headers"), layout.ExtendedHeaders},
        {QStringLiteral("textual_header_encoding"), EncodingName(header)},
        {QStringLiteral("textual_header"), QJsonArray::fromStringList(header.Lines)},
    };
    if (!layout.Note.isEmpty())
        info.insert(QStringLiteral("note"), layout.Note);
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
