// Several threads run every conversion function at once, each on buffers
// of its own, starting together so that even the first calls overlap. Every
// thread must get exactly the results that one thread alone gets. Built
// with ThreadSanitizer, this also reports any state the library shares
// between calls without synchronisation.

#include "zelfunctions.h"

#include <QtTest>

#include <atomic>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int ThreadCount = 8;
constexpr int Rounds = 200;
constexpr int Samples = 1024;
constexpr int BcdBytes = 16;
const char* const VariableName = "ZEL_CONCURRENT_CONVERSION";

// The inputs of one thread, different for every thread.
struct Inputs
{
    explicit Inputs(unsigned int seed)
        : ibmWords(sizeof(float) * Samples)
        , floatWords(sizeof(float) * Samples)
        , text(256)
        , bcd(BcdBytes)
    {
        std::mt19937 random(seed);
        for (std::vector<char>* bytes : {&ibmWords, &floatWords, &text, &bcd}) {
            for (char& byte : *bytes)
                byte = static_cast<char>(random());
        }
    }

    std::vector<char> ibmWords;
    std::vector<char> floatWords;
    std::vector<char> text;
    std::vector<char> bcd;
};

// Everything one pass over the inputs produces.
struct Results
{
    std::vector<char> floatsFromIbm;
    std::vector<char> floatsFromIbmInPlace;
    std::vector<char> ibmFromFloats;
    std::vector<char> ibmFromFloatsInPlace;
    std::vector<char> ebcdic;
    std::vector<char> ascii;
    std::vector<int> packed;
    std::vector<char> swapped;
    std::vector<char> swappedArray;
    QString variable;
    QString names;

    bool operator==(const Results& other) const
    {
        return floatsFromIbm == other.floatsFromIbm &&
               floatsFromIbmInPlace == other.floatsFromIbmInPlace &&
               ibmFromFloats == other.ibmFromFloats &&
               ibmFromFloatsInPlace == other.ibmFromFloatsInPlace && ebcdic == other.ebcdic &&
               ascii == other.ascii && packed == other.packed && swapped == other.swapped &&
               swappedArray == other.swappedArray && variable == other.variable &&
               names == other.names;
    }
};

std::vector<char> floatBytes(const std::vector<float>& floats)
{
    std::vector<char> bytes(floats.size() * sizeof(float));
    std::memcpy(bytes.data(), floats.data(), bytes.size());
    return bytes;
}

Results convertAll(const Inputs& in)
{
    Results out;

    std::vector<char> words = in.ibmWords;
    std::vector<float> floats(Samples);
    IbmToFloat(words.data(), floats.data(), Samples);
    out.floatsFromIbm = floatBytes(floats);
    IbmToFloat(words.data(), reinterpret_cast<float*>(words.data()), Samples);
    out.floatsFromIbmInPlace = words;

    std::vector<float> floatInput(Samples);
    std::memcpy(floatInput.data(), in.floatWords.data(), in.floatWords.size());
    out.ibmFromFloats.resize(in.floatWords.size());
    FloatToIbm(floatInput.data(), out.ibmFromFloats.data(), Samples);
    FloatToIbm(floatInput.data(), reinterpret_cast<char*>(floatInput.data()), Samples);
    out.ibmFromFloatsInPlace = floatBytes(floatInput);

    out.ebcdic = in.text;
    AsciiToEbcdic(out.ebcdic.data(), int(out.ebcdic.size()));
    out.ascii = in.text;
    EbcdicToAscii(out.ascii.data(), int(out.ascii.size()));

    std::vector<char> bcd = in.bcd;
    for (int digits = 0; digits <= 2 * BcdBytes - 1; ++digits)
        out.packed.push_back(BcdToInt(bcd.data(), 0, true, digits));
    for (int order = 0; order <= 1; ++order) {
        out.packed.push_back(Get3Byte(bcd.data(), order));
        out.packed.push_back(int(GetUnsigned3Byte(bcd.data(), order)));
    }

    out.swapped = in.bcd;
    auto* swapBytes = reinterpret_cast<unsigned char*>(out.swapped.data());
    ByteSwap(swapBytes, 2);
    ByteSwap(swapBytes + 2, 4);
    ByteSwap(swapBytes + 6, 8);
    out.swappedArray = in.ibmWords;
    ByteSwapArray(reinterpret_cast<unsigned char*>(out.swappedArray.data()), 4, Samples);

    out.variable = GetEnv(QString::fromLatin1(VariableName));
    for (const QString& name : MonthNames)
        out.names += name;
    for (const QString& name : YearNames)
        out.names += name;
    return out;
}

} // namespace

class TestConcurrentConversion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void threadsGetTheResultsOfOne();
};

void TestConcurrentConversion::initTestCase()
{
    qputenv(VariableName, "set for every thread");
}

void TestConcurrentConversion::threadsGetTheResultsOfOne()
{
    std::vector<Inputs> inputs;
    inputs.reserve(ThreadCount);
    for (int i = 0; i < ThreadCount; ++i)
        inputs.emplace_back(1000u + unsigned(i));
    std::vector<Results> firstResults(ThreadCount);
    std::vector<int> changedRounds(ThreadCount, 0);

    // No conversion runs before the threads do, and they all start at once.
    std::atomic<int> waiting{ThreadCount};
    std::vector<std::thread> threads;
    threads.reserve(ThreadCount);
    for (int i = 0; i < ThreadCount; ++i) {
        threads.emplace_back([&, i] {
            waiting.fetch_sub(1);
            while (waiting.load() > 0)
                std::this_thread::yield();
            firstResults[i] = convertAll(inputs[i]);
            for (int round = 1; round < Rounds; ++round) {
                if (!(convertAll(inputs[i]) == firstResults[i]))
                    ++changedRounds[i];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();

    for (int i = 0; i < ThreadCount; ++i) {
        QCOMPARE(changedRounds[i], 0);
        QVERIFY2(firstResults[i] == convertAll(inputs[i]), qPrintable(QString::number(i)));
    }
    QCOMPARE(firstResults[0].variable, QStringLiteral("set for every thread"));
}

QTEST_GUILESS_MAIN(TestConcurrentConversion)
#include "tst_concurrentconversion.moc"
