#include "ibmsamples.h"

#include <zelfunctions.h>

#include <cstring>

namespace {

struct IbmSample
{
    quint32 word; // as IBM systems write it, most significant byte first
    float value;
};

const IbmSample ibmSamples[] = {
    {0x41100000u, 1.0f}, {0xC276A000u, -118.625f}, {0x42640000u, 100.0f},
    {0x40800000u, 0.5f}, {0x00000000u, 0.0f},
};

// The library holds IBM words least significant byte first.
void storeWord(quint32 word, char* bytes)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((word >> (8 * i)) & 0xFFu);
}

quint32 loadWord(const char* bytes)
{
    quint32 word = 0;
    for (int i = 3; i >= 0; --i)
        word = (word << 8) | quint32(static_cast<unsigned char>(bytes[i]));
    return word;
}

} // namespace

int CheckIbmSamples(QStringList& report)
{
    int failures = 0;
    for (const IbmSample& sample : ibmSamples) {
        char bytes[4];
        storeWord(sample.word, bytes);
        float value = 0;
        IbmToFloat(bytes, &value, 1);
        char back[4];
        FloatToIbm(&value, back, 1);
        const quint32 backWord = loadWord(back);
        const bool ok =
            std::memcmp(&value, &sample.value, sizeof value) == 0 && backWord == sample.word;
        failures += ok ? 0 : 1;
        report << QStringLiteral("IBM %1 -> %2 -> IBM %3: %4")
                      .arg(sample.word, 8, 16, QLatin1Char('0'))
                      .arg(double(value))
                      .arg(backWord, 8, 16, QLatin1Char('0'))
                      .arg(ok ? QStringLiteral("ok") : QStringLiteral("WRONG"));
    }
    return failures;
}
