// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The extension module zelsegy._zelsegy: the conversion library's ufuncs and
// text conversions, and the SEG-Y library's layouts, header fields, trace
// reading and geometry, for the Python package around it.

#include "ufuncs.h"

#include "zelfunctions.h"
#include "zelsegy.h"
#include "zelversion.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#define PY_ARRAY_UNIQUE_SYMBOL zelsegy_ARRAY_API
#define PY_UFUNC_UNIQUE_SYMBOL zelsegy_UFUNC_API
#define NPY_NO_DEPRECATED_API NPY_1_7_API_VERSION
#include <numpy/arrayobject.h>
#include <numpy/ufuncobject.h>

namespace py = pybind11;
using namespace zel;

namespace {

// Trace samples are read in runs of whole traces of about this many bytes.
constexpr qint64 ReadRunBytes = qint64{512} * 1024;

// Raises zelsegy.SegyError for @p finding.
[[noreturn]] void Raise(const SegyFinding& finding)
{
    const py::object type = py::module_::import("zelsegy._errors").attr("SegyError");
    const py::object error =
        type(finding.What.toStdString(), finding.Offset, finding.Override.toStdString());
    PyErr_SetObject(type.ptr(), error.ptr());
    throw py::error_already_set();
}

[[noreturn]] void Raise(const QString& what, qint64 offset = -1)
{
    Raise(SegyFinding{what, offset, QString()});
}

// The file at @p path (the bytes of its name) opened for reading; only a
// regular file, whose length does not change under a pipe's reader.
void OpenFile(const py::bytes& path, QFile& file)
{
    const std::string name = path;
    const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status = {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const QString reason = descriptor < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                              : QStringLiteral("not a regular file");
        if (descriptor >= 0)
            ::close(descriptor);
        Raise(QStringLiteral("cannot open %1: %2").arg(QFile::decodeName(name.c_str()), reason));
    }
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        Raise(QStringLiteral("cannot open %1: %2")
                  .arg(QFile::decodeName(name.c_str()), file.errorString()));
    }
}

LayoutOverrides Overrides(int order, int format, qint64 samples, int text, bool salvage)
{
    LayoutOverrides overrides;
    if (order >= 0)
        overrides.Order = order == 0 ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    overrides.FormatCode = format;
    overrides.SamplesPerTrace = samples;
    overrides.Text = text == 1   ? TextEncoding::Ebcdic
                     : text == 2 ? TextEncoding::Ascii
                                 : TextEncoding::Detect;
    overrides.Salvage = salvage;
    return overrides;
}

void ReadFileLayout(QFile& file, int order, int format, qint64 samples, int text, bool salvage,
                    SegyLayout& layout)
{
    SegyFinding problem;
    if (!ReadLayout(file, Overrides(order, format, samples, text, salvage), layout, problem))
        Raise(problem);
}

py::tuple FieldTuple(const HeaderField& field)
{
    const char* type = field.Type == FieldType::Signed     ? "i"
                       : field.Type == FieldType::Unsigned ? "u"
                                                           : "f";
    return py::make_tuple(field.Name, field.Keyword, field.Offset, field.Bytes, type,
                          field.ScalarOffset);
}

