// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "converter.h"

#include "filenames.h"
#include "ibmword.h"
#include "progress.h"
#include "tooltexts.h"
#include "tracestream.h"
#include "wordlanes.h"

#include <zelfunctions.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

using namespace zel;

namespace {

constexpr qint64 HeaderCopyBytes = qint64{1} << 20;

constexpr ByteOrder HostOrder =
    Q_BYTE_ORDER == Q_BIG_ENDIAN ? ByteOrder::BigEndian : ByteOrder::LittleEndian;

// Counts the words that the conversion to `targetCode` cannot keep. Only
// IBM words with an exponent below 33 or above 96 can leave the float
// range; they are rare, so a run is gone through word by word only when it
// has one.
void CountLosses(const char* words, qint64 count, int targetCode, ByteOrder order,
                 ConversionCounts& counts)
{
    const bool swapped = order != HostOrder;
    const auto word = [words, swapped](qint64 i) {
        quint32 value;
        std::memcpy(&value, words + 4 * i, sizeof value);
        return swapped ? qbswap(value) : value;
    };
    if (targetCode == IbmFloatCode) {
        qint64 nonFinite = 0;
        for (qint64 i = 0; i < count; ++i)
            nonFinite += (word(i) & 0x7F800000) == 0x7F800000 ? 1 : 0;
        counts.NonFinite += nonFinite;
        return;
    }
    Lanes rareLanes = {};
    qint64 i = 0;
    for (; i + 4 <= count; i += 4) {
        Words value;
        std::memcpy(&value, words + 4 * i, sizeof value);
        value = swapped ? SwapLanes(value) : value;
        rareLanes -= (value >> 24 & 0x7F) - 33u > 63u && (value & 0xFFFFFF) != 0;
    }
    qint64 rare = LaneSum(rareLanes);
    for (; i < count; ++i) {
        const quint32 value = word(i);
        rare += ((value >> 24 & 0x7F) - 33u > 63u) && (value & 0xFFFFFF) != 0 ? 1 : 0;
    }
    for (qint64 i = 0; rare > 0 && i < count; ++i) {
        const quint32 value = word(i);
        if ((value & 0xFFFFFF) != 0) {
            const int power = IbmLeadingPower(value);
            counts.Saturated += power >= 128 ? 1 : 0;
            counts.Flushed += power < -149 ? 1 : 0;
        }
    }
}

// Converts `count` float sample words in place, from file words to file
// words in one pass, in the file's byte order; to IBM rounded to nearest
// when `rounded`, else truncated.
void ConvertWords(char* words, qint64 count, int targetCode, bool rounded, ByteOrder order)
{
    const int samples = static_cast<int>(count);
    const int library = LibraryOrder(order);
    if (targetCode == IeeeFloatCode)
        IbmToIeeeOrdered(words, words, samples, library);
    else if (rounded)
        IeeeToIbmRoundedOrdered(words, words, samples, library);
    else
        IeeeToIbmOrdered(words, words, samples, library);
}

// Decodes the `count` samples of `format` at `words`, stored in `order`,
// into floats at `values`: each the nearest float to the exact value, or
// the largest float of its sign beyond their range. Counts what could not
// be kept exactly.
void DecodeToFloats(const char* words, qint64 count, const SampleFormat& format, ByteOrder order,
                    float* values, ConversionCounts& counts)
{
    constexpr double largest = std::numeric_limits<float>::max();
    for (qint64 i = 0; i < count; ++i) {
        const double value = DecodeSample(words + i * format.Bytes, format, order);
        if (std::isfinite(value) && std::abs(value) > largest) {
            values[i] =
                value > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
            ++counts.Saturated;
            continue;
        }
        values[i] = static_cast<float>(value);
        counts.Inexact += std::isfinite(value) && double(values[i]) != value ? 1 : 0;
    }
}

// Writes all `count` bytes. A short write leaves its reason (a full disk,
// the file size limit) to the next call, which fails with it.
bool Write(QFileDevice& out, const char* bytes, qint64 count, QString& problem)
{
    while (count > 0) {
        const qint64 written = out.write(bytes, count);
        if (written <= 0) {
            problem = out.errorString();
            return false;
        }
        bytes += written;
        count -= written;
    }
    return true;
}

// The output. An existing one that is no regular file (a device, a FIFO,
// a link to one) is written directly, since it can neither be replaced nor
// must be; any other is written to a temporary file beside it, renamed into
// place when complete. A name that Qt's file functions cannot reach (bytes
// that are not UTF-8) is reached through its folder: the file is written
// under a name of the tool's own there and renamed to it at the end.
class OutputFile
{
public:
    OutputFile(const QString& shown, const QByteArray& bytes)
        : m_shown(shown)
        , m_bytes(bytes)
    {}
    ~OutputFile()
    {
        if (m_folder >= 0)
            ::close(m_folder);
    }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool Open(ConversionFailure& failure)
    {
        if (m_bytes == "-")
            return OpenStandardOutput(failure);
        struct stat status = {};
        const bool exists = ::stat(m_bytes.constData(), &status) == 0;
        if (exists && !S_ISREG(status.st_mode))
            return OpenDirectly(failure);
        QString name = QFile::decodeName(m_bytes);
        if (!QtCanName(m_bytes)) {
            const qsizetype slash = m_bytes.lastIndexOf('/');
            const QByteArray folder = slash < 0 ? QByteArray(".") : m_bytes.left(slash + 1);
            m_folder = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (m_folder < 0) {
                failure = {m_shown, QString::fromLocal8Bit(std::strerror(errno))};
                return false;
            }
            m_stand = QStringLiteral(".zel-segy-%1.out").arg(QCoreApplication::applicationPid());
            name = QStringLiteral("/proc/self/fd/%1/%2").arg(m_folder).arg(m_stand);
        }
        auto file = std::make_unique<QSaveFile>(name);
        if (file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_device = std::move(file);
            return true;
        }
        failure = {m_shown, file->errorString()};
        // What failed is the temporary file, unless the output itself is locked.
        const QFileInfo info(name);
        if (!exists || ::access(m_bytes.constData(), W_OK) == 0) {
            failure.Problem = SegyTool::tr("no temporary file can be created in %1: %2")
                                  .arg(info.absolutePath(), file->errorString());
        }
        return false;
    }

