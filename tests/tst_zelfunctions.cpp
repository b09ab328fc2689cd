// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The conversion library apart from the IBM conversions: EBCDIC text,
// packed and 3-byte integers, ByteSwap, GetEnv and the calendar lists.

#include "zelfunctions.h"

#include <QTest>

#include <iconv.h>

#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

extern char** environ;

namespace {

QByteArray EveryByteValue()
{
    QByteArray bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[i] = char(i);
    return bytes;
}

// Every byte value converted by iconv; empty when iconv cannot.
QByteArray ConvertedByIconv(const char* to, const char* from)
{
    QByteArray in = EveryByteValue();
    QByteArray out(256, '\0');
    char* inAt = in.data();
    char* outAt = out.data();
    size_t inLeft = 256;
    size_t outLeft = 256;
    const iconv_t converter = iconv_open(to, from);
    // iconv_open reports failure with the pointer value -1.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    if (converter == reinterpret_cast<iconv_t>(-1))
        return {};
    const bool converted = iconv(converter, &inAt, &inLeft, &outAt, &outLeft) == 0;
    iconv_close(converter);
    return converted ? out : QByteArray();
}

// The bytes written in `hex`, in a heap block of exactly their size, so that
// AddressSanitizer reports a read past them.
std::vector<char> Bytes(const char* hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    return std::vector<char>(bytes.begin(), bytes.end());
}

} // namespace

class TestZelFunctions : public QObject
{
    Q_OBJECT

private slots:
    // Code page 1047 as glibc's iconv converts it, but for five characters;
    // bytes without a printable character give 0x00 and "." respectively.
    void ebcdicOfEveryByteValue()
    {
        QByteArray ebcdic = ConvertedByIconv("IBM1047", "ISO-8859-1");
        QByteArray ascii = ConvertedByIconv("ISO-8859-1", "IBM1047");
        QVERIFY2(!ebcdic.isEmpty() && !ascii.isEmpty(), "iconv cannot convert IBM1047");
        for (int i = 0; i < 256; ++i) {
            if (i < 0x20 || i > 0x7E)
                ebcdic[i] = '\0';
            if (ascii.at(i) < 0x20 || ascii.at(i) > 0x7E)
                ascii[i] = '.';
        }
        // Character, its code here, its code in code page 1047.
        for (auto [c, code, codePage1047] : {std::tuple{'#', 0x4A, 0x7B},
                                             {'{', 0x8B, 0xC0},
                                             {'|', 0x6A, 0x4F},
                                             {'}', 0x9B, 0xD0},
                                             {'~', 0x60, 0xA1}}) {
            ebcdic[c] = char(code);
            ascii[codePage1047] = '.';
            if (c != '~')
                ascii[code] = c;
        }
        // "A" changes both ways, so the bytes around the count show a write past it.
        for (int count : {256, 0, -1}) {
            QByteArray toEbcdic = "AAAA" + EveryByteValue() + "AAAA";
            QByteArray toAscii = toEbcdic;
            AsciiToEbcdic(toEbcdic.data() + 4, count);
            EbcdicToAscii(toAscii.data() + 4, count);
            QCOMPARE(toEbcdic, "AAAA" + (count > 0 ? ebcdic : EveryByteValue()) + "AAAA");
            QCOMPARE(toAscii, "AAAA" + (count > 0 ? ascii : EveryByteValue()) + "AAAA");
        }
    }

    // Hex digits, byte offset, odd start, digit count, value: both nibble
    // starts, nibbles above nine, wrapping modulo 2^32, no digits.
    void bcdToInt()
    {
        const std::tuple<const char*, int, bool, int, int> rows[] = {
            {"1234", 0, false, 4, 1234},
            {"1234", 0, true, 3, 234},
            {"1234", 0, false, 3, 123},
            {"1234", 0, true, 2, 23},
            {"07", 0, true, 1, 7},
            {"1F", 0, false, 2, 25},
            {"99999942", 3, false, 2, 42},
            {"9876543219", 0, false, 9, 987654321},
            {"999999999999", 0, true, 11, 1215752191},
            {"", 0, false, 0, 0},
            {"", 0, true, -5, 0}};
        for (auto [hex, offset, odd, digits, value] : rows) {
            std::vector<char> bytes = Bytes(hex);
            QCOMPARE(BcdToInt(bytes.data(), offset, odd, digits), value);
        }
    }

