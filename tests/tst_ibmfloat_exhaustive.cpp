// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// IbmToFloat and FloatToIbm, and their ordered forms on words most
// significant byte first, on every path against results worked out from the
// two formats alone: the input's exact value, in a double, truncated toward
// zero into the target format. All 2^32 inputs each way or, with
// ZEL_EXHAUSTIVE_SAMPLES=N, N pseudo-random ones plus every exponent's
// boundary words (for instrumented builds). Then worked examples of those
// results, and the buffer handling of every path (see FirstFailure).

#include "ibmcheck.h"

#include <QTest>
#include <QtEndian>

#include <atomic>
#include <cfenv>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <random>
#include <thread>
#include <tuple>

namespace {

// 2^n, for n within the exponent range of normal doubles.
double PowerOfTwo(int n)
{
    const quint64 bits = quint64(n + 1023) << 52;
    double power;
    std::memcpy(&power, &bits, sizeof power);
    return power;
}

// The float nearest toward zero to the IBM word's value. Needs the rounding
// mode toward zero, in which the conversion from double truncates, keeps the
// sign of values that underflow and gives the largest float above its range.
quint32 ExpectedFloatBits(quint32 ibm)
{
    const double magnitude = (ibm & 0xFFFFFFu) * PowerOfTwo(4 * int(ibm >> 24 & 0x7Fu) - 280);
    const float value = float(ibm >> 31 ? -magnitude : magnitude);
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The IBM word of largest magnitude not above the float's: the exponent is
// that of the smallest power of sixteen above the magnitude, 16^-32 at least,
// with leading zero digits below it. Infinities and NaNs give the largest.
quint32 ExpectedIbmWord(quint32 floatBits)
{
    const int exponent = int(floatBits >> 23 & 0xFFu);
    const quint32 fraction = floatBits & 0x7FFFFFu;
    const double magnitude =
        (exponent > 0 ? fraction | 0x800000u : fraction) * PowerOfTwo(std::max(exponent, 1) - 150);
    // The magnitude lies in [2^e, 2^(e + 1)), e its double's exponent; the
    // smallest power of sixteen above it is 16^(floor(e / 4) + 1).
    quint64 bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int e = int(bits >> 52) - 1023;
    const int power = std::max((e + 1024) / 4 - 256 + 1, -32);
    const quint32 sign = floatBits & 0x80000000u;
    if (exponent == 255 || magnitude == 0)
        return sign | (exponent == 255 ? 0x7FFFFFFFu : 0);
    return sign | quint32(power + 64) << 24 | quint32(magnitude * PowerOfTwo(24 - 4 * power));
}

// Stores the inputs `first` to `first + count - 1` of `sample` (of all
// 2^32 words when it is empty) at `in`, their expected results at `expected`:
// IBM words least significant byte first, floats in host order. The
// conversions under test run in the rounding mode callers use, restored.
void StoreInputs(bool fromIbm, const std::vector<quint32>& sample, quint64 first, int count,
                 char* in, char* expected)
{
    const int mode = std::fegetround();
    std::fesetround(FE_TOWARDZERO);
    for (int i = 0; i < count; ++i) {
        const quint32 input = sample.empty() ? quint32(first + i) : sample[first + i];
        qToUnaligned(fromIbm ? qToLittleEndian(input) : input, in + 4 * i);
        qToUnaligned(fromIbm ? ExpectedFloatBits(input) : qToLittleEndian(ExpectedIbmWord(input)),
                     expected + 4 * i);
    }
    std::fesetround(mode);
}

// The words with an `exponentBits`-bit exponent whose fraction is zero, all
// ones, or for one of its bits: the bit, plus one, minus one, ones from it.
std::vector<quint32> BoundaryWords(int exponentBits)
{
    const int fractionBits = 31 - exponentBits;
    const quint32 ones = (1u << fractionBits) - 1;
    std::vector<quint32> words;
    for (quint32 high = 0; high < 2u << exponentBits; ++high) {
        for (int bit = 0; bit < fractionBits; ++bit) {
            for (quint32 fraction :
                 {0u, ones, 1u << bit, (1u << bit) + 1, (1u << bit) - 1, ones >> bit})
                words.push_back(high << fractionBits | fraction);
        }
    }
    return words;
}

// Converts every input (all 2^32 when `sample` is empty) on every path, in
// chunks shared out to a thread per processor, which make the library's
// first calls if nothing did before. Returns for each path that failed its
// count of mismatches and the first.
QString Mismatches(bool fromIbm, const std::vector<quint32>& sample)
{
    constexpr int chunkSize = 1 << 16;
    const quint64 inputCount = sample.empty() ? quint64(1) << 32 : sample.size();
    std::vector<quint64> mismatches(std::size(zel::allIbmPaths));
    std::vector<QString> first(std::size(zel::allIbmPaths));
    std::mutex tallyMutex;
    std::atomic<quint64> nextChunk{0};
    const auto work = [&] {
        const std::vector<IbmPath> paths = zel::AvailableIbmPaths();
        // Three spare bytes let each chunk start at another alignment.
        std::vector<char> in(4 * chunkSize + 3), out(4 * chunkSize + 3), expected(4 * chunkSize);
        for (quint64 chunk = nextChunk++; chunk * chunkSize < inputCount; chunk = nextChunk++) {
            const int count = int(std::min<quint64>(chunkSize, inputCount - chunk * chunkSize));
            char* const inAt = in.data() + chunk % 4;
            char* const outAt = out.data() + chunk / 4 % 4;
            StoreInputs(fromIbm, sample, chunk * chunkSize, count, inAt, expected.data());
            for (bool ordered : {false, true}) {
                // The ordered form reads and writes the IBM words reversed.
                char* const ibmWords = fromIbm ? inAt : expected.data();
                for (int i = 0; ordered && i < count; ++i)
                    qToUnaligned(qbswap(qFromUnaligned<quint32>(ibmWords + 4 * i)),
                                 ibmWords + 4 * i);
                const IbmOperation operation =
                    fromIbm
                        ? (ordered ? IbmOperation::IbmToFloatOrdered : IbmOperation::IbmToFloat)
                        : (ordered ? IbmOperation::FloatToIbmOrdered : IbmOperation::FloatToIbm);
                for (IbmPath path : paths) {
                    // Every output byte differs from the expected one until written.
                    for (std::size_t i = 0; i < 4 * std::size_t(count); ++i)
                        outAt[i] = char(~expected[i]);
                    Run(path, operation, 4, inAt, outAt, count);
                    if (std::memcmp(outAt, expected.data(), 4 * std::size_t(count)) == 0)
                        continue;
                    const std::lock_guard<std::mutex> lock(tallyMutex);
                    for (int i = 0; i < count; ++i) {
                        const auto result = qFromUnaligned<quint32>(outAt + 4 * i);
                        const auto wanted = qFromUnaligned<quint32>(expected.data() + 4 * i);
                        if (result != wanted && mismatches[int(path)]++ == 0)
                            first[int(path)] = QString::asprintf(
                                "%s: %08x gave %08x, not %08x", ibmOperationNames[int(operation)],
                                qFromUnaligned<quint32>(inAt + 4 * i), result, wanted);
                    }
                }
            }
        }
    };
    std::vector<std::thread> threads(std::max(1u, std::thread::hardware_concurrency()));
    for (std::thread& thread : threads)
        thread = std::thread(work);
    for (std::thread& thread : threads)
        thread.join();
    QString failures;
    for (IbmPath path : zel::AvailableIbmPaths()) {
        if (mismatches[int(path)] > 0)
            failures += QString::asprintf("\n%s: %llu mismatches, first %s", qPrintable(Name(path)),
                                          mismatches[int(path)], qPrintable(first[int(path)]));
    }
    return failures;
}

} // namespace

class TestIbmFloatExhaustive : public QObject
{
    Q_OBJECT