    QFileDevice& Device() { return *m_device; }

    // The output's name in messages.
    const QString& Shown() const { return m_shown; }

    // Puts the output in place once it is complete.
    bool Commit(ConversionFailure& failure)
    {
        auto* replacement = qobject_cast<QSaveFile*>(m_device.get());
        if (replacement != nullptr ? !replacement->commit() : !m_device->flush()) {
            failure = {m_shown, m_device->errorString()};
            return false;
        }
        if (m_folder >= 0) {
            const QByteArray stand = QFile::encodeName(m_stand);
            const QByteArray target = m_bytes.mid(m_bytes.lastIndexOf('/') + 1);
            if (::renameat(m_folder, stand.constData(), m_folder, target.constData()) != 0) {
                failure = {m_shown, QString::fromLocal8Bit(std::strerror(errno))};
                ::unlinkat(m_folder, stand.constData(), 0);
                return false;
            }
        }
        return true;
    }

private:
    // Standard output, written as it comes: nothing there can be replaced.
    bool OpenStandardOutput(ConversionFailure& failure)
    {
        m_shown = SegyTool::tr("standard output");
        if (::isatty(STDOUT_FILENO) == 1) {
            failure = {m_shown, SegyTool::tr("a terminal; redirect it to a file or a pipe")};
            return false;
        }
        auto device = std::make_unique<QFile>();
        if (!device->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                          QFileDevice::DontCloseHandle)) {
            failure = {m_shown, device->errorString()};
            return false;
        }
        m_device = std::move(device);
        return true;
    }

    bool OpenDirectly(ConversionFailure& failure)
    {
        const int descriptor = ::open(m_bytes.constData(), O_WRONLY | O_CLOEXEC);
        auto device = std::make_unique<QFile>();
        if (descriptor >= 0 &&
            device->open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                         QFileDevice::AutoCloseHandle)) {
            m_device = std::move(device);
            return true;
        }
        failure = {m_shown, QString::fromLocal8Bit(std::strerror(errno))};
        if (descriptor >= 0)
            ::close(descriptor);
        return false;
    }

    QString m_shown;
    QByteArray m_bytes;
    int m_folder = -1;
    QString m_stand;
    std::unique_ptr<QFileDevice> m_device;
};

