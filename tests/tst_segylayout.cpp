// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The SEG-Y library on its own: every sample format decoded in both byte
// orders, and layouts read from memory, with the places of their traces and
// where and how their problems are reported.

#include <zelsegy.h>

#include <QBuffer>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstring>

using namespace zel;

namespace {

// A big-endian file's headers: revision 1, IEEE samples, `samples` per trace.
QByteArray Headers(int samples, bool fixedLength = true)
{
    QByteArray headers(static_cast<int>(FileHeaderBytes), '\0');
    char* binary = headers.data() + TextHeaderBytes;
    binary[21] = static_cast<char>(samples);
    binary[25] = IeeeFloatCode;
    binary[300] = 1;
    binary[303] = fixedLength ? 1 : 0;
    return headers;
}

// A trace of `samples` IEEE samples, each `value`; `number` in its first
// field.
QByteArray Trace(int samples, char number = 0, float value = 0)
{
    QByteArray trace(static_cast<int>(TraceHeaderBytes + 4 * samples), '\0');
    trace[3] = number;
    trace[114] = static_cast<char>(samples >> 8);
    trace[115] = static_cast<char>(samples);
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int at = TraceHeaderBytes; at < trace.size(); at += 4)
        qToBigEndian(bits, trace.data() + at);
    return trace;
}

bool Read(QByteArray bytes, SegyLayout& layout, SegyFinding& problem)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadLayout(buffer, {}, layout, problem);
}

} // namespace

class TestSegyLayout : public QObject
{
    Q_OBJECT

private slots:
    void decodesEveryFormat_data();
    void decodesEveryFormat();
    void walksTracesOfVaryingLength();
    void readsRangesOfTraces_data();
    void readsRangesOfTraces();
    void saysWhereAndHow_data();
    void saysWhereAndHow();
};

void TestSegyLayout::decodesEveryFormat_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("words"); // two words, most significant byte first
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::newRow("IBM") << 1 << QByteArray::fromHex("42064000c1100000") << 6.25f << -1.0f;
    QTest::newRow("int32") << 2 << QByteArray::fromHex("fffffffb00011170") << -5.0f << 70000.0f;
    QTest::newRow("int16") << 3 << QByteArray::fromHex("fed40002") << -300.0f << 2.0f;
    QTest::newRow("fixed point with gain")
        << 4 << QByteArray::fromHex("0002000c0000ffff") << 3.0f << -1.0f;
    QTest::newRow("IEEE single") << 5 << QByteArray::fromHex("c01000003fc00000") << -2.25f << 1.5f;
    QTest::newRow("IEEE double") << 6 << QByteArray::fromHex("bfc00000000000004004000000000000")
                                 << -0.125f << 2.5f;
    QTest::newRow("int24") << 7 << QByteArray::fromHex("fffffe010000") << -2.0f << 65536.0f;
    QTest::newRow("int8") << 8 << QByteArray::fromHex("807f") << -128.0f << 127.0f;
    QTest::newRow("int64") << 9 << QByteArray::fromHex("fffffffffffffffe0000010000000000") << -2.0f
                           << 1099511627776.0f;
    QTest::newRow("uint32") << 10 << QByteArray::fromHex("ffffffff00000007") << 4294967296.0f
                            << 7.0f;
    QTest::newRow("uint16") << 11 << QByteArray::fromHex("ffff0001") << 65535.0f << 1.0f;
    QTest::newRow("uint64") << 12 << QByteArray::fromHex("80000000000000000000000000000003")
                            << 9223372036854775808.0f << 3.0f;
    QTest::newRow("uint24") << 15 << QByteArray::fromHex("ffffff000005") << 16777215.0f << 5.0f;
    QTest::newRow("uint8") << 16 << QByteArray::fromHex("ff00") << 255.0f << 0.0f;
}

void TestSegyLayout::decodesEveryFormat()
{
    QFETCH(int, code);
    QFETCH(QByteArray, words);
    QFETCH(float, first);
    QFETCH(float, second);
    const SampleFormat* format = FindSampleFormat(code);
    QVERIFY(format != nullptr);
    QCOMPARE(words.size(), 2 * format->Bytes);
    QByteArray reversed = words;
    for (int word = 0; word < 2; ++word)
        std::reverse(reversed.begin() + word * format->Bytes,
                     reversed.begin() + (word + 1) * format->Bytes);
    for (const auto& [bytes, order] :
         {std::pair{words, ByteOrder::BigEndian}, std::pair{reversed, ByteOrder::LittleEndian}}) {
        float values[2] = {};
        DecodeSamples(bytes.constData(), 2, *format, order, values);
        QCOMPARE(values[0], first);
        QCOMPARE(values[1], second);
        QCOMPARE(
            static_cast<float>(DecodeSample(bytes.constData() + format->Bytes, *format, order)),
            second);
    }
}

