// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "geometryreport.h"

#include "tooltexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace zel;

namespace {

QString KindName(SurveyKind kind)
{
    switch (kind) {
    case SurveyKind::TwoD:
        return QStringLiteral("2-D");
    case SurveyKind::PostStack3D:
        return QStringLiteral("3-D post-stack");
    case SurveyKind::PreStack3D:
        return QStringLiteral("3-D pre-stack");
    case SurveyKind::None:
        break;
    }
    return QStringLiteral("none");
}

QString SortingName(TraceSorting sorting)
{
    switch (sorting) {
    case TraceSorting::InlineMajor:
        return QStringLiteral("inline-major");
    case TraceSorting::CrosslineMajor:
        return QStringLiteral("crossline-major");
    case TraceSorting::None:
        break;
    }
    return QStringLiteral("none");
}

QString RangeText(const NumberRange& range)
{
    return SegyTool::tr("%1 to %2 step %3 (%4)")
        .arg(range.First)
        .arg(range.Last)
        .arg(range.Step)
        .arg(range.Count);
}

QJsonObject RangeJson(const NumberRange& range)
{
    return {{QStringLiteral("first"), range.First},
            {QStringLiteral("last"), range.Last},
            {QStringLiteral("step"), range.Step},
            {QStringLiteral("count"), range.Count}};
}

QString BinsText(const std::vector<GridBin>& bins, bool twoD)
{
    QStringList texts;
    for (const GridBin& bin : bins) {
        texts << (twoD ? QString::number(bin.Inline)
                       : QStringLiteral("%1/%2").arg(bin.Inline).arg(bin.Crossline));
    }
    return texts.join(QLatin1Char(' '));
}

QJsonArray BinsJson(const std::vector<GridBin>& bins, bool twoD)
{
    QJsonArray array;
    for (const GridBin& bin : bins)
        array.append(twoD ? QJsonValue(bin.Inline)
                          : QJsonValue(QJsonArray{bin.Inline, bin.Crossline}));
    return array;
}

QString Bytes(int first)
{
    return QStringLiteral("%1-%2").arg(first).arg(first + 3);
}

} // namespace

QString GeometryText(const QString& path, const SurveyGeometry& geometry)
{
    QString text;
    const auto line = [&text](const QString& name, const QString& value) {
        text += name + QStringLiteral(": ") + value + QLatin1Char('\n');
    };
    line(SegyTool::tr("file"), path);
    line(SegyTool::tr("survey"), KindName(geometry.Kind));
    if (geometry.Kind == SurveyKind::None)
        return text;
    const bool twoD = geometry.Kind == SurveyKind::TwoD;
    if (twoD) {
        line(SegyTool::tr("ensemble field"), Bytes(geometry.InlineByte));
        line(SegyTool::tr("ensembles"), RangeText(geometry.Inlines));
        line(SegyTool::tr("sorted by ensemble"), geometry.Sorting == TraceSorting::InlineMajor
                                                     ? SegyTool::tr("yes")
                                                     : SegyTool::tr("no"));
    } else {
        line(SegyTool::tr("inline field"), Bytes(geometry.InlineByte));
        line(SegyTool::tr("crossline field"), Bytes(geometry.CrosslineByte));
        line(SegyTool::tr("sorting"), SortingName(geometry.Sorting));
        line(SegyTool::tr("inlines"), RangeText(geometry.Inlines));
        line(SegyTool::tr("crosslines"), RangeText(geometry.Crosslines));
    }
    line(SegyTool::tr("traces per bin"), geometry.FewestTracesPerBin == geometry.MostTracesPerBin
                                             ? QString::number(geometry.MostTracesPerBin)
                                             : QStringLiteral("%1 to %2")
                                                   .arg(geometry.FewestTracesPerBin)
                                                   .arg(geometry.MostTracesPerBin));
    line(SegyTool::tr("offsets"), QString::number(geometry.Offsets));
    line(SegyTool::tr("bins"),
         SegyTool::tr("%1, %2 with traces").arg(geometry.Bins).arg(geometry.OccupiedBins));
    line(SegyTool::tr("missing bins"), QString::number(geometry.MissingBins));
    if (!geometry.FirstMissing.empty())
        line(SegyTool::tr("first missing"), BinsText(geometry.FirstMissing, twoD));
    line(SegyTool::tr("duplicates"), QString::number(geometry.Duplicates));
    if (!geometry.FirstDuplicates.empty())
        line(SegyTool::tr("first duplicated"), BinsText(geometry.FirstDuplicates, twoD));
    for (const GridCorner& corner : geometry.Corners) {
        line(SegyTool::tr("corner %1/%2").arg(corner.Bin.Inline).arg(corner.Bin.Crossline),
             corner.X
                 ? QStringLiteral("%1 %2").arg(*corner.X, 0, 'g', 12).arg(*corner.Y, 0, 'g', 12)
                 : SegyTool::tr("no trace"));
    }
    return text;
}

QByteArray GeometryJson(const QString& path, const SurveyGeometry& geometry)
{
    const bool twoD = geometry.Kind == SurveyKind::TwoD;
    QJsonObject json{{QStringLiteral("file"), path},
                     {QStringLiteral("survey"), KindName(geometry.Kind)}};
    if (geometry.Kind != SurveyKind::None) {
        QJsonArray corners;
        for (const GridCorner& corner : geometry.Corners) {
            corners.append(QJsonObject{
                {QStringLiteral("bin"), QJsonArray{corner.Bin.Inline, corner.Bin.Crossline}},
                {QStringLiteral("x"), corner.X ? QJsonValue(*corner.X) : QJsonValue()},
                {QStringLiteral("y"), corner.Y ? QJsonValue(*corner.Y) : QJsonValue()}});
        }
        const auto insert = [&json](const char* name, const QJsonValue& value) {
            json.insert(QLatin1String(name), value);
        };
        insert(twoD ? "ensemble_byte" : "inline_byte", geometry.InlineByte);
        insert(twoD ? "ensembles" : "inlines", RangeJson(geometry.Inlines));
        if (!twoD) {
            insert("crossline_byte", geometry.CrosslineByte);
            insert("crosslines", RangeJson(geometry.Crosslines));
            insert("corners", corners);
        }
        insert("sorting", SortingName(geometry.Sorting));
        insert("fewest_traces_per_bin", geometry.FewestTracesPerBin);
        insert("most_traces_per_bin", geometry.MostTracesPerBin);
        insert("offsets", geometry.Offsets);
        insert("bins", geometry.Bins);
        insert("occupied_bins", geometry.OccupiedBins);
        insert("missing_bins", geometry.MissingBins);
        insert("first_missing", BinsJson(geometry.FirstMissing, twoD));
        insert("duplicates", geometry.Duplicates);
        insert("first_duplicated", BinsJson(geometry.FirstDuplicates, twoD));
    }
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}