// Places within the binary header.
constexpr int FormatCodeAt = int(FormatCodeOffset - TextHeaderBytes);
constexpr int SampleIntervalAt = 16;
constexpr int OriginalSampleIntervalAt = 18;
constexpr int SamplesPerTraceAt = 20;
constexpr int OriginalSamplesPerTraceAt = 22;
constexpr int ExtendedSamplesAt = 68;
constexpr int OrderConstantAt = 96;
constexpr int TracesInFileAt = 312;
constexpr int RevisionAt = 300;
constexpr int FixedLengthAt = 302;
// Places within a trace header.
constexpr int TraceDelayAt = 108;
constexpr int TraceSamplesAt = 114;
constexpr int TraceIntervalAt = 116;

// Writes the low `bytes` bytes of `value` at `at` in `order`.
void WriteWord(char* at, int bytes, quint64 value, ByteOrder order)
{
    for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (order == ByteOrder::BigEndian ? bytes - 1 - i : i);
        at[i] = static_cast<char>(value >> shift & 0xFF);
    }
}

// Reverses the bytes of each of the `count` words of `bytes` bytes at `words`.
void ReverseWords(char* words, qint64 count, int bytes)
{
    if (bytes == 3) {
        for (qint64 i = 0; i < count; ++i)
            std::swap(words[3 * i], words[3 * i + 2]);
    } else if (bytes > 1) {
        ByteSwapArray(reinterpret_cast<unsigned char*>(words), bytes, static_cast<int>(count));
    }
}

// Reverses the bytes of every field of `fields` in `header`.
void TurnFields(char* header, const std::vector<HeaderField>& fields)
{
    for (const HeaderField& field : fields)
        ReverseWords(header + field.Offset, 1, field.Bytes);
}

// How the output's binary header differs from the input's.
struct BinaryChanges
{
    int TargetCode = 0;
    ByteOrder Order = ByteOrder::BigEndian;
    bool Turning = false;
    // A crop's sample count, when the traces are of fixed length; and
    // whether the count of traces, which a crop changes, is to be cleared.
    std::optional<qint64> Samples;
    bool ClearTraceCount = false;
};

// Sets the binary header at `binary` as `changes` say: every field turned,
// revision 2's byte-order constant and its revision bytes (which are
// bytes, not a word, once the constant declares the order) written, and
// the format code written in the output's order.
void ChangeBinaryHeader(char* binary, const SegyLayout& layout, const BinaryChanges& changes)
{
    if (changes.Turning) {
        TurnFields(binary, BinaryHeaderFields(layout));
        const bool declares = layout.RevisionMajor >= 2;
        if (declares)
            WriteWord(binary + OrderConstantAt, 4, 0x01020304, changes.Order);
        WriteWord(binary + RevisionAt, 2, quint64(layout.RevisionField),
                  declares ? ByteOrder::BigEndian : changes.Order);
    }
    WriteWord(binary + FormatCodeAt, 2, quint64(changes.TargetCode), changes.Order);
    if (changes.Samples) {
        const quint64 samples = quint64(*changes.Samples);
        WriteWord(binary + SamplesPerTraceAt, 2, samples <= 65535 ? samples : 0, changes.Order);
        if (layout.RevisionMajor >= 2 &&
            (samples > 65535 || ReadUnsigned(binary + ExtendedSamplesAt, 4, changes.Order) != 0))
            WriteWord(binary + ExtendedSamplesAt, 4, samples, changes.Order);
    }
    if (changes.ClearTraceCount && layout.RevisionMajor >= 2)
        WriteWord(binary + TracesInFileAt, 8, 0, changes.Order);
}

