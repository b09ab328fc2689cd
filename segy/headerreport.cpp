// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "headerreport.h"

#include "tooltexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

using namespace zel;

namespace {

// Output gathered in a buffer and written a megabyte at a time, so that a
// table of a million traces costs few writes; the first failed write is
// kept as the reason.
class Output
{
public:
    explicit Output(std::FILE* out)
        : m_out(out)
    {}

    void Add(const char* text, size_t bytes)
    {
        m_buffer.append(text, bytes);
        if (m_buffer.size() >= (size_t{1} << 20))
            Flush();
    }
    void Add(const std::string& text) { Add(text.data(), text.size()); }
    void Add(const QByteArray& text) { Add(text.constData(), static_cast<size_t>(text.size())); }
    // Pads `text` with spaces on the left to `width` characters.
    void AddRight(const char* text, size_t bytes, size_t width)
    {
        if (bytes < width)
            m_buffer.append(width - bytes, ' ');
        Add(text, bytes);
    }

    bool Flush()
    {
        if (m_failed == 0 && !m_buffer.empty() &&
            (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size() ||
             std::fflush(m_out) != 0))
            m_failed = errno != 0 ? errno : EIO;
        m_buffer.clear();
        return m_failed == 0;
    }
    bool Failed() const { return m_failed != 0; }
    QString Reason() const
    {
        return SegyTool::tr("standard output") + QStringLiteral(": ") +
               QString::fromLocal8Bit(std::strerror(m_failed));
    }

private:
    std::FILE* m_out;
    std::string m_buffer;
    int m_failed = 0;
};

// A field's value as text: exact, or with its scalar applied.
size_t FieldText(char* text, const char* header, const HeaderField& field, ByteOrder order,
                 bool scale)
{
    if (!scale || field.ScalarOffset < 0)
        return static_cast<size_t>(FormatField(text, header, field, order) - text);
    return static_cast<size_t>(
        std::to_chars(text, text + FieldTextBytes, ScaledFieldValue(header, field, order)).ptr -
        text);
}

// The widest text of a field's values, for aligned columns.
size_t FieldWidth(const HeaderField& field, bool scale)
{
    if (field.Type == FieldType::Double || (scale && field.ScalarOffset >= 0))
        return 16;
    return field.Bytes == 8 ? 20 : field.Bytes == 4 ? 11 : field.Bytes == 2 ? 6 : 4;
}

QString Positions(const HeaderField& field, int first)
{
    const int from = first + field.Offset;
    return field.Bytes == 1 ? QString::number(from)
                            : QStringLiteral("%1-%2").arg(from).arg(from + field.Bytes - 1);
}

QJsonValue FieldJson(const char* header, const HeaderField& field, ByteOrder order, bool scale)
{
    if (field.Type == FieldType::Signed && (!scale || field.ScalarOffset < 0))
        return QJsonValue(ReadSigned(header + field.Offset, field.Bytes, order));
    if (field.Type == FieldType::Unsigned &&
        ReadUnsigned(header + field.Offset, field.Bytes, order) <= quint64{1} << 53)
        return QJsonValue(
            static_cast<qint64>(ReadUnsigned(header + field.Offset, field.Bytes, order)));
    const double value =
        scale ? ScaledFieldValue(header, field, order) : FieldValue(header, field, order);
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

// The rows of a listing: positions (counted from `first`, as the standard
// does), keyword, name and value of each field, zeros left out on request.
void ListFields(Output& out, const char* header, const std::vector<HeaderField>& fields, int first,
                ByteOrder order, const HeaderRequest& request)
{
    for (const HeaderField& field : fields) {
        if (request.NonZero && FieldValue(header, field, order) == 0)
            continue;
        char value[FieldTextBytes];
        const size_t bytes = FieldText(value, header, field, order, request.Scale);
        out.Add(QStringLiteral("  %1  %2  %3  ")
                    .arg(Positions(field, first), -9)
                    .arg(QLatin1String(field.Keyword), -6)
                    .arg(QLatin1String(field.Name), -34)
                    .toUtf8());
        out.AddRight(value, bytes, 20);
        out.Add("\n", 1);
    }
}

QJsonArray FieldsJson(const char* header, const std::vector<HeaderField>& fields, int first,
                      ByteOrder order, const HeaderRequest& request)
{
    QJsonArray rows;
    for (const HeaderField& field : fields) {
        if (request.NonZero && FieldValue(header, field, order) == 0)
            continue;
        rows.append(QJsonObject{
            {QStringLiteral("bytes"),
             QJsonArray{first + field.Offset, first + field.Offset + field.Bytes - 1}},
            {QStringLiteral("keyword"), QLatin1String(field.Keyword)},
            {QStringLiteral("name"), QLatin1String(field.Name)},
            {QStringLiteral("value"), FieldJson(header, field, order, request.Scale)},
        });
    }
    return rows;
}

QString TextualTitle(int index, const TextHeader& text)
{
    const QString encoding = text.Ebcdic ? QStringLiteral("EBCDIC") : QStringLiteral("ASCII");
    return index == 0 ? SegyTool::tr("textual header (%1):\n").arg(encoding)
                      : SegyTool::tr("extended textual header %1 (%2):\n").arg(index).arg(encoding);
}

bool WriteListing(QIODevice& file, const QString& path, const SegyLayout& layout,
                  const HeaderRequest& request, Output& out, QString& problem)
{
    FileHeaders headers;
    SegyFinding finding;
    if (!ReadFileHeaders(file, layout, headers, finding)) {
        problem = path + QStringLiteral(": ") + finding.What;
        return false;
    }
    const std::vector<HeaderField> binaryFields = BinaryHeaderFields(layout);
    constexpr int BinaryFirst = 3201;
    constexpr int TraceFirst = 1;
    const bool json = request.Style == HeaderStyle::Json;
    QJsonObject listing{{QStringLiteral("file"), path}};
    QJsonArray textual;
    for (int index = 0; index < headers.Textual.size(); ++index) {
        const TextHeader text = DecodeTextHeader(headers.Textual.at(index), layout.Text);
        if (json) {
            textual.append(
                QJsonObject{{QStringLiteral("encoding"),
                             text.Ebcdic ? QStringLiteral("EBCDIC") : QStringLiteral("ASCII")},
                            {QStringLiteral("lines"), QJsonArray::fromStringList(text.Lines)}});
        } else {
            out.Add(TextualTitle(index, text).toUtf8());
            out.Add((text.Lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        }
    }
    if (layout.Kind == FileKind::Segy) {
        if (json) {
            listing.insert(QStringLiteral("textual_headers"), textual);
            listing.insert(QStringLiteral("binary_header"),
                           FieldsJson(headers.Binary.constData(), binaryFields, BinaryFirst,
                                      layout.Order, request));
        } else {
            out.Add(SegyTool::tr("binary header:\n").toUtf8());
            ListFields(out, headers.Binary.constData(), binaryFields, BinaryFirst, layout.Order,
                       request);
        }
    }
    QJsonArray traces;
    if (request.Traces) {
        const auto visit = [&](qint64 index, const char* header) {
            if (json) {
                traces.append(QJsonObject{
                    {QStringLiteral("trace"), index},
                    {QStringLiteral("fields"),
                     FieldsJson(header, TraceHeaderFields(), TraceFirst, layout.Order, request)}});
            } else {
                out.Add(SegyTool::tr("trace %1:\n").arg(index).toUtf8());
                ListFields(out, header, TraceHeaderFields(), TraceFirst, layout.Order, request);
            }
            return true;
        };
        if (!ForEachTraceHeader(file, layout, *request.Traces, visit, finding)) {
            problem = path + QStringLiteral(": ") + finding.What;
            return false;
        }
        listing.insert(QStringLiteral("trace_headers"), traces);
    }
    if (json)
        out.Add(QJsonDocument(listing).toJson(QJsonDocument::Indented));
    return true;
}

bool WriteTable(QIODevice& file, const QString& path, const SegyLayout& layout,
                const HeaderRequest& request, Output& out, QString& problem)
{
    const bool aligned = request.Style == HeaderStyle::Aligned;
    const bool json = request.Style == HeaderStyle::Json;
    std::vector<size_t> widths{
        std::max<size_t>(5, static_cast<size_t>(QByteArray::number(layout.Traces).size()))};
    QStringList labels{QStringLiteral("trace")};
    for (const ChosenField& chosen : request.Fields) {
        labels << chosen.Label;
        widths.push_back(std::max<size_t>(FieldWidth(chosen.Field, request.Scale),
                                          static_cast<size_t>(chosen.Label.size())));
    }
    if (json) {
        QByteArray start = QJsonDocument(QJsonObject{{QStringLiteral("file"), path},
                                                     {QStringLiteral("columns"),
                                                      QJsonArray::fromStringList(labels)}})
                               .toJson(QJsonDocument::Compact);
        start.chop(1);
        out.Add(start + ",\"rows\":[");
    } else {
        for (int column = 0; column < labels.size(); ++column) {
            const QByteArray label = labels.at(column).toUtf8();
            if (column > 0)
                out.Add(aligned ? "  " : ",", aligned ? 2 : 1);
            if (aligned)
                out.AddRight(label.constData(), static_cast<size_t>(label.size()), widths[column]);
            else
                out.Add(label);
        }
        out.Add("\n", 1);
    }
    bool firstRow = true;
    const auto visit = [&](qint64 index, const char* header) {
        char text[FieldTextBytes];
        if (json) {
            out.Add(firstRow ? "\n[" : ",\n[", firstRow ? 2 : 3);
            firstRow = false;
        }
        size_t bytes =
            static_cast<size_t>(std::to_chars(text, text + sizeof text, index).ptr - text);
        aligned ? out.AddRight(text, bytes, widths[0]) : out.Add(text, bytes);
        for (size_t column = 0; column < request.Fields.size(); ++column) {
            out.Add(aligned ? "  " : ",", aligned ? 2 : 1);
            bytes =
                FieldText(text, header, request.Fields[column].Field, layout.Order, request.Scale);
            aligned ? out.AddRight(text, bytes, widths[column + 1]) : out.Add(text, bytes);
        }
        out.Add(json ? "]" : "\n", 1);
        return !out.Failed();
    };
    SegyFinding finding;
    if (!ForEachTraceHeader(file, layout, request.Traces.value_or(TraceRange{}), visit, finding)) {
        if (!out.Failed())
            problem = path + QStringLiteral(": ") + finding.What;
        return false;
    }
    if (json)
        out.Add("\n]}\n", 4);
    return true;
}

} // namespace

std::optional<TraceRange> ParseTraceRange(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 3)
        return std::nullopt;
    qint64 numbers[3] = {0, -1, 1};
    for (int i = 0; i < parts.size(); ++i) {
        if (parts.at(i).isEmpty() && parts.size() > 1)
            continue;
        bool read = false;
        numbers[i] = parts.at(i).toLongLong(&read);
        if (!read || numbers[i] < (i == 2 ? 1 : 0))
            return std::nullopt;
    }
    if (parts.size() == 1)
        return TraceRange{numbers[0], numbers[0] + 1, 1};
    return TraceRange{numbers[0], numbers[1], numbers[2]};
}

bool WriteHeaders(QIODevice& file, const QString& path, const SegyLayout& layout,
                  const HeaderRequest& request, std::FILE* out, QString& problem)
{
    Output output(out);
    const bool written = request.Fields.empty()
                             ? WriteListing(file, path, layout, request, output, problem)
                             : WriteTable(file, path, layout, request, output, problem);
    if (!output.Flush()) {
        problem = output.Reason();
        return false;
    }
    return written;
}
