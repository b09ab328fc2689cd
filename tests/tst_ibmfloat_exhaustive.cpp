// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The IBM conversions, in their plain, ordered and file-order forms, on
// every path against results worked out from the two formats alone: the
// input's exact value, in a double, truncated toward zero (or, from IEEE to
// IBM, also rounded to nearest, ties to even) into the target format. All
// 2^32 inputs each way or, with ZEL_EXHAUSTIVE_SAMPLES=N, N pseudo-random
// ones plus every exponent's boundary words (for instrumented builds). Then
// worked examples of those results, and the buffer handling of every path
// (see FirstFailure).

#include "ibmcheck.h"

#include <QTest>
#include <QtEndian>

#include <atomic>
#include <cfenv>
#include <cmath>
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

// The three directions the sweep checks.
enum class Direction { ToFloat, ToIbm, ToIbmRounded };

// `value`, a non-negative double, rounded to an integer: to nearest, ties
// to even, when `rounded`, else toward zero. Worked out without the
// rounding mode, from floor and exact differences.
double ToInteger(double value, bool rounded)
{
    const double below = std::floor(value);
    const double rest = value - below;
    const bool up = rounded && (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2) == 1));
    return up ? below + 1 : below;
}

// The IBM word nearest to the float's value toward zero, or nearest to it
// when `rounded`: the exponent is that of the smallest power of sixteen
// above the magnitude, 16^-32 at least, with leading zero digits below it;
// a fraction that rounds up to 2^24 moves to the next power. Infinities and
// NaNs give the largest.
quint32 ExpectedIbmWord(quint32 floatBits, bool rounded)
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
    int power = std::max((e + 1024) / 4 - 256 + 1, -32);
    const quint32 sign = floatBits & 0x80000000u;
    if (exponent == 255 || magnitude == 0)
        return sign | (exponent == 255 ? 0x7FFFFFFFu : 0);
    auto ibmFraction = quint32(ToInteger(magnitude * PowerOfTwo(24 - 4 * power), rounded));
    if (ibmFraction == 1u << 24) {
        ibmFraction = 1u << 20;
        ++power;
    }
    return sign | quint32(power + 64) << 24 | ibmFraction;
}