    // The word starts at an odd address; the bytes around it must stay.
    void byteSwap()
    {
        const std::pair<int, const char*> rows[] = {{2, "0103020405060708090a"},
                                                    {4, "0105040302060708090a"},
                                                    {8, "0109080706050403020a"},
                                                    {3, "0102030405060708090a"},
                                                    {16, "0102030405060708090a"}};
        for (auto [wordSize, expected] : rows) {
            std::vector<char> bytes = Bytes("0102030405060708090a");
            ByteSwap(reinterpret_cast<unsigned char*>(bytes.data() + 1), wordSize);
            QCOMPARE(QByteArray(bytes.data(), 10).toHex(), QByteArray(expected));
        }
    }

    // Bytes, byte order, value: both orders, any other order, sign extension.
    void threeByte()
    {
        const std::tuple<const char*, int, int> rows[] = {
            {"123456", 0, 0x123456}, {"123456", 1, 0x563412}, {"123456", 2, 0x563412},
            {"FFFFFE", 0, -2},       {"FEFFFF", 1, -2},       {"800000", 0, -8388608},
            {"7FFFFF", 0, 8388607},  {"80007F", 0, -8388481}, {"80007F", 1, 8323200}};
        for (auto [hex, order, value] : rows) {
            std::vector<char> bytes = Bytes(hex);
            QCOMPARE(Get3Byte(bytes.data(), order), value);
            QCOMPARE(GetUnsigned3Byte(bytes.data(), order), uint(value) & 0xFFFFFFu);
        }
    }

    void getEnv()
    {
        const auto lookUp = [](const QByteArray& environment, const char* pattern) {
            QByteArrayList entries = environment.split(';');
            std::vector<char*> pointers;
            for (QByteArray& entry : entries)
                pointers.push_back(entry.data());
            pointers.push_back(nullptr);
            char** const saved = std::exchange(environ, pointers.data());
            QString value = GetEnv(QString::fromLatin1(pattern));
            environ = saved;
            return value;
        };
        // Entries separated by ";", pattern, value: whole names in either order,
        // first match, alternatives, case, empty and invalid patterns, values
        // holding "=" or nothing, entries without "=" or with an empty name.
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"ABC=1;AB=2", "AB", "2"},   {"AB=2;ABC=1", "AB", "2"},   {"AB=2;ABC=1", "AB.", "1"},
            {"ABC=1;AB=2", "AB.*", "1"}, {"AB=2;ABC=1", "AB.*", "2"}, {"XAB=3;AB=2", "X|AB", "2"},
            {"XABY=1", "AB", ""},        {"ABC=1;AB=2", "ab", ""},    {"=0;AB=2", "", ""},
            {"ABC=1;AB=2", "AB(", ""},   {"A=B", "A=B", ""},          {"A=;A=2", "A", ""},
            {"A= =$X ", "A", " =$X "},   {"N;N=v", "N", "v"},         {"=0;A=1", "A?", "0"},
            {"A\nB=1", "A.B", "1"}};
        for (auto [environment, pattern, expected] : rows)
            QCOMPARE(lookUp(environment, pattern), QString::fromLatin1(expected));
        // A pattern that backtracks without end over a long name gives up.
        QCOMPARE(lookUp(QByteArray(40, 'A') + "!B=1", "(A+)+B"), QString());
    }

    void calendarNames()
    {
        QCOMPARE(std::size(MonthNames), std::size_t(13));
        QCOMPARE(std::size(YearNames), std::size_t(21));
        QCOMPARE(MonthNames[0], QStringLiteral("not set"));
        QCOMPARE(YearNames[0], QStringLiteral("not set"));
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(MonthNames[month], QLocale::c().monthName(month));
        for (int year = 1; year <= 20; ++year)
            QCOMPARE(YearNames[year], QString::number(2000 + year));
    }
};

QTEST_GUILESS_MAIN(TestZelFunctions)
#include "tst_zelfunctions.moc"
