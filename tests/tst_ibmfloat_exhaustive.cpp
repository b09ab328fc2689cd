// Every IBM word through IbmToFloat and every float pattern through
// FloatToIbm, on every path this processor runs, compared with results
// worked out from the two number formats: the exact value of the input,
// truncated toward zero into the target format.
//
// ZEL_EXHAUSTIVE_SAMPLES=N checks N pseudo-random inputs plus the boundary
// inputs of every exponent instead of all 2^32 (for slow instrumented builds).

#include "ibmpaths.h"

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <atomic>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

using zel::IbmPath;

namespace {

// A double holds every IBM single (24-bit fraction, 2^-280 to 2^228) and
// every float exactly, so products with these powers of two are exact.
struct PowersOfTwo
{
    std::array<double, 128> ibmUnit;    // fraction unit at IBM exponent E: 2^(4E - 280)
    std::array<double, 256> floatUnit;  // fraction unit at float exponent e: 2^(max(e, 1) - 150)
    std::array<double, 65> sixteenTo;   // 16^q for q = -32..32
    std::array<double, 65> ibmFraction; // 2^(24 - 4q): turns a magnitude into a fraction at 16^q

    PowersOfTwo()
    {
        for (int e = 0; e < 128; ++e)
            ibmUnit[e] = std::ldexp(1.0, 4 * e - 280);
        for (int e = 0; e < 256; ++e)
            floatUnit[e] = std::ldexp(1.0, std::max(e, 1) - 150);
        for (int q = -32; q <= 32; ++q) {
            sixteenTo[q + 32] = std::ldexp(1.0, 4 * q);
            ibmFraction[q + 32] = std::ldexp(1.0, 24 - 4 * q);
        }
    }
};

const PowersOfTwo powers;

// The float nearest toward zero to the IBM word's value. Needs the calling
// thread's rounding mode to be FE_TOWARDZERO: the conversion to float then
// truncates, keeps the sign of values that underflow to zero, and gives the
// largest finite float for values above the float range.
quint32 ExpectedFloatBits(quint32 ibm)
{
    const double magnitude = double(ibm & 0x00FFFFFFu) * powers.ibmUnit[(ibm >> 24) & 0x7Fu];
    const float result = static_cast<float>((ibm & 0x80000000u) ? -magnitude : magnitude);
    quint32 bits;
    std::memcpy(&bits, &result, sizeof bits);
    return bits;
}

// The IBM word of largest magnitude not above the float's. Its exponent is
// that of the smallest power of sixteen above the magnitude, but never below
// 16^-32 (exponent 32): smaller values keep that exponent with leading zero
// digits. Infinities and NaNs give the largest IBM magnitude.
quint32 ExpectedIbmWord(quint32 floatBits)
{
    const quint32 sign = floatBits & 0x80000000u;
    const quint32 exponent = (floatBits >> 23) & 0xFFu;
    const quint32 fraction = floatBits & 0x007FFFFFu;
    if (exponent == 255)
        return sign | 0x7FFFFFFFu;
    const quint32 significand = exponent != 0 ? fraction | 0x00800000u : fraction;
    const double magnitude = double(significand) * powers.floatUnit[exponent];
    if (magnitude == 0)
        return sign;
    const auto above =
        std::upper_bound(powers.sixteenTo.begin(), powers.sixteenTo.end(), magnitude);
    const int index = int(above - powers.sixteenTo.begin());
    const auto ibmFraction = quint32(magnitude * powers.ibmFraction[index]);
    return sign | quint32(index + 32) << 24 | ibmFraction;
}

// The two directions of conversion, over 32-bit inputs and results: the
// expected result, the bytes the conversion reads and writes, the conversion.
struct IbmToFloatDirection
{
    static quint32 Expected(quint32 ibm) { return ExpectedFloatBits(ibm); }
    static void Store(quint32 ibm, char* bytes) { qToLittleEndian(ibm, bytes); }
    static quint32 Load(const char* bytes) { return qFromUnaligned<quint32>(bytes); }
    static void Convert(IbmPath path, const char* in, char* out, int count)
    {
        zel::IbmToFloatOn(path, in, reinterpret_cast<float*>(out), count);
    }
};

struct FloatToIbmDirection
{
    static quint32 Expected(quint32 floatBits) { return ExpectedIbmWord(floatBits); }
    static void Store(quint32 floatBits, char* bytes) { qToUnaligned(floatBits, bytes); }
    static quint32 Load(const char* bytes) { return qFromLittleEndian<quint32>(bytes); }
    static void Convert(IbmPath path, const char* in, char* out, int count)
    {
        zel::FloatToIbmOn(path, reinterpret_cast<const float*>(in), out, count);
    }
};

// Every word with the given exponent field width whose fraction sits at a
// boundary: zero, all ones, and each single bit, each bit with the ones
// below it, each bit plus one.
std::vector<quint32> BoundaryWords(int exponentBits, int fractionBits)
{
    const quint32 allOnes = (1u << fractionBits) - 1;
    std::vector<quint32> fractions{0, allOnes};
    for (int bit = 0; bit < fractionBits; ++bit) {
        fractions.push_back(1u << bit);
        fractions.push_back((1u << bit) - 1);
        fractions.push_back((1u << bit) + 1);
        fractions.push_back(allOnes >> bit);
    }
    std::vector<quint32> words;
    for (quint32 sign : {0u, 0x80000000u}) {
        for (quint32 exponent = 0; exponent < (1u << exponentBits); ++exponent) {
            for (quint32 fraction : fractions)
                words.push_back(sign | exponent << fractionBits | fraction);
        }
    }
    return words;
}

struct PathTally
{
    quint64 mismatches = 0;
    QString firstMismatch;
};

constexpr int chunkSize = 1 << 16;

template<typename Direction>
class Checker
{
public:
    Checker(std::vector<quint32> sample, bool exhaustive)
        : sample(std::move(sample))
        , exhaustive(exhaustive)
        , paths(zel::AvailableIbmPaths())
    {}

