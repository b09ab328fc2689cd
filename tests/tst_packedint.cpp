#include "zelfunctions.h"

#include <QtTest>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

namespace {

// Bytes copied to the very end of a readable page that is followed by an
// inaccessible one: a read past the last byte crashes the test.
class FencedBytes
{
public:
    explicit FencedBytes(const QByteArray& bytes)
        : m_pageSize(static_cast<size_t>(sysconf(_SC_PAGESIZE)))
    {
        void* pages = mmap(nullptr, 2 * m_pageSize, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pages == MAP_FAILED || size_t(bytes.size()) > m_pageSize ||
            mprotect(static_cast<char*>(pages) + m_pageSize, m_pageSize, PROT_NONE) != 0)
            qFatal("cannot set up fenced bytes");
        m_pages = static_cast<char*>(pages);
        m_data = m_pages + m_pageSize - bytes.size();
        std::memcpy(m_data, bytes.constData(), size_t(bytes.size()));
    }
    ~FencedBytes() { munmap(m_pages, 2 * m_pageSize); }
    FencedBytes(const FencedBytes&) = delete;
    FencedBytes& operator=(const FencedBytes&) = delete;

    char* data() const { return m_data; }
    QByteArray toByteArray() const
    {
        return QByteArray(m_data, int(m_pages + m_pageSize - m_data));
    }

private:
    size_t m_pageSize;
    char* m_pages = nullptr;
    char* m_data = nullptr;
};

// 10^n modulo 2^32.
quint32 tenToThe(int n)
{
    quint32 power = 1;
    for (int i = 0; i < n; ++i)
        power *= 10;
    return power;
}

} // namespace

class TestPackedInt : public QObject
{
    Q_OBJECT

private slots:
    void bcdToInt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("byteOffset");
        QTest::addColumn<bool>("oddBit");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("expected");

        const QByteArray x1234 = QByteArray::fromHex("1234");
        QTest::newRow("from the high nibble") << x1234 << 0 << false << 4 << 1234;
        QTest::newRow("from the low nibble") << x1234 << 0 << true << 3 << 234;
        QTest::newRow("last low nibble unused") << x1234 << 0 << false << 3 << 123;
        QTest::newRow("low nibble to high nibble") << x1234 << 0 << true << 2 << 23;
        QTest::newRow("one digit") << x1234 << 0 << true << 1 << 2;
        QTest::newRow("nibbles above nine") << QByteArray::fromHex("1F") << 0 << false << 2 << 25;
        QTest::newRow("byte offset") << QByteArray::fromHex("99999942") << 3 << false << 2 << 42;
        QTest::newRow("nine digits")
            << QByteArray::fromHex("9999999990") << 0 << false << 9 << 999999999;
        QTest::newRow("ten digits wrap")
            << QByteArray(5, char(0x99)) << 0 << false << 10 << 1410065407;
        QTest::newRow("odd start, 61 digits")
            << QByteArray(31, char(0x99)) << 0 << true << 61 << int(tenToThe(61) - 1);
        QTest::newRow("thousand digits")
            << QByteArray(500, char(0x99)) << 0 << false << 1000 << int(tenToThe(1000) - 1);
        QTest::newRow("one and 99 zeros") << QByteArray::fromHex("10") + QByteArray(49, '\0') << 0
                                          << false << 100 << int(tenToThe(99));
        QTest::newRow("no digits") << QByteArray() << 0 << false << 0 << 0;
        QTest::newRow("negative count") << QByteArray() << 0 << true << -5 << 0;
    }

    // The number's bytes end the readable memory, so reading a byte that
    // holds none of the requested nibbles crashes.
    void bcdToInt()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, byteOffset);
        QFETCH(bool, oddBit);
        QFETCH(int, digits);
        QFETCH(int, expected);
        const FencedBytes fenced(bytes);
        QCOMPARE(BcdToInt(fenced.data(), byteOffset, oddBit, digits), expected);
    }

    void byteSwap_data()
    {
        QTest::addColumn<int>("wordSize");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("2") << 2 << QByteArray::fromHex("01030204050607080910111213141516");
        QTest::newRow("4") << 4 << QByteArray::fromHex("01050403020607080910111213141516");
        QTest::newRow("8") << 8 << QByteArray::fromHex("01090807060504030210111213141516");
        for (const int ignored : {0, 1, 3, 16, -2})
            QTest::addRow("%d", ignored)
                << ignored << QByteArray::fromHex("01020304050607080910111213141516");
    }

    // The word starts at an odd address; the bytes around it must stay.
    void byteSwap()
    {
        QFETCH(int, wordSize);
        QFETCH(QByteArray, expected);
        const FencedBytes fenced(QByteArray::fromHex("01020304050607080910111213141516"));
        ByteSwap(reinterpret_cast<unsigned char*>(fenced.data() + 1), wordSize);
        QCOMPARE(fenced.toByteArray(), expected);
    }

    void threeByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("byteOrder");
        QTest::addColumn<uint>("unsignedValue");
        QTest::addColumn<int>("signedValue");
        const QByteArray x123456 = QByteArray::fromHex("123456");
        QTest::newRow("big-endian") << x123456 << 0 << 0x123456u << 0x123456;
        QTest::newRow("little-endian") << x123456 << 1 << 0x563412u << 0x563412;
        QTest::newRow("order 2 is little-endian") << x123456 << 2 << 0x563412u << 0x563412;
        QTest::newRow("order -1 is little-endian") << x123456 << -1 << 0x563412u << 0x563412;
        QTest::newRow("-2 big-endian") << QByteArray::fromHex("FFFFFE") << 0 << 0xFFFFFEu << -2;
        QTest::newRow("-2 little-endian") << QByteArray::fromHex("FEFFFF") << 1 << 0xFFFFFEu << -2;
        QTest::newRow("lowest") << QByteArray::fromHex("800000") << 0 << 0x800000u << -8388608;
        QTest::newRow("highest") << QByteArray::fromHex("7FFFFF") << 0 << 0x7FFFFFu << 8388607;
        QTest::newRow("zero") << QByteArray::fromHex("000000") << 1 << 0u << 0;
        const QByteArray x80007F = QByteArray::fromHex("80007F");
        QTest::newRow("sign in first byte") << x80007F << 0 << 0x80007Fu << -8388481;
        QTest::newRow("sign bit of low byte ignored") << x80007F << 1 << 0x7F0080u << 8323200;
    }

    // The three bytes end the readable memory and start at an odd address.
    void threeByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, byteOrder);
        QFETCH(uint, unsignedValue);
        QFETCH(int, signedValue);
        const FencedBytes fenced(bytes);
        QCOMPARE(GetUnsigned3Byte(fenced.data(), byteOrder), unsignedValue);
        QCOMPARE(Get3Byte(fenced.data(), byteOrder), signedValue);
    }
};

QTEST_GUILESS_MAIN(TestPackedInt)
#include "tst_packedint.moc"