    void CheckAll(bool fromIbm)
    {
        const QByteArray samples = qgetenv("ZEL_EXHAUSTIVE_SAMPLES");
        bool sampled = false;
        const quint64 sampleCount = samples.toULongLong(&sampled);
        QVERIFY2(sampled || samples.isEmpty(), "ZEL_EXHAUSTIVE_SAMPLES must be a count");
        std::vector<quint32> sample;
        if (sampled) {
            sample = BoundaryWords(fromIbm ? 7 : 8);
            std::mt19937 random(20261206);
            for (quint64 i = 0; i < sampleCount; ++i)
                sample.push_back(quint32(random()));
        }
        const QString failures = Mismatches(fromIbm, sample);
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
    }

private slots:
    // First, so that its threads make the library's first calls, which choose
    // the path, at the same time (the ThreadSanitizer build checks them).
    void everyIbmWordToFloat() { CheckAll(true); }
    void everyFloatToIbmWord() { CheckAll(false); }

    // ZEL_SIMD, when it names a path this processor runs, is the path the
    // public functions take (the buffer checks then run that path through
    // them); otherwise the fastest is.
    void pathInUse()
    {
        const QByteArray forced = qgetenv("ZEL_SIMD");
        const std::vector<IbmPath> available = zel::AvailableIbmPaths();
        const auto named = std::find_if(available.begin(), available.end(), [&](IbmPath path) {
            return forced == zel::IbmPathName(path);
        });
        if (!forced.isEmpty() && named == available.end())
            QSKIP("ZEL_SIMD names no path this processor runs");
        QCOMPARE(zel::IbmPathInUse(), forced.isEmpty() ? available.back() : *named);
    }