    quint64 InputCount() const { return exhaustive ? quint64(1) << 32 : sample.size(); }

    // Checks every input on every path, over all processors; one tally per path.
    std::vector<PathTally> Run()
    {
        const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
        std::vector<std::vector<PathTally>> tallies(threadCount);
        std::vector<std::thread> threads;
        for (unsigned t = 0; t < threadCount; ++t)
            threads.emplace_back([this, &tallies, t] { tallies[t] = Work(); });
        for (std::thread& thread : threads)
            thread.join();

        std::vector<PathTally> total(paths.size());
        for (const std::vector<PathTally>& perThread : tallies) {
            for (std::size_t p = 0; p < paths.size(); ++p) {
                total[p].mismatches += perThread[p].mismatches;
                if (total[p].firstMismatch.isEmpty())
                    total[p].firstMismatch = perThread[p].firstMismatch;
            }
        }
        return total;
    }

    const std::vector<IbmPath>& Paths() const { return paths; }

private:
    std::vector<PathTally> Work()
    {
        std::fesetround(FE_TOWARDZERO);
        std::vector<PathTally> tallies(paths.size());
        std::vector<quint32> inputs(chunkSize);
        std::vector<quint32> expected(chunkSize);
        // Three spare bytes let each chunk start at another alignment.
        std::vector<char> inBytes(4 * chunkSize + 3);
        std::vector<char> outBytes(4 * chunkSize + 3);
        const quint64 chunkCount = (InputCount() + chunkSize - 1) / chunkSize;
        for (quint64 chunk = nextChunk++; chunk < chunkCount; chunk = nextChunk++) {
            const quint64 first = chunk * chunkSize;
            const int count = int(std::min<quint64>(chunkSize, InputCount() - first));
            char* in = inBytes.data() + chunk % 4;
            char* out = outBytes.data() + chunk / 4 % 4;
            for (int i = 0; i < count; ++i) {
                inputs[i] = exhaustive ? quint32(first + i) : sample[first + i];
                expected[i] = Direction::Expected(inputs[i]);
                Direction::Store(inputs[i], in + 4 * i);
            }
            for (std::size_t p = 0; p < paths.size(); ++p) {
                Direction::Convert(paths[p], in, out, count);
                for (int i = 0; i < count; ++i) {
                    const quint32 result = Direction::Load(out + 4 * i);
                    if (result != expected[i])
                        Record(tallies[p], inputs[i], expected[i], result);
                }
            }
        }
        return tallies;
    }

