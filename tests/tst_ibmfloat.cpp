// IbmToFloat and FloatToIbm: known values, buffer handling and agreement of
// every instruction-set path. The exhaustive test checks every input.

#include "ibmpaths.h"
#include "zelfunctions.h"

#include <QTest>
#include <QtEndian>

#include <climits>
#include <cstring>
#include <random>

using zel::IbmPath;

Q_DECLARE_METATYPE(IbmPath)

namespace {

// Long enough that every path converts some copies in its vector loop and
// some in its tail.
constexpr int copies = 21;

// `copies` copies of an IBM word, least significant byte first.
QByteArray IbmWords(quint32 word)
{
    QByteArray bytes(4 * copies, '\0');
    for (int i = 0; i < copies; ++i)
        qToLittleEndian(word, bytes.data() + 4 * i);
    return bytes;
}

// `copies` copies of a float's bit pattern.
QByteArray Floats(quint32 bits)
{
    QByteArray bytes(4 * copies, '\0');
    for (int i = 0; i < copies; ++i)
        qToUnaligned(bits, bytes.data() + 4 * i);
    return bytes;
}

// Random words with every exponent, so that every branch of either format is met.
QByteArray RandomBytes(int count, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(4 * count, '\0');
    for (int i = 0; i < count; ++i)
        qToUnaligned(quint32(random()), bytes.data() + 4 * i);
    return bytes;
}

} // namespace

class TestIbmFloat : public QObject
{
    Q_OBJECT

private slots:
    void knownValues_data();
    void knownValues();
    void countsBelowOneTouchNothing();
    void pathsAgreeOnUnalignedAndInPlaceBuffers_data();
    void pathsAgreeOnUnalignedAndInPlaceBuffers();
    void dispatch();
};