py::dict Layout(const py::bytes& path, int order, int format, qint64 samples, int text,
                bool salvage)
{
    QFile file;
    OpenFile(path, file);
    SegyLayout layout;
    ReadFileLayout(file, order, format, samples, text, salvage, layout);
    FileHeaders headers;
    SegyFinding problem;
    if (!ReadFileHeaders(file, layout, headers, problem))
        Raise(problem);

    py::dict result;
    result["kind"] = layout.Kind == FileKind::Segy ? "segy" : "su";
    result["file_bytes"] = layout.FileBytes;
    result["byteorder"] = layout.Order == ByteOrder::BigEndian ? "big" : "little";
    result["order_declared"] = layout.OrderDeclared;
    result["revision"] = py::make_tuple(layout.RevisionMajor, layout.RevisionMinor);
    result["format"] = layout.Format->Code;
    result["sample_bytes"] = layout.Format->Bytes;
    result["format_name"] = layout.Format->Name;
    result["sample_interval"] = layout.SampleInterval;
    result["samples"] = layout.SamplesPerTrace;
    result["extended_headers"] = layout.ExtendedHeaders;
    result["extra_trace_headers"] = layout.ExtraTraceHeaders;
    result["fixed_length"] = layout.FixedLength;
    result["trace_bytes"] = layout.TraceBytes;
    result["data_offset"] = layout.DataOffset;
    result["data_end"] = layout.DataEnd;
    result["trailer_stanzas"] = layout.TrailerStanzas;
    result["traces"] = layout.Traces;
    result["lost_bytes"] = layout.LostBytes;

    py::list notes;
    for (const SegyFinding& note : layout.Notes)
        notes.append(
            py::make_tuple(note.What.toStdString(), note.Offset, note.Override.toStdString()));
    result["notes"] = notes;

    py::list textual;
    py::list text_lines;
    for (const QByteArray& block : headers.Textual) {
        textual.append(py::bytes(block.constData(), size_t(block.size())));
        text_lines.append(DecodeTextHeader(block, layout.Text).Lines.join('\n').toStdString());
    }
    result["textual"] = textual;
    result["text"] = text_lines;
    result["binary"] = py::bytes(headers.Binary.constData(), size_t(headers.Binary.size()));
    py::list binary_fields;
    if (headers.Binary.size() == BinaryHeaderBytes) {
        for (const HeaderField& field : BinaryHeaderFields(layout)) {
            const double value = FieldValue(headers.Binary.constData(), field, layout.Order);
            py::object number = field.Type == FieldType::Double
                                    ? py::object(py::float_(value))
                                    : py::object(py::int_(qint64(value)));
            binary_fields.append(py::make_tuple(field.Name, field.Keyword, field.Offset, number));
        }
    }
    result["binary_fields"] = binary_fields;

    if (!layout.FixedLength) {
        py::array_t<qint64> offsets(layout.Traces);
        py::array_t<qint64> header_bytes(layout.Traces);
        py::array_t<qint64> counts(layout.Traces);
        auto o = offsets.mutable_unchecked<1>();
        auto h = header_bytes.mutable_unchecked<1>();
        auto c = counts.mutable_unchecked<1>();
        for (qint64 i = 0; i < layout.Traces; ++i) {
            const TracePlace place = layout.Trace(i);
            o(i) = place.Offset;
            h(i) = place.HeaderBytes;
            c(i) = place.Samples;
        }
        result["trace_offsets"] = offsets;
        result["trace_header_bytes"] = header_bytes;
        result["trace_samples"] = counts;
    }
    return result;
}

// Reads @p bytes at @p offset of @p file into @p into; false when the file
// ends before them, which means it changed since its layout was read.
bool ReadAt(QFile& file, qint64 offset, char* into, qint64 bytes)
{
    return file.seek(offset) && file.read(into, bytes) == bytes;
}

[[noreturn]] void RaiseShortRead(QFile& file, qint64 offset)
{
    Raise(QStringLiteral("the file ends or cannot be read at byte %1 (%2): it changed after it "
                         "was opened")
              .arg(offset)
              .arg(file.errorString()),
          offset);
}

const SampleFormat& FormatOf(int code)
{
    const SampleFormat* format = FindSampleFormat(code);
    if (format == nullptr)
        Raise(QStringLiteral("sample format %1 is not a standard one").arg(code));
    return *format;
}

void CheckPlaces(qint64 offset, qint64 stride, qint64 count, qint64 bytes)
{
    if (offset < 0 || stride < 0 || count < 0 || bytes < 0)
        Raise(QStringLiteral("a negative trace offset, count or size"));
}