// Stores the inputs `first` to `first + count - 1` of `sample` (of all
// 2^32 words when it is empty) at `in`, their expected results at `expected`:
// IBM words least significant byte first, floats in host order. The
// conversions under test run in the rounding mode callers use, restored.
void StoreInputs(Direction direction, const std::vector<quint32>& sample, quint64 first, int count,
                 char* in, char* expected)
{
    const int mode = std::fegetround();
    std::fesetround(FE_TOWARDZERO);
    for (int i = 0; i < count; ++i) {
        const quint32 input = sample.empty() ? quint32(first + i) : sample[first + i];
        const bool fromIbm = direction == Direction::ToFloat;
        qToUnaligned(fromIbm ? qToLittleEndian(input) : input, in + 4 * i);
        qToUnaligned(
            fromIbm ? ExpectedFloatBits(input)
                    : qToLittleEndian(ExpectedIbmWord(input, direction == Direction::ToIbmRounded)),
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

// The operations of each direction: the plain form (IBM words least
// significant byte first), the ordered form (IBM words most significant
// byte first) and the file-order form (every word so).
constexpr IbmOperation directionOperations[3][3] = {
    {IbmOperation::IbmToFloat, IbmOperation::IbmToFloatOrdered, IbmOperation::IbmToIeeeOrdered},
    {IbmOperation::FloatToIbm, IbmOperation::FloatToIbmOrdered, IbmOperation::IeeeToIbmOrdered},
    {IbmOperation::FloatToIbmRounded, IbmOperation::FloatToIbmRoundedOrdered,
     IbmOperation::IeeeToIbmRoundedOrdered}};

// Reverses the bytes of each of the `count` words at `words`.
void ReverseWords(char* words, int count)
{
    for (int i = 0; i < count; ++i)
        qToUnaligned(qbswap(qFromUnaligned<quint32>(words + 4 * i)), words + 4 * i);
}

// Converts every input (all 2^32 when `sample` is empty) on every path, in
// each form, in chunks shared out to a thread per processor, which make the
// library's first calls if nothing did before. Returns for each path that
// failed its count of mismatches and the first.
QString Mismatches(Direction direction, const std::vector<quint32>& sample)
{
    constexpr int chunkSize = 1 << 16;
    const quint64 inputCount = sample.empty() ? quint64(1) << 32 : sample.size();
    std::vector<quint64> mismatches(std::size(zel::allIbmPaths));
    std::vector<QString> first(std::size(zel::allIbmPaths));
    std::mutex tallyMutex;
    std::atomic<quint64> nextChunk{0};
    const bool fromIbm = direction == Direction::ToFloat;
    const auto work = [&] {
        const std::vector<IbmPath> paths = zel::AvailableIbmPaths();
        // Three spare bytes let each chunk start at another alignment.
        std::vector<char> in(4 * chunkSize + 3), out(4 * chunkSize + 3), expected(4 * chunkSize);
        for (quint64 chunk = nextChunk++; chunk * chunkSize < inputCount; chunk = nextChunk++) {
            const int count = int(std::min<quint64>(chunkSize, inputCount - chunk * chunkSize));
            char* const inAt = in.data() + chunk % 4;
            char* const outAt = out.data() + chunk / 4 % 4;
            StoreInputs(direction, sample, chunk * chunkSize, count, inAt, expected.data());
            for (int form = 0; form < 3; ++form) {
                // The ordered form reads or writes the IBM words reversed,
                // the file-order form every word: each form reverses the
                // words that it takes in another order than the one before.
                if (form == 1)
                    ReverseWords(fromIbm ? inAt : expected.data(), count);
                if (form == 2)
                    ReverseWords(fromIbm ? expected.data() : inAt, count);
                const IbmOperation operation = directionOperations[int(direction)][form];
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

    void CheckAll(Direction direction)
    {
        const QByteArray samples = qgetenv("ZEL_EXHAUSTIVE_SAMPLES");
        bool sampled = false;
        const quint64 sampleCount = samples.toULongLong(&sampled);
        QVERIFY2(sampled || samples.isEmpty(), "ZEL_EXHAUSTIVE_SAMPLES must be a count");
        std::vector<quint32> sample;
        if (sampled) {
            sample = BoundaryWords(direction == Direction::ToFloat ? 7 : 8);
            std::mt19937 random(20261206);
            for (quint64 i = 0; i < sampleCount; ++i)
                sample.push_back(quint32(random()));
        }
        const QString failures = Mismatches(direction, sample);
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
    }

private slots:
    // First, so that its threads make the library's first calls, which choose
    // the path, at the same time (the ThreadSanitizer build checks them).
    void everyIbmWordToFloat() { CheckAll(Direction::ToFloat); }
    void everyFloatToIbmWord() { CheckAll(Direction::ToIbm); }
    void everyFloatToIbmWordRounded() { CheckAll(Direction::ToIbmRounded); }

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
        QTest::addColumn<int>("direction");
        QTest::addColumn<quint32>("input");
        QTest::addColumn<quint32>("expected");
        constexpr int toFloat = int(Direction::ToFloat), toIbm = int(Direction::ToIbm),
                      rounded = int(Direction::ToIbmRounded);
        // IBM to float: 1, -118.625, unnormalised 6.25, dirty zeros, negative zero,
        // subnormals (one truncated), below them, the largest float, saturation.
        // Float to IBM: -118.625, 0.1 truncated, negative zero, the largest float,
        // the smallest normal, subnormals of exponent 32 and 33, -infinity, NaN.
        // Rounded: 0.1 and -0.1 up, ties to the even fraction (normal and
        // subnormal, each way), a fraction rounding up to a new leading digit,
        // the largest float exact, NaN.
        const std::tuple<int, quint32, quint32> rows[] = {
            {toFloat, 0x41100000, 0x3F800000}, {toFloat, 0xC276A000, 0xC2ED4000},
            {toFloat, 0x42064000, 0x40C80000}, {toFloat, 0x41000000, 0x00000000},
            {toFloat, 0xFF000000, 0x80000000}, {toFloat, 0x80000000, 0x80000000},
            {toFloat, 0x2008B610, 0x000116C2}, {toFloat, 0x20000008, 0x00000001},
            {toFloat, 0x2000000F, 0x00000001}, {toFloat, 0xA0000007, 0x80000000},
            {toFloat, 0x60FFFFFF, 0x7F7FFFFF}, {toFloat, 0x61100000, 0x7F7FFFFF},
            {toFloat, 0x7FFFFFFF, 0x7F7FFFFF}, {toFloat, 0xFFFFFFFF, 0xFF7FFFFF},
            {toIbm, 0xC2ED4000, 0xC276A000},   {toIbm, 0x3DCCCCCD, 0x40199999},
            {toIbm, 0x80000000, 0x80000000},   {toIbm, 0x7F7FFFFF, 0x60FFFFFF},
            {toIbm, 0x00800000, 0x21400000},   {toIbm, 0x00000001, 0x20000008},
            {toIbm, 0x001FFFFF, 0x20FFFFF8},   {toIbm, 0x00200000, 0x21100000},
            {toIbm, 0xFF800000, 0xFFFFFFFF},   {toIbm, 0x7FC00000, 0x7FFFFFFF},
            {rounded, 0x3DCCCCCD, 0x4019999A}, {rounded, 0xBDCCCCCD, 0xC019999A},
            {rounded, 0x3E800001, 0x40400000}, {rounded, 0x3E800003, 0x40400002},
            {rounded, 0x00200001, 0x21100000}, {rounded, 0x00200003, 0x21100002},
            {rounded, 0x3EFFFFFF, 0x40800000}, {rounded, 0x7F7FFFFF, 0x60FFFFFF},
            {rounded, 0x001FFFFF, 0x20FFFFF8}, {rounded, 0x7FC00000, 0x7FFFFFFF}};
        const char* const names[] = {"IBM", "float", "rounded"};
        for (auto [direction, input, expected] : rows)
            QTest::addRow("%s %08x", names[direction], input) << direction << input << expected;
    }

    void workedExamples()
    {
        QFETCH(int, direction);
        QFETCH(quint32, input);
        QFETCH(quint32, expected);
        char in[4];
        char out[4];
        StoreInputs(Direction(direction), {input}, 0, 1, in, out);
        QCOMPARE(qFromUnaligned<quint32>(out),
                 Direction(direction) == Direction::ToFloat ? expected : qToLittleEndian(expected));
        const QString failures = Mismatches(Direction(direction), {input});
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
            {IbmOperation::IbmToFloat, 4},
            {IbmOperation::FloatToIbm, 4},
            {IbmOperation::IbmToFloatOrdered, 4},
            {IbmOperation::FloatToIbmOrdered, 4},
            {IbmOperation::FloatToIbmRounded, 4},
            {IbmOperation::IbmToIeeeOrdered, 4},
            {IbmOperation::IeeeToIbmRoundedOrdered, 4},
            {IbmOperation::ByteSwapArray, 2},
            {IbmOperation::ByteSwapArray, 4},
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
