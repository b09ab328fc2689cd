#include "zelfunctions.h"

#include <QtTest>

#include <iconv.h>

#include <climits>

namespace {

// The character set is code page 1047 over the printable ASCII characters,
// but for these five: character, its code here, its code in code page 1047.
struct Departure
{
    char character;
    unsigned char code;
    unsigned char codePage1047;
};

const Departure departures[] = {
    {'#', 0x4A, 0x7B}, {'{', 0x8B, 0xC0}, {'|', 0x6A, 0x4F}, {'}', 0x9B, 0xD0}, {'~', 0x60, 0xA1},
};

QByteArray everyByteValue()
{
    QByteArray bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

QByteArray toEbcdic(QByteArray text)
{
    AsciiToEbcdic(text.data(), text.size());
    return text;
}

QByteArray toAscii(QByteArray text)
{
    EbcdicToAscii(text.data(), text.size());
    return text;
}

bool isPrintableAscii(char c)
{
    return c >= 0x20 && c < 0x7F;
}

// Converts every byte value, one at a time, with glibc's iconv; 0 marks a
// byte that iconv cannot convert.
QByteArray convertedByIconv(const char* to, const char* from)
{
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray result(256, '\0');
    for (int i = 0; i < 256; ++i) {
        char in = static_cast<char>(i);
        char out = 0;
        char* inPtr = &in;
        char* outPtr = &out;
        size_t inLeft = 1;
        size_t outLeft = 1;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            result[i] = out;
    }
    iconv_close(converter);
    return result;
}

} // namespace

class TestEbcdic : public QObject
{
    Q_OBJECT

private slots:
    void everyByteAsCodePage1047ButFiveCharacters()
    {
        const QByteArray glibcToEbcdic = convertedByIconv("IBM1047", "ISO-8859-1");
        const QByteArray glibcToLatin1 = convertedByIconv("ISO-8859-1", "IBM1047");
        QVERIFY2(!glibcToEbcdic.isEmpty() && !glibcToLatin1.isEmpty(),
                 "iconv cannot convert to and from IBM1047");

        QByteArray ebcdic(256, '\0');
        QByteArray ascii(256, '.');
        for (int c = 0x20; c < 0x7F; ++c)
            ebcdic[c] = glibcToEbcdic[c];
        for (int code = 0; code < 256; ++code) {
            if (isPrintableAscii(glibcToLatin1[code]))
                ascii[code] = glibcToLatin1[code];
        }
        for (const Departure& d : departures) {
            ebcdic[d.character] = static_cast<char>(d.code);
            ascii[d.codePage1047] = '.';
            if (d.character != '~')
                ascii[d.code] = d.character;
        }
        const QByteArray toEbcdicResult = toEbcdic(everyByteValue());
        const QByteArray toAsciiResult = toAscii(everyByteValue());
        for (int i = 0; i < 256; ++i) {
            const QByteArray where = QByteArray::number(i, 16);
            QVERIFY2(toEbcdicResult[i] == ebcdic[i], ("ASCII byte 0x" + where).constData());
            QVERIFY2(toAsciiResult[i] == ascii[i], ("EBCDIC byte 0x" + where).constData());
        }
    }

    void convertsExactlyCountBytes_data()
    {
        QTest::addColumn<bool>("toEbcdic");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("count");
        for (const bool direction : {true, false}) {
            const char* name = direction ? "to EBCDIC: " : "to ASCII: ";
            QTest::addRow("%szero", name) << direction << 1 << 0;
            QTest::addRow("%snegative", name) << direction << 1 << -1;
            QTest::addRow("%smost negative", name) << direction << 1 << INT_MIN;
            QTest::addRow("%sone byte", name) << direction << 1 << 1;
            QTest::addRow("%sodd run, odd offset", name) << direction << 3 << 37;
        }
    }

    void convertsExactlyCountBytes()
    {
        QFETCH(bool, toEbcdic);
        QFETCH(int, offset);
        QFETCH(int, count);
        // ASCII "A" becomes 0xC1 and EBCDIC 0x00 becomes ".".
        const char original = toEbcdic ? 'A' : '\0';
        const char converted = toEbcdic ? char(0xC1) : '.';
        QByteArray buffer(64, original);
        if (toEbcdic)
            AsciiToEbcdic(buffer.data() + offset, count);
        else
            EbcdicToAscii(buffer.data() + offset, count);
        for (int i = 0; i < buffer.size(); ++i) {
            const bool inside = i >= offset && i - offset < count;
            QCOMPARE(buffer[i], inside ? converted : original);
        }
    }
};

QTEST_GUILESS_MAIN(TestEbcdic)
#include "tst_ebcdic.moc"