// The samples of @p count traces, the first at @p offset and each @p stride
// bytes after the one before, as float32 rows: read and decoded in one
// pass, in runs of whole traces where the traces follow one another.
py::array_t<float> ReadTraces(const py::bytes& path, qint64 offset, qint64 stride, qint64 count,
                              qint64 headerBytes, qint64 samples, int formatCode, int order)
{
    const SampleFormat& format = FormatOf(formatCode);
    CheckPlaces(offset, stride, count, headerBytes + samples);
    const ByteOrder byteOrder = order == 0 ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    const qint64 sampleBytes = samples * format.Bytes;
    const qint64 traceBytes = headerBytes + sampleBytes;
    const bool adjacent = stride == traceBytes && traceBytes > 0;
    const qint64 run = adjacent ? std::max<qint64>(1, ReadRunBytes / traceBytes) : 1;
    py::array_t<float> values({count, samples});
    float* out = values.mutable_data();
    QFile file;
    OpenFile(path, file);
    qint64 failedAt = -1;
    {
        py::gil_scoped_release unlocked;
        std::vector<char> buffer(size_t(std::min(run, std::max<qint64>(count, 1)) * traceBytes));
        for (qint64 first = 0; first < count && failedAt < 0; first += run) {
            const qint64 traces = std::min(run, count - first);
            const qint64 at = offset + first * stride;
            const bool read =
                adjacent ? ReadAt(file, at, buffer.data(), traces * traceBytes)
                         : ReadAt(file, at + headerBytes, buffer.data() + headerBytes, sampleBytes);
            if (!read) {
                failedAt = at;
                break;
            }
            for (qint64 t = 0; t < traces; ++t)
                DecodeSamples(buffer.data() + t * traceBytes + headerBytes, samples, format,
                              byteOrder, out + (first + t) * samples);
        }
    }
    if (failedAt >= 0)
        RaiseShortRead(file, failedAt);
    return values;
}

// The first @p length bytes of each of @p count traces placed as ReadTraces
// takes them, as the rows of a uint8 array.
py::array_t<quint8> ReadTraceBytes(const py::bytes& path, qint64 offset, qint64 stride,
                                   qint64 count, qint64 length)
{
    CheckPlaces(offset, stride, count, length);
    py::array_t<quint8> rows({count, length});
    char* out = reinterpret_cast<char*>(rows.mutable_data());
    QFile file;
    OpenFile(path, file);
    qint64 failedAt = -1;
    {
        py::gil_scoped_release unlocked;
        if (stride == length) {
            if (!ReadAt(file, offset, out, count * length))
                failedAt = offset;
        } else {
            // Neighbouring rows are read in one go, as far as a run of
            // ReadRunBytes reaches.
            const qint64 run = std::max<qint64>(1, ReadRunBytes / std::max<qint64>(1, stride));
            const qint64 longest = std::min(run, std::max<qint64>(count, 1));
            std::vector<char> buffer(size_t((longest - 1) * stride + length));
            for (qint64 first = 0; first < count; first += run) {
                const qint64 traces = std::min(run, count - first);
                const qint64 at = offset + first * stride;
                if (!ReadAt(file, at, buffer.data(), (traces - 1) * stride + length)) {
                    failedAt = at;
                    break;
                }
                for (qint64 t = 0; t < traces; ++t)
                    std::memcpy(out + (first + t) * length, buffer.data() + t * stride,
                                size_t(length));
            }
        }
    }
    if (failedAt >= 0)
        RaiseShortRead(file, failedAt);
    return rows;
}

py::list TraceFields()
{
    py::list fields;
    for (const HeaderField& field : TraceHeaderFields())
        fields.append(FieldTuple(field));
    return fields;
}

py::object FindField(const std::string& text)
{
    const std::optional<HeaderField> field = FindTraceField(QString::fromStdString(text));
    return field ? py::object(FieldTuple(*field)) : py::object(py::none());
}

py::list Bins(const std::vector<GridBin>& bins)
{
    py::list list;
    for (const GridBin& bin : bins)
        list.append(py::make_tuple(bin.Inline, bin.Crossline));
    return list;
}

py::dict Range(const NumberRange& range)
{
    py::dict dict;
    dict["first"] = range.First;
    dict["last"] = range.Last;
    dict["step"] = range.Step;
    dict["count"] = range.Count;
    return dict;
}