void TestIbmFloat::knownValues_data()
{
    QTest::addColumn<bool>("fromIbm");
    QTest::addColumn<quint32>("input");
    QTest::addColumn<quint32>("expected");
    const auto ibmToFloat = [](const char* name, quint32 ibm, quint32 floatBits) {
        QTest::addRow("IBM to float: %s", name) << true << ibm << floatBits;
    };
    const auto floatToIbm = [](const char* name, quint32 floatBits, quint32 ibm) {
        QTest::addRow("float to IBM: %s", name) << false << floatBits << ibm;
    };
    ibmToFloat("1", 0x41100000u, 0x3F800000u);
    ibmToFloat("-1", 0xC1100000u, 0xBF800000u);
    ibmToFloat("0.5", 0x40800000u, 0x3F000000u);
    ibmToFloat("16", 0x42100000u, 0x41800000u);
    ibmToFloat("100", 0x42640000u, 0x42C80000u);
    ibmToFloat("0.1 loses three bits", 0x40199999u, 0x3DCCCCC8u);
    ibmToFloat("unnormalised 6.25", 0x42064000u, 0x40C80000u);
    ibmToFloat("unnormalised -6.25", 0xC2064000u, 0xC0C80000u);
    ibmToFloat("largest float", 0x60FFFFFFu, 0x7F7FFFFFu);
    ibmToFloat("just below float range top", 0x610FFFFFu, 0x7F7FFFF0u);
    ibmToFloat("2^128 saturates", 0x61100000u, 0x7F7FFFFFu);
    ibmToFloat("largest saturates", 0x7FFFFFFFu, 0x7F7FFFFFu);
    ibmToFloat("most negative saturates", 0xFFFFFFFFu, 0xFF7FFFFFu);
    ibmToFloat("smallest subnormal", 0x20000008u, 0x00000001u);
    ibmToFloat("subnormal", 0x2008B610u, 0x000116C2u);
    ibmToFloat("subnormal 2^-128", 0x21100000u, 0x00200000u);
    ibmToFloat("subnormal loses lowest bit", 0x213FFFFFu, 0x007FFFFEu);
    ibmToFloat("smallest normal", 0x21400000u, 0x00800000u);
    ibmToFloat("below subnormals", 0x00100000u, 0x00000000u);
    ibmToFloat("negative below subnormals", 0x80100000u, 0x80000000u);
    ibmToFloat("half the smallest subnormal", 0x20000004u, 0x00000000u);
    ibmToFloat("zero", 0x00000000u, 0x00000000u);
    ibmToFloat("negative zero", 0x80000000u, 0x80000000u);
    ibmToFloat("dirty zero", 0x41000000u, 0x00000000u);
    ibmToFloat("negative dirty zero", 0xFF000000u, 0x80000000u);
    floatToIbm("1", 0x3F800000u, 0x41100000u);
    floatToIbm("-1", 0xBF800000u, 0xC1100000u);
    floatToIbm("0.5", 0x3F000000u, 0x40800000u);
    floatToIbm("16", 0x41800000u, 0x42100000u);
    floatToIbm("100", 0x42C80000u, 0x42640000u);
    floatToIbm("0.1", 0x3DCCCCCDu, 0x40199999u);
    floatToIbm("largest float", 0x7F7FFFFFu, 0x60FFFFFFu);
    floatToIbm("smallest normal", 0x00800000u, 0x21400000u);
    floatToIbm("smallest subnormal", 0x00000001u, 0x20000008u);
    floatToIbm("subnormal", 0x000116C2u, 0x2008B610u);
    floatToIbm("unnormalised subnormal", 0x0001FFFFu, 0x200FFFF8u);
    floatToIbm("subnormal 2^-132", 0x00020000u, 0x20100000u);
    floatToIbm("largest exponent-32 subnormal", 0x001FFFFFu, 0x20FFFFF8u);
    floatToIbm("subnormal 2^-128", 0x00200000u, 0x21100000u);
    floatToIbm("largest subnormal", 0x007FFFFFu, 0x213FFFFFu);
    floatToIbm("negative subnormal", 0x80000001u, 0xA0000008u);
    floatToIbm("zero", 0x00000000u, 0x00000000u);
    floatToIbm("negative zero", 0x80000000u, 0x80000000u);
    floatToIbm("infinity", 0x7F800000u, 0x7FFFFFFFu);
    floatToIbm("negative infinity", 0xFF800000u, 0xFFFFFFFFu);
    floatToIbm("quiet NaN", 0x7FC00000u, 0x7FFFFFFFu);
    floatToIbm("signalling NaN", 0x7F800001u, 0x7FFFFFFFu);
    floatToIbm("negative NaN", 0xFFC00001u, 0xFFFFFFFFu);
}

void TestIbmFloat::knownValues()
{
    QFETCH(bool, fromIbm);
    QFETCH(quint32, input);
    QFETCH(quint32, expected);
    const QByteArray in = fromIbm ? IbmWords(input) : Floats(input);
    for (IbmPath path : zel::AvailableIbmPaths()) {
        QByteArray out(in.size(), '\0');
        if (fromIbm) {
            zel::IbmToFloatOn(path, in.constData(), reinterpret_cast<float*>(out.data()), copies);
            QCOMPARE(out, Floats(expected));
        } else {
            zel::FloatToIbmOn(path, reinterpret_cast<const float*>(in.constData()), out.data(),
                              copies);
            QCOMPARE(out, IbmWords(expected));
        }
    }
}

void TestIbmFloat::countsBelowOneTouchNothing()
{
    const QByteArray before = RandomBytes(8, 1);
    for (int samples : {0, -1, -4, INT_MIN}) {
        QByteArray buffer = before;
        IbmToFloat(buffer.data(), reinterpret_cast<float*>(buffer.data() + 16), samples);
        FloatToIbm(reinterpret_cast<float*>(buffer.data() + 16), buffer.data(), samples);
        QCOMPARE(buffer, before);
    }
}

void TestIbmFloat::pathsAgreeOnUnalignedAndInPlaceBuffers_data()
{
    QTest::addColumn<IbmPath>("path");
    for (IbmPath path : zel::allIbmPaths)
        QTest::newRow(zel::IbmPathName(path)) << path;
}