    static void Record(PathTally& tally, quint32 input, quint32 expected, quint32 result)
    {
        if (tally.mismatches++ == 0) {
            tally.firstMismatch = QStringLiteral("input %1 gave %2, expected %3")
                                      .arg(input, 8, 16, QLatin1Char('0'))
                                      .arg(result, 8, 16, QLatin1Char('0'))
                                      .arg(expected, 8, 16, QLatin1Char('0'));
        }
    }

    const std::vector<quint32> sample;
    const bool exhaustive;
    const std::vector<IbmPath> paths;
    std::atomic<quint64> nextChunk{0};
};

} // namespace

class TestIbmFloatExhaustive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyIbmWordToFloat();
    void everyFloatToIbmWord();

private:
    template<typename Direction>
    void CheckAll(std::vector<quint32> boundaries);

    bool sampled = false;
    quint64 sampleCount = 0;
};

void TestIbmFloatExhaustive::initTestCase()
{
    const QByteArray samples = qgetenv("ZEL_EXHAUSTIVE_SAMPLES");
    if (!samples.isEmpty()) {
        bool ok = false;
        sampleCount = samples.toULongLong(&ok);
        QVERIFY2(ok, "ZEL_EXHAUSTIVE_SAMPLES must be a count of inputs");
        sampled = true;
    }
}

template<typename Direction>
void TestIbmFloatExhaustive::CheckAll(std::vector<quint32> boundaries)
{
    std::vector<quint32> sample;
    if (sampled) {
        sample = std::move(boundaries);
        std::mt19937 random(20261206);
        for (quint64 i = 0; i < sampleCount; ++i)
            sample.push_back(quint32(random()));
    }
    Checker<Direction> checker(std::move(sample), !sampled);
    QElapsedTimer timer;
    timer.start();
    const std::vector<PathTally> tallies = checker.Run();
    const double seconds = double(timer.elapsed()) / 1000;

    for (std::size_t p = 0; p < tallies.size(); ++p) {
        qInfo("%s: %llu inputs, %llu mismatches (all paths together %.2f s)",
              zel::IbmPathName(checker.Paths()[p]), checker.InputCount(), tallies[p].mismatches,
              seconds);
    }
    for (std::size_t p = 0; p < tallies.size(); ++p) {
        const QString failure = QStringLiteral("%1 path: %2 mismatches, first: %3")
                                    .arg(QLatin1String(zel::IbmPathName(checker.Paths()[p])))
                                    .arg(tallies[p].mismatches)
                                    .arg(tallies[p].firstMismatch);
        QVERIFY2(tallies[p].mismatches == 0, qPrintable(failure));
    }
}

void TestIbmFloatExhaustive::everyIbmWordToFloat()
{
    CheckAll<IbmToFloatDirection>(BoundaryWords(7, 24));
}

void TestIbmFloatExhaustive::everyFloatToIbmWord()
{
    CheckAll<FloatToIbmDirection>(BoundaryWords(8, 23));
}

QTEST_GUILESS_MAIN(TestIbmFloatExhaustive)
#include "tst_ibmfloat_exhaustive.moc"