py::dict Geometry(const py::bytes& path, int order, int format, qint64 samples, int text,
                  bool salvage, int inlineByte, int crosslineByte)
{
    QFile file;
    OpenFile(path, file);
    SegyLayout layout;
    ReadFileLayout(file, order, format, samples, text, salvage, layout);
    std::optional<std::pair<int, int>> lineBytes;
    if (inlineByte > 0 && crosslineByte > 0)
        lineBytes = std::make_pair(inlineByte, crosslineByte);
    SurveyGeometry geometry;
    SegyFinding problem;
    bool read = false;
    {
        py::gil_scoped_release unlocked;
        read = ReadGeometry(file, layout, lineBytes, geometry, problem);
    }
    if (!read)
        Raise(problem);
    static const char* const kinds[] = {"none", "2d", "post-stack 3d", "pre-stack 3d"};
    static const char* const sortings[] = {"inline", "crossline", "none"};
    py::dict dict;
    dict["kind"] = kinds[int(geometry.Kind)];
    dict["inline_byte"] = geometry.InlineByte;
    dict["crossline_byte"] = geometry.CrosslineByte;
    dict["sorting"] = sortings[int(geometry.Sorting)];
    dict["inlines"] = Range(geometry.Inlines);
    dict["crosslines"] = Range(geometry.Crosslines);
    dict["bins"] = geometry.Bins;
    dict["occupied_bins"] = geometry.OccupiedBins;
    dict["most_traces_per_bin"] = geometry.MostTracesPerBin;
    dict["fewest_traces_per_bin"] = geometry.FewestTracesPerBin;
    dict["offsets"] = geometry.Offsets;
    dict["missing_bins"] = geometry.MissingBins;
    dict["first_missing"] = Bins(geometry.FirstMissing);
    dict["duplicates"] = geometry.Duplicates;
    dict["first_duplicates"] = Bins(geometry.FirstDuplicates);
    py::list corners;
    for (const GridCorner& corner : geometry.Corners)
        corners.append(py::make_tuple(corner.Bin.Inline, corner.Bin.Crossline,
                                      corner.X ? py::object(py::float_(*corner.X)) : py::none(),
                                      corner.Y ? py::object(py::float_(*corner.Y)) : py::none()));
    dict["corners"] = corners;
    return dict;
}

py::bytes Translated(const py::bytes& text, void (*translate)(char*, int))
{
    std::string bytes = text;
    for (size_t done = 0; done < bytes.size(); done += size_t(1) << 30)
        translate(&bytes[done], int(std::min(bytes.size() - done, size_t(1) << 30)));
    return py::bytes(bytes);
}

std::string DecodeText(const py::bytes& block, const std::string& encoding)
{
    const std::string bytes = block;
    const TextEncoding code = encoding == "ebcdic"  ? TextEncoding::Ebcdic
                              : encoding == "ascii" ? TextEncoding::Ascii
                                                    : TextEncoding::Detect;
    return DecodeTextHeader(QByteArray(bytes.data(), qsizetype(bytes.size())), code)
        .Lines.join('\n')
        .toStdString();
}

} // namespace

PYBIND11_MODULE(_zelsegy, module)
{
    module.doc() = "The exact IBM conversions and the SEG-Y reader of the ZEL Vornik libraries.";
    if (_import_array() < 0 || _import_umath() < 0 || !AddUfuncs(module.ptr()))
        throw py::error_already_set();
    module.attr("__version__") = ZEL_VERSION_STRING;

    module.def(
        "ebcdic_to_ascii", [](const py::bytes& text) { return Translated(text, EbcdicToAscii); },
        py::arg("text"),
        "EBCDIC bytes to ASCII bytes, byte for byte, as the conversion library maps "
        "them: the 94 mapped codes give their printable character, every other byte "
        "'.'. For a textual header as its writer meant it, see decode_text_header.");
    module.def(
        "ascii_to_ebcdic", [](const py::bytes& text) { return Translated(text, AsciiToEbcdic); },
        py::arg("text"),
        "ASCII bytes to EBCDIC bytes, byte for byte, as the conversion library maps "
        "them: the 95 printable characters (a tilde as a hyphen), every other byte "
        "0x00.");
    module.def("decode_text_header", &DecodeText, py::arg("block"), py::arg("encoding") = "detect",
               "A textual header's bytes decoded for display: 40 lines of 80 printable ASCII "
               "characters joined by newlines. encoding is 'ebcdic', 'ascii' or 'detect' (told "
               "by the content).");
    module.def("_layout", &Layout);
    module.def("_read_traces", &ReadTraces);
    module.def("_read_trace_bytes", &ReadTraceBytes);
    module.def("_trace_fields", &TraceFields);
    module.def("_find_field", &FindField);
    module.def("_geometry", &Geometry);
}