    void workedExamples_data()
    {
        QTest::addColumn<bool>("fromIbm");
        QTest::addColumn<quint32>("input");
        QTest::addColumn<quint32>("expected");
        // IBM to float: 1, -118.625, unnormalised 6.25, dirty zeros, negative zero,
        // subnormals (one truncated), below them, the largest float, saturation.
        // Float to IBM: -118.625, 0.1 truncated, negative zero, the largest float,
        // the smallest normal, subnormals of exponent 32 and 33, -infinity, NaN.
        const std::tuple<bool, quint32, quint32> rows[] = {
            {true, 0x41100000, 0x3F800000},  {true, 0xC276A000, 0xC2ED4000},
            {true, 0x42064000, 0x40C80000},  {true, 0x41000000, 0x00000000},
            {true, 0xFF000000, 0x80000000},  {true, 0x80000000, 0x80000000},
            {true, 0x2008B610, 0x000116C2},  {true, 0x20000008, 0x00000001},
            {true, 0x2000000F, 0x00000001},  {true, 0xA0000007, 0x80000000},
            {true, 0x60FFFFFF, 0x7F7FFFFF},  {true, 0x61100000, 0x7F7FFFFF},
            {true, 0x7FFFFFFF, 0x7F7FFFFF},  {true, 0xFFFFFFFF, 0xFF7FFFFF},
            {false, 0xC2ED4000, 0xC276A000}, {false, 0x3DCCCCCD, 0x40199999},
            {false, 0x80000000, 0x80000000}, {false, 0x7F7FFFFF, 0x60FFFFFF},
            {false, 0x00800000, 0x21400000}, {false, 0x00000001, 0x20000008},
            {false, 0x001FFFFF, 0x20FFFFF8}, {false, 0x00200000, 0x21100000},
            {false, 0xFF800000, 0xFFFFFFFF}, {false, 0x7FC00000, 0x7FFFFFFF}};
        for (auto [fromIbm, input, expected] : rows)
            QTest::addRow("%s %08x", fromIbm ? "IBM" : "float", input)
                << fromIbm << input << expected;
    }

    void workedExamples()
    {
        QFETCH(bool, fromIbm);
        QFETCH(quint32, input);
        QFETCH(quint32, expected);
        char in[4];
        char out[4];
        StoreInputs(fromIbm, {input}, 0, 1, in, out);
        QCOMPARE(qFromUnaligned<quint32>(out), fromIbm ? expected : qToLittleEndian(expected));
        const QString failures = Mismatches(fromIbm, {input});
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
    }

    void everyCountAndAlignment()
    {
        // The scalar path runs everywhere, a path the library does not know nowhere.
        QVERIFY(zel::IbmPathAvailable(IbmPath::Scalar));
        QVERIFY(!zel::IbmPathAvailable(IbmPath(std::size(zel::allIbmPaths))));
        std::mt19937 random(1);
        std::vector<char> words(40 * 8);
        for (char& byte : words)
            byte = char(random());
        for (int count = -1; count <= 40; ++count) {
            for (int in = 0; in < 4; ++in) {
                for (int out = 0; out < 4; ++out) {
                    const QString failure = FirstFailure(words.data(), count, in, out);
                    QVERIFY2(failure.isEmpty(), qPrintable(failure));
                }
            }
        }
    }

    void streamedOutputs()
    {
        // Outputs of 16 MiB and more are streamed from their first 64-byte
        // boundary on when whole words reach it: here they start 8, 4 and 1
        // bytes past one, and end past a whole block. ByteSwapArray, which is
        // not streamed, works in place on a copy of the input.
        const int count = (16 << 20) / 4 + 5;
        std::vector<char> in(4 * std::size_t(count)), expected(in.size()), out(in.size() + 76);
        std::mt19937 random(2);
        std::generate(in.begin(), in.end(), [&] { return char(random()); });
        const auto isFill = [](char byte) { return byte == '\x5A'; };
        char* const boundary =
            out.data() + (64 - reinterpret_cast<std::uintptr_t>(out.data()) % 64);
        const std::pair<IbmOperation, int> operations[] = {
            {IbmOperation::IbmToFloat, 4},        {IbmOperation::FloatToIbm, 4},
            {IbmOperation::IbmToFloatOrdered, 4}, {IbmOperation::FloatToIbmOrdered, 4},
            {IbmOperation::ByteSwapArray, 2},     {IbmOperation::ByteSwapArray, 4},
            {IbmOperation::ByteSwapArray, 8}};
        for (const auto& [operation, wordSize] : operations) {
            const int words = int(in.size()) / wordSize;
            const std::size_t bytes = std::size_t(words) * wordSize;
            std::copy(in.begin(), in.end(), expected.begin());
            Run(IbmPath::Scalar, operation, wordSize, in.data(), expected.data(), words);
            for (IbmPath path : zel::AvailableIbmPaths()) {
                for (char* at : {boundary + 8, boundary + 4, boundary + 1}) {
                    std::fill(out.begin(), out.end(), '\x5A');
                    std::copy(in.begin(), in.end(), at);
                    Run(path, operation, wordSize, in.data(), at, words);
                    // Nothing is written before the output or past the copied input.
                    QVERIFY2(std::memcmp(at, expected.data(), bytes) == 0 &&
                                 std::all_of(out.data(), at, isFill) &&
                                 std::all_of(at + in.size(), out.data() + out.size(), isFill),
                             qPrintable(Name(path) + QLatin1String(": ") +
                                        QLatin1String(ibmOperationNames[int(operation)]) +
                                        QString::number(wordSize)));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestIbmFloatExhaustive)
#include "tst_ibmfloat_exhaustive.moc"
