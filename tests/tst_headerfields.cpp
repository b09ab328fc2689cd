// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// Header fields: the tables' positions, fields found by keyword, name and
// position, and their values read exactly, scaled, in both byte orders.

#include <zelsegy.h>

#include <QTest>

#include <algorithm>

using namespace zel;

Q_DECLARE_METATYPE(ByteOrder)

class TestHeaderFields : public QObject
{
    Q_OBJECT

private slots:
    void tablesTileTheirHeaders();
    void findsTraceFields_data();
    void findsTraceFields();
    void readsValues_data();
    void readsValues();
};

void TestHeaderFields::tablesTileTheirHeaders()
{
    SegyLayout revision20;
    revision20.RevisionMajor = 2;
    SegyLayout revision21 = revision20;
    revision21.RevisionMinor = 1;
    for (const auto& [fields, size] :
         {std::pair{BinaryHeaderFields(revision20), 400},
          std::pair{BinaryHeaderFields(revision21), 400}, std::pair{TraceHeaderFields(), 240}}) {
        for (size_t i = 0; i < fields.size(); ++i) {
            const int end = fields[i].Offset + fields[i].Bytes;
            QVERIFY2(end <= size, fields[i].Name);
            QVERIFY2(i + 1 == fields.size() || end <= fields[i + 1].Offset, fields[i].Name);
        }
    }
    const auto width = [](const std::vector<HeaderField>& fields, int offset) {
        const auto at = std::find_if(fields.begin(), fields.end(),
                                     [offset](const HeaderField& f) { return f.Offset == offset; });
        return at == fields.end() ? 0 : at->Bytes;
    };
    // The count of additional trace headers: 4 bytes in 2.0, 2 and then the
    // survey type in 2.1.
    QCOMPARE(width(BinaryHeaderFields(revision20), 306), 4);
    QCOMPARE(width(BinaryHeaderFields(revision21), 306), 2);
    QCOMPARE(width(BinaryHeaderFields(revision21), 308), 2);
    QCOMPARE(width(BinaryHeaderFields(revision20), 308), 0);
}

void TestHeaderFields::findsTraceFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset"); // -1 when nothing is found
    QTest::addColumn<int>("bytes");
    QTest::newRow("keyword") << "cdp" << 20 << 4;
    QTest::newRow("keyword in capitals") << "OFFSET" << 36 << 4;
    QTest::newRow("name") << "Crossline" << 192 << 4;
    QTest::newRow("unsigned count") << "ns" << 114 << 2;
    QTest::newRow("first byte of a field") << "189" << 188 << 4;
    QTest::newRow("byte and width") << "221:4" << 220 << 4;
    QTest::newRow("last two bytes") << "239:2" << 238 << 2;
    QTest::newRow("past the header") << "240:2" << -1 << 0;
    QTest::newRow("byte 0") << "0:4" << -1 << 0;
    QTest::newRow("width 3") << "5:3" << -1 << 0;
    QTest::newRow("inside a field") << "7" << -1 << 0;
    QTest::newRow("three parts") << "1:2:3" << -1 << 0;
    QTest::newRow("keyword and width") << "cdp:4" << -1 << 0;
    QTest::newRow("empty") << "" << -1 << 0;
}

void TestHeaderFields::findsTraceFields()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, bytes);
    const std::optional<HeaderField> field = FindTraceField(text);
    QCOMPARE(field.has_value(), offset >= 0);
    if (field) {
        QCOMPARE(field->Offset, offset);
        QCOMPARE(field->Bytes, bytes);
    }
}

void TestHeaderFields::readsValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("bytes");  // at the field's place, most significant first
    QTest::addColumn<QByteArray>("scalar"); // at the scalar's place, when the field has one
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("scaled");
    QTest::newRow("signed") << "delrt" << QByteArray::fromHex("fffe") << QByteArray()
                            << QByteArray("-2") << -2.0;
    QTest::newRow("unsigned") << "ns" << QByteArray::fromHex("fffe") << QByteArray()
                              << QByteArray("65534") << 65534.0;
    QTest::newRow("widest") << "233:8" << QByteArray::fromHex("8000000000000000") << QByteArray()
                            << QByteArray("-9223372036854775808") << -9223372036854775808.0;
    QTest::newRow("divided") << "sx" << QByteArray::fromHex("000004d2")
                             << QByteArray::fromHex("ff9c") << QByteArray("1234") << 12.34;
    QTest::newRow("multiplied") << "cdpy" << QByteArray::fromHex("fffffffd")
                                << QByteArray::fromHex("000a") << QByteArray("-3") << -30.0;
    QTest::newRow("scalar 0") << "gy" << QByteArray::fromHex("00000007")
                              << QByteArray::fromHex("0000") << QByteArray("7") << 7.0;
    QTest::newRow("elevation") << "gelev" << QByteArray::fromHex("00000064")
                               << QByteArray::fromHex("fffe") << QByteArray("100") << 50.0;
}

void TestHeaderFields::readsValues()
{
    QFETCH(QString, field);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, scalar);
    QFETCH(QByteArray, text);
    QFETCH(double, scaled);
    const HeaderField found = FindTraceField(field).value();
    for (const ByteOrder order : {ByteOrder::BigEndian, ByteOrder::LittleEndian}) {
        QByteArray header(240, '\x55');
        const auto place = [&header, order](int at, QByteArray value) {
            if (order == ByteOrder::LittleEndian)
                std::reverse(value.begin(), value.end());
            header.replace(at, value.size(), value);
        };
        place(found.Offset, bytes);
        if (!scalar.isEmpty())
            place(found.ScalarOffset, scalar);
        char out[FieldTextBytes];
        QCOMPARE(QByteArray(out, static_cast<int>(
                                     FormatField(out, header.constData(), found, order) - out)),
                 text);
        QCOMPARE(FieldValue(header.constData(), found, order), text.toDouble());
        QCOMPARE(ScaledFieldValue(header.constData(), found, order), scaled);
    }
}

QTEST_GUILESS_MAIN(TestHeaderFields)
#include "tst_headerfields.moc"