// Whether `selection` keeps trace `index`, whose headers are `headers`.
bool Keeps(const TraceSelection& selection, qint64 index, const char* headers, ByteOrder order)
{
    const TraceRange& range = selection.Traces;
    if (index < range.First || (range.End >= 0 && index >= range.End) ||
        (index - range.First) % range.Step != 0)
        return false;
    return std::all_of(selection.Where.begin(), selection.Where.end(),
                       [&](const TraceSelection::FieldBounds& bounds) {
                           const double value = FieldValue(headers, bounds.Field, order);
                           return value >= bounds.Low && value <= bounds.High;
                       });
}

// Sets the sample count of the trace header `headers` to what `crop` keeps
// of `trace`, whose count it updates, and moves its delay recording time
// to the first sample kept, rounded to whole milliseconds; in the input's
// byte order.
void CropTraceHeader(char* headers, TracePlace& trace, const TraceSelection& crop,
                     const SegyLayout& layout, ConversionCounts& counts)
{
    const qint64 end = crop.EndSample < 0 ? trace.Samples : std::min(crop.EndSample, trace.Samples);
    const qint64 first = std::min(crop.FirstSample, end);
    trace.Samples = end - first;
    WriteWord(headers + TraceSamplesAt, 2, quint64(trace.Samples <= 65535 ? trace.Samples : 0),
              layout.Order);
    if (first == 0)
        return;
    const quint64 ownInterval = ReadUnsigned(headers + TraceIntervalAt, 2, layout.Order);
    const double interval = ownInterval != 0 ? double(ownInterval) : layout.SampleInterval;
    const double delay = double(ReadSigned(headers + TraceDelayAt, 2, layout.Order)) +
                         double(first) * interval / 1000;
    const double whole = std::clamp(std::round(delay), -32768.0, 32767.0);
    counts.DelaysRounded += whole != delay ? 1 : 0;
    WriteWord(headers + TraceDelayAt, 2, quint64(qint64(whole)), layout.Order);
}

// An SU trace header's sample count and interval, in `order`: the trace's
// count (which a SEG-Y trace header may leave to the binary header or an
// additional header), and the file's interval where the trace gives none
// and it fits the 16-bit field.
void SetSuCounts(char* header, const TracePlace& trace, const SegyLayout& layout, ByteOrder order)
{
    WriteWord(header + TraceSamplesAt, 2, quint64(trace.Samples), order);
    const double interval = layout.SampleInterval;
    const bool fits = interval >= 1 && interval <= 65535 && interval == std::floor(interval);
    if (ReadUnsigned(header + TraceIntervalAt, 2, order) == 0 && fits)
        WriteWord(header + TraceIntervalAt, 2, quint64(interval), order);
}

// The textual and binary headers of a SEG-Y file made from the SU file
// `layout` lays out: a textual header that says so, in EBCDIC, and a
// revision 1 binary header with the first trace's sample count and
// interval and the output's format code, in the output's order.
QByteArray MadeFileHeaders(const SegyLayout& layout, const BinaryChanges& changes)
{
    // A crop's count, or the file's.
    const qint64 samples = changes.Samples.value_or(layout.SamplesPerTrace);
    const QString lines[] = {
        QStringLiteral("SEG-Y FILE MADE BY ZEL-SEGY FROM AN SU FILE"),
        QStringLiteral("SAMPLES PER TRACE: %1   SAMPLE INTERVAL: %2")
            .arg(samples)
            .arg(layout.SampleInterval),
        QStringLiteral("SAMPLE FORMAT: %1")
            .arg(changes.TargetCode == IbmFloatCode ? QStringLiteral("1, IBM FLOATING POINT")
                                                    : QStringLiteral("5, IEEE FLOATING POINT")),
    };
    QByteArray headers(int(FileHeaderBytes), '\0');
    for (int line = 0; line < 40; ++line) {
        QString text = QStringLiteral("C%1 ").arg(line + 1, 2);
        if (line < int(std::size(lines)))
            text += lines[line];
        else if (line == 38)
            text += QStringLiteral("SEG-Y REV1");
        else if (line == 39)
            text += QStringLiteral("END TEXTUAL HEADER");
        const QByteArray ascii = text.leftJustified(80, QLatin1Char(' '), true).toLatin1();
        std::memcpy(headers.data() + qsizetype{80} * line, ascii.constData(), 80);
    }
    AsciiToEbcdic(headers.data(), int(TextHeaderBytes));
    char* const binary = headers.data() + TextHeaderBytes;
    const auto interval = quint64(std::clamp(layout.SampleInterval, 0.0, 65535.0));
    for (const int at : {SampleIntervalAt, OriginalSampleIntervalAt})
        WriteWord(binary + at, 2, interval, changes.Order);
    WriteWord(binary + SamplesPerTraceAt, 2, quint64(samples), changes.Order);
    WriteWord(binary + OriginalSamplesPerTraceAt, 2, quint64(layout.SamplesPerTrace),
              changes.Order);
    WriteWord(binary + FormatCodeAt, 2, quint64(changes.TargetCode), changes.Order);
    WriteWord(binary + RevisionAt, 2, 0x0100, changes.Order);
    WriteWord(binary + FixedLengthAt, 2, 1, changes.Order);
    return headers;
}