void TestSegyLayout::walksTracesOfVaryingLength()
{
    const QByteArray file = Headers(10, false) + Trace(10) + Trace(80) + Trace(10);
    SegyLayout layout;
    SegyFinding problem;
    QVERIFY2(Read(file, layout, problem), qPrintable(problem.What));
    QVERIFY(!layout.FixedLength);
    QCOMPARE(layout.Traces, 3);
    const TracePlace second = layout.Trace(1);
    QCOMPARE(second.Offset, FileHeaderBytes + 280);
    QCOMPARE(second.HeaderBytes, TraceHeaderBytes);
    QCOMPARE(second.Samples, 80);
    QCOMPARE(layout.DataEnd, file.size());
}

void TestSegyLayout::readsRangesOfTraces_data()
{
    QTest::addColumn<int>("samples"); // of every other trace; the rest have 10
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<QList<int>>("traces");
    QTest::newRow("all, read together")
        << 10 << 0LL << -1LL << 1LL << QList<int>{0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("a slice") << 10 << 1LL << 6LL << 2LL << QList<int>{1, 3, 5};
    QTest::newRow("end past the last") << 10 << 5LL << 100LL << 1LL << QList<int>{5, 6};
    QTest::newRow("first past the last") << 10 << 9LL << -1LL << 1LL << QList<int>{};
    // Traces of 80 KiB between the headers: each header read on its own.
    QTest::newRow("far apart") << 20000 << 0LL << -1LL << 1LL << QList<int>{0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("far apart, a step") << 20000 << 0LL << -1LL << 3LL << QList<int>{0, 3, 6};
}

void TestSegyLayout::readsRangesOfTraces()
{
    QFETCH(int, samples);
    QFETCH(qint64, first);
    QFETCH(qint64, end);
    QFETCH(qint64, step);
    QFETCH(QList<int>, traces);
    QByteArray file = Headers(10, false);
    for (int trace = 0; trace < 7; ++trace)
        file += Trace(trace % 2 == 1 ? samples : 10, static_cast<char>(trace), 0.5f * trace);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    SegyLayout layout;
    SegyFinding problem;
    QVERIFY(ReadLayout(buffer, {}, layout, problem));
    QList<int> visited;
    const auto visit = [&visited](qint64 index, const char* header) {
        visited << static_cast<int>(index);
        return header[3] == static_cast<char>(index);
    };
    QVERIFY(ForEachTraceHeader(buffer, layout, {first, end, step}, visit, problem));
    QCOMPARE(visited, traces);
    std::vector<float> values;
    QVERIFY(ReadTraceSamples(buffer, layout, 5, values, problem));
    QCOMPARE(values, std::vector<float>(static_cast<size_t>(samples), 2.5f));
}

void TestSegyLayout::saysWhereAndHow_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<QString>("override");
    QByteArray badFormat = Headers(10) + Trace(10);
    badFormat[static_cast<int>(FormatCodeOffset) + 1] = 13;
    QTest::newRow("format code") << badFormat << FormatCodeOffset << "--format N";
    QTest::newRow("bytes left over")
        << Headers(10) + Trace(10) + "xyz" << FileHeaderBytes + 280 << "--salvage";
    QTest::newRow("trace cut short") << Headers(10, false) + Trace(10) + Trace(80).left(300)
                                     << FileHeaderBytes + 280 << "--salvage";
    QByteArray pastEnd = Headers(10) + Trace(10);
    pastEnd[3500] = 2;
    pastEnd[3200 + 320] = 1;
    QTest::newRow("first trace past the end") << pastEnd << TextHeaderBytes + 320 << QString();
}

void TestSegyLayout::saysWhereAndHow()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, offset);
    QFETCH(QString, override);
    SegyLayout layout;
    SegyFinding problem;
    QVERIFY(!Read(file, layout, problem));
    QVERIFY(!problem.What.isEmpty());
    QCOMPARE(problem.Offset, offset);
    QCOMPARE(problem.Override, override);
}

QTEST_GUILESS_MAIN(TestSegyLayout)
#include "tst_segylayout.moc"
