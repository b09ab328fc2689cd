// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "converter.h"

#include "ibmword.h"
#include "progress.h"
#include "tooltexts.h"
#include "tracestream.h"

#include <zelfunctions.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <memory>

using namespace zel;

namespace {

constexpr qint64 HeaderCopyBytes = qint64{1} << 20;

constexpr ByteOrder HostOrder =
    Q_BYTE_ORDER == Q_BIG_ENDIAN ? ByteOrder::BigEndian : ByteOrder::LittleEndian;

// Counts the words that the conversion to `targetCode` cannot keep.
void CountLosses(const char* words, qint64 count, int targetCode, ByteOrder order,
                 ConversionCounts& counts)
{
    for (qint64 i = 0; i < count; ++i) {
        const auto word = static_cast<quint32>(ReadUnsigned(words + 4 * i, 4, order));
        if (targetCode == IbmFloatCode) {
            counts.NonFinite += (word & 0x7F800000) == 0x7F800000 ? 1 : 0;
        } else if ((word & 0xFFFFFF) != 0) {
            const int power = IbmLeadingPower(word);
            counts.Saturated += power >= 128 ? 1 : 0;
            counts.Flushed += power < -149 ? 1 : 0;
        }
    }
}

// Converts `count` float sample words in place, in the file's byte order.
void ConvertWords(char* words, qint64 count, int targetCode, ByteOrder order)
{
    const int samples = static_cast<int>(count);
    // The library takes buffers at any alignment and converts in place.
    auto* values = reinterpret_cast<float*>(words);
    if (targetCode == IeeeFloatCode) {
        IbmToFloatOrdered(words, values, samples, LibraryOrder(order));
        if (order != HostOrder)
            ByteSwapArray(reinterpret_cast<unsigned char*>(words), 4, samples);
    } else {
        if (order != HostOrder)
            ByteSwapArray(reinterpret_cast<unsigned char*>(words), 4, samples);
        FloatToIbmOrdered(values, words, samples, LibraryOrder(order));
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

// The output: an existing one that is no regular file (a device, a FIFO, a
// link to one) is written directly, since it can neither be replaced nor
// must be; any other is written to a temporary file beside it, renamed into
// place when complete.
std::unique_ptr<QFileDevice> OpenOutput(const QString& outPath, ConversionFailure& failure)
{
    const QFileInfo info(outPath);
    if (info.exists() && !info.isFile()) {
        auto device = std::make_unique<QFile>(outPath);
        if (device->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return device;
        failure = {outPath, device->errorString()};
        return nullptr;
    }
    auto file = std::make_unique<QSaveFile>(outPath);
    if (file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file;
    failure = {outPath, file->errorString()};
    // What failed is the temporary file, unless the output itself is locked.
    if (!info.exists() || info.isWritable()) {
        failure.Problem = SegyTool::tr("no temporary file can be created in %1: %2")
                              .arg(info.absolutePath(), file->errorString());
    }
    return nullptr;
}

// Copies the bytes from `from` to `to` of `in`, with the format code set
// when they hold it.
bool CopyBytes(QFile& in, QFileDevice& out, const SegyLayout& layout, qint64 from, qint64 to,
               int targetCode, ConversionFailure& failure)
{
    if (!in.seek(from)) {
        failure = {in.fileName(), in.errorString()};
        return false;
    }
    for (qint64 at = from; at < to; at += HeaderCopyBytes) {
        QByteArray bytes = in.read(std::min(HeaderCopyBytes, to - at));
        if (bytes.size() != std::min(HeaderCopyBytes, to - at)) {
            failure = {in.fileName(), in.errorString()};
            return false;
        }
        if (at <= FormatCodeOffset && FormatCodeOffset + 2 <= at + bytes.size()) {
            char* code = bytes.data() + (FormatCodeOffset - at);
            const int low = layout.Order == ByteOrder::BigEndian ? 1 : 0;
            code[low] = static_cast<char>(targetCode);
            code[1 - low] = 0;
        }
        if (!Write(out, bytes.constData(), bytes.size(), failure.Problem)) {
            failure.File = out.fileName();
            return false;
        }
    }
    return true;
}

} // namespace

bool ConvertFile(QFile& in, const SegyLayout& layout, const QString& outPath, int targetCode,
                 Progress& progress, ConversionCounts& counts, ConversionFailure& failure)
{
    const std::unique_ptr<QFileDevice> output = OpenOutput(outPath, failure);
    if (output == nullptr)
        return false;
    QFileDevice& out = *output;
    if (!CopyBytes(in, out, layout, 0, layout.DataOffset, targetCode, failure))
        return false;
    const bool converting = layout.Format->Code != targetCode;
    const SampleRun convert = [&](char* words, qint64 count) {
        if (converting) {
            CountLosses(words, count, targetCode, layout.Order, counts);
            ConvertWords(words, count, targetCode, layout.Order);
        }
    };
    bool writeFailed = false;
    const ChunkSink write = [&](const char* bytes, qint64 count, QString& problem) {
        writeFailed = !Write(out, bytes, count, problem);
        return !writeFailed;
    };
    if (!StreamTraces(in, layout, convert, write, progress, failure.Problem)) {
        failure.File = writeFailed ? outPath : in.fileName();
        return false;
    }
    if (!CopyBytes(in, out, layout, layout.DataEnd, layout.FileBytes, targetCode, failure))
        return false;
    auto* replacement = qobject_cast<QSaveFile*>(output.get());
    if (replacement != nullptr ? !replacement->commit() : !out.flush()) {
        failure = {outPath, out.errorString()};
        return false;
    }
    return true;
}