// Copies the bytes from `from` to `to` of `in`, with the binary header
// changed when they hold it.
bool CopyBytes(QFile& in, const QString& inName, QFileDevice& out, const QString& outName,
               const SegyLayout& layout, qint64 from, qint64 to, const BinaryChanges& changes,
               ConversionFailure& failure)
{
    if (!in.seek(from)) {
        failure = {inName, in.errorString()};
        return false;
    }
    std::vector<char> bytes;
    for (qint64 at = from; at < to; at += HeaderCopyBytes) {
        const qint64 count = std::min(HeaderCopyBytes, to - at);
        bytes.resize(static_cast<std::size_t>(count));
        if (in.read(bytes.data(), count) != count) {
            failure = {inName, in.errorString()};
            return false;
        }
        if (at <= TextHeaderBytes && TextHeaderBytes + BinaryHeaderBytes <= at + count)
            ChangeBinaryHeader(bytes.data() + (TextHeaderBytes - at), layout, changes);
        if (!Write(out, bytes.data(), count, failure.Problem)) {
            failure.File = outName;
            return false;
        }
    }
    return true;
}

} // namespace

bool ConvertFile(QFile& in, const QString& inName, const SegyLayout& layout, const QString& outName,
                 const QByteArray& outBytes, const ConversionRequest& request, Progress& progress,
                 ConversionCounts& counts, ConversionFailure& failure)
{
    OutputFile output(outName, outBytes);
    if (!output.Open(failure))
        return false;
    QFileDevice& out = output.Device();
    const QString& shown = output.Shown();
    const int code = layout.Format->Code;
    const TraceSelection* const crop = request.Crop ? &*request.Crop : nullptr;
    BinaryChanges changes;
    changes.TargetCode = request.TargetCode != 0 ? request.TargetCode : code;
    changes.Order = request.Order.value_or(layout.Order);
    changes.Turning = changes.Order != layout.Order;
    if (crop != nullptr) {
        if (layout.FixedLength) {
            const qint64 end = crop->EndSample < 0
                                   ? layout.SamplesPerTrace
                                   : std::min(crop->EndSample, layout.SamplesPerTrace);
            changes.Samples = std::max<qint64>(0, end - std::min(crop->FirstSample, end));
        }
        changes.ClearTraceCount = true;
    }
    const bool fromSu = layout.Kind == FileKind::SeismicUnix;
    if (!fromSu && !request.ToSu &&
        !CopyBytes(in, inName, out, shown, layout, 0, layout.DataOffset, changes, failure))
        return false;
    if (fromSu && !request.ToSu) {
        const QByteArray headers = MadeFileHeaders(layout, changes);
        if (!Write(out, headers.constData(), headers.size(), failure.Problem)) {
            failure.File = shown;
            return false;
        }
    }
    const bool converting = changes.TargetCode != code;
    const bool decoding = converting && code != IbmFloatCode && code != IeeeFloatCode;
    // Samples decoded to floats take another width, and SU traces keep no
    // additional headers: the output is then made anew, chunk by chunk, of
    // the headers it keeps and the samples.
    const bool remaking =
        decoding || crop != nullptr || (request.ToSu && layout.ExtraTraceHeaders > 0);
    // A crop reads only the traces from the first to the last it may keep.
    const qint64 firstTrace = crop != nullptr ? crop->Traces.First : 0;
    const qint64 endTrace = crop != nullptr ? crop->Traces.End : -1;
    // Where the stream is: the trace whose headers came last, whether it is
    // kept, and its first sample in the next run.
    qint64 traceIndex = firstTrace - 1;
    bool keeping = true;
    qint64 nextSample = 0;
    std::vector<char> made;
    std::vector<float> values;
    const SampleRun convert = [&](char* runWords, qint64 runCount) {
        // The part of the run that the crop keeps.
        char* words = runWords;
        qint64 count = runCount;
        if (crop != nullptr) {
            const qint64 first = std::max(nextSample, crop->FirstSample);
            const qint64 end = crop->EndSample < 0
                                   ? nextSample + runCount
                                   : std::min(nextSample + runCount, crop->EndSample);
            count = keeping ? std::max<qint64>(0, end - first) : 0;
            if (count > 0)
                words += (first - nextSample) * layout.Format->Bytes;
            nextSample += runCount;
            if (count == 0)
                return;
        }
        if (decoding) {
            values.resize(static_cast<std::size_t>(count));
            DecodeToFloats(words, count, *layout.Format, layout.Order, values.data(), counts);
            const std::size_t at = made.size();
            made.resize(at + 4 * values.size());
            char* const out = made.data() + at;
            const int library = LibraryOrder(changes.Order);
            const int samples = static_cast<int>(count);
            if (changes.TargetCode == IbmFloatCode) {
                counts.NonFinite += std::count_if(values.begin(), values.end(),
                                                  [](float v) { return !std::isfinite(v); });
                (request.Rounded ? FloatToIbmRoundedOrdered : FloatToIbmOrdered)(values.data(), out,
                                                                                 samples, library);
            } else {
                if (changes.Order != HostOrder)
                    ByteSwapArray(reinterpret_cast<unsigned char*>(values.data()), 4, samples);
                std::memcpy(out, values.data(), 4 * values.size());
            }
            return;
        }
        if (converting) {
            CountLosses(words, count, changes.TargetCode, layout.Order, counts);
            ConvertWords(words, count, changes.TargetCode, request.Rounded, layout.Order);
        }
        if (changes.Turning)
            ReverseWords(words, count, layout.Format->Bytes);
        if (remaking)
            made.insert(made.end(), words, words + layout.Format->Bytes * count);
    };
    const HeaderRun copyHeaders = [&](char* headers, const TracePlace& placed) {
        TracePlace trace = placed;
        if (crop != nullptr) {
            ++traceIndex;
            nextSample = 0;
            keeping = Keeps(*crop, traceIndex, headers, layout.Order);
            if (!keeping)
                return;
            CropTraceHeader(headers, trace, *crop, layout, counts);
        }
        ++counts.Traces;
        if (changes.Turning)
            TurnFields(headers, TraceHeaderFields());
        if (request.ToSu)
            SetSuCounts(headers, trace, layout, changes.Order);
        if (remaking)
            made.insert(made.end(), headers,
                        headers + (request.ToSu ? TraceHeaderBytes : trace.HeaderBytes));
    };
    bool writeFailed = false;
    const ChunkSink write = [&](const char* bytes, qint64 count, QString& problem) {
        if (remaking) {
            bytes = made.data();
            count = static_cast<qint64>(made.size());
        }
        writeFailed = !Write(out, bytes, count, problem);
        made.clear();
        return !writeFailed;
    };
    const bool touchingHeaders = changes.Turning || remaking || request.ToSu || crop != nullptr;
    if (!StreamTraces(in, layout, convert, write, progress, failure.Problem,
                      touchingHeaders ? copyHeaders : HeaderRun(), firstTrace, endTrace)) {
        failure.File = writeFailed ? shown : inName;
        return false;
    }
    // A trace cut short and left out when salvaging is not written; an SU
    // file has no trailer.
    return (fromSu || request.ToSu ||
            CopyBytes(in, inName, out, shown, layout, layout.DataEnd + layout.LostBytes,
                      layout.FileBytes, changes, failure)) &&
           output.Commit(failure);
}
