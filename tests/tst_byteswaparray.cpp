// ByteSwapArray on every instruction-set path, against ByteSwap applied to
// one word at a time.

#include "ibmpaths.h"
#include "zelfunctions.h"

#include <QTest>

#include <climits>
#include <random>

using zel::IbmPath;

Q_DECLARE_METATYPE(IbmPath)

namespace {

constexpr int guard = 8;
constexpr char guardByte = '\x5A';

QByteArray RandomBytes(int count, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes)
        byte = char(random());
    return bytes;
}

unsigned char* Bytes(QByteArray& array, int offset)
{
    return reinterpret_cast<unsigned char*>(array.data() + offset);
}

} // namespace

class TestByteSwapArray : public QObject
{
    Q_OBJECT

private slots:
    void reversesEveryWord_data();
    void reversesEveryWord();
    void otherSizesAndCountsTouchNothing_data();
    void otherSizesAndCountsTouchNothing();
};

void TestByteSwapArray::reversesEveryWord_data()
{
    QTest::addColumn<IbmPath>("path");
    QTest::addColumn<int>("wordSize");
    for (IbmPath path : zel::allIbmPaths) {
        for (int wordSize : {2, 4, 8})
            QTest::addRow("%s, %d-byte words", zel::IbmPathName(path), wordSize)
                << path << wordSize;
    }
}

// Every count up to several vectors, at every alignment: each word reversed
// as ByteSwap reverses it, nothing outside the words touched.
void TestByteSwapArray::reversesEveryWord()
{
    QFETCH(IbmPath, path);
    QFETCH(int, wordSize);
    if (!zel::IbmPathAvailable(path))
        QSKIP("path not available on this processor");
    for (int words = 1; words <= 80; ++words) {
        const int bytes = wordSize * words;
        for (int offset = 0; offset < 8; ++offset) {
            QByteArray buffer(guard + offset + bytes + guard, guardByte);
            const QByteArray input = RandomBytes(bytes, unsigned(words));
            buffer.replace(guard + offset, bytes, input);

            QByteArray expected = input;
            for (int word = 0; word < words; ++word)
                ByteSwap(Bytes(expected, wordSize * word), wordSize);

            zel::ByteSwapArrayOn(path, Bytes(buffer, guard + offset), wordSize, words);
            QCOMPARE(buffer.mid(guard + offset, bytes), expected);
            QCOMPARE(buffer.left(guard + offset), QByteArray(guard + offset, guardByte));
            QCOMPARE(buffer.right(guard), QByteArray(guard, guardByte));

            ByteSwapArray(Bytes(buffer, guard + offset), wordSize, words);
            QCOMPARE(buffer.mid(guard + offset, bytes), input);
        }
    }
}

void TestByteSwapArray::otherSizesAndCountsTouchNothing_data()
{
    QTest::addColumn<int>("wordSize");
    QTest::addColumn<int>("words");
    for (int wordSize : {0, 1, 3, 5, 16, -4, INT_MAX})
        QTest::addRow("%d-byte words", wordSize) << wordSize << 4;
    for (int words : {0, -1, INT_MIN})
        QTest::addRow("%d 4-byte words", words) << 4 << words;
}

void TestByteSwapArray::otherSizesAndCountsTouchNothing()
{
    QFETCH(int, wordSize);
    QFETCH(int, words);
    const QByteArray before = RandomBytes(64, 7);
    QByteArray buffer = before;
    ByteSwapArray(Bytes(buffer, 0), wordSize, words);
    QCOMPARE(buffer, before);
    for (IbmPath path : zel::AvailableIbmPaths()) {
        zel::ByteSwapArrayOn(path, Bytes(buffer, 0), wordSize, words);
        QCOMPARE(buffer, before);
    }
}

QTEST_GUILESS_MAIN(TestByteSwapArray)
#include "tst_byteswaparray.moc"