// Each path, at every alignment and length up to a few vectors, in place
// and out of place, gives the scalar path's result and writes nothing
// outside its output.
void TestIbmFloat::pathsAgreeOnUnalignedAndInPlaceBuffers()
{
    QFETCH(IbmPath, path);
    if (!zel::IbmPathAvailable(path))
        QSKIP("path not available on this processor");
    constexpr int guard = 8;
    constexpr char guardByte = '\x5A';
    const QByteArray input = RandomBytes(100, 2);
    for (int samples = 1; samples <= 100; ++samples) {
        const int bytes = 4 * samples;
        QByteArray expectedFloats(bytes, '\0');
        zel::IbmToFloatOn(IbmPath::Scalar, input.constData(),
                          reinterpret_cast<float*>(expectedFloats.data()), samples);
        QByteArray expectedWords(bytes, '\0');
        zel::FloatToIbmOn(IbmPath::Scalar, reinterpret_cast<const float*>(input.constData()),
                          expectedWords.data(), samples);
        for (int offset = 0; offset < 4; ++offset) {
            QByteArray buffer(guard + offset + bytes + guard, guardByte);
            QByteArray output(guard + 3 - offset + bytes + guard, guardByte);
            char* data = buffer.data() + guard + offset;
            char* out = output.data() + guard + 3 - offset;
            std::memcpy(data, input.constData(), bytes);

            zel::IbmToFloatOn(path, data, reinterpret_cast<float*>(out), samples);
            QCOMPARE(QByteArray(out, bytes), expectedFloats);
            zel::FloatToIbmOn(path, reinterpret_cast<const float*>(data), out, samples);
            QCOMPARE(QByteArray(out, bytes), expectedWords);

            zel::IbmToFloatOn(path, data, reinterpret_cast<float*>(data), samples);
            QCOMPARE(QByteArray(data, bytes), expectedFloats);
            std::memcpy(data, input.constData(), bytes);
            zel::FloatToIbmOn(path, reinterpret_cast<const float*>(data), data, samples);
            QCOMPARE(QByteArray(data, bytes), expectedWords);

            for (const QByteArray& written : {buffer, output}) {
                QCOMPARE(written.left(guard), QByteArray(guard, guardByte));
                QCOMPARE(written.right(guard), QByteArray(guard, guardByte));
            }
        }
    }
}

void TestIbmFloat::dispatch()
{
    QVERIFY(zel::IbmPathAvailable(zel::IbmPathInUse()));
    qInfo("in use: %s", zel::IbmPathName(zel::IbmPathInUse()));

    // The public functions, and a path this library does not know, give
    // the scalar path's results.
    const auto unknown = static_cast<IbmPath>(99);
    QVERIFY(!zel::IbmPathAvailable(unknown));
    QByteArray input = RandomBytes(37, 3);
    QByteArray expected(input.size(), '\0');
    zel::IbmToFloatOn(IbmPath::Scalar, input.constData(), reinterpret_cast<float*>(expected.data()),
                      37);
    QByteArray converted(input.size(), '\0');
    IbmToFloat(input.data(), reinterpret_cast<float*>(converted.data()), 37);
    QCOMPARE(converted, expected);
    zel::IbmToFloatOn(unknown, input.constData(), reinterpret_cast<float*>(converted.data()), 37);
    QCOMPARE(converted, expected);

    zel::FloatToIbmOn(IbmPath::Scalar, reinterpret_cast<const float*>(input.constData()),
                      expected.data(), 37);
    FloatToIbm(reinterpret_cast<float*>(input.data()), converted.data(), 37);
    QCOMPARE(converted, expected);
    zel::FloatToIbmOn(unknown, reinterpret_cast<const float*>(input.constData()), converted.data(),
                      37);
    QCOMPARE(converted, expected);
}

QTEST_GUILESS_MAIN(TestIbmFloat)
#include "tst_ibmfloat.moc"
