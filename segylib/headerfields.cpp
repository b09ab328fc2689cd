// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "headerfields.h"

#include "segylayout.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace zel {

namespace {

constexpr int ElevationScalar = 68;
constexpr int CoordinateScalar = 70;
constexpr FieldType S = FieldType::Signed;
constexpr FieldType U = FieldType::Unsigned;

// A field given as the standard writes it: its first byte counted from 1.
constexpr HeaderField At(int byte, int bytes, const char* keyword, const char* name,
                         FieldType type = S, int scalar = -1)
{
    return {byte - 1, bytes, type, keyword, name, scalar};
}

constexpr HeaderField Elevation(int byte, const char* keyword, const char* name)
{
    return At(byte, 4, keyword, name, S, ElevationScalar);
}

constexpr HeaderField Coordinate(int byte, const char* keyword, const char* name)
{
    return At(byte, 4, keyword, name, S, CoordinateScalar);
}

// Byte positions within the binary header, counted from 1 as the standard
// counts within the file (3201 is its first byte).
constexpr HeaderField Binary(int byte, int bytes, const char* keyword, const char* name,
                             FieldType type = S)
{
    return At(byte - 3200, bytes, keyword, name, type);
}

const HeaderField BinaryFields[] = {
    Binary(3201, 4, "jobid", "JobId"),
    Binary(3205, 4, "lino", "LineNumber"),
    Binary(3209, 4, "reno", "ReelNumber"),
    Binary(3213, 2, "ntrpr", "TracesPerEnsemble"),
    Binary(3215, 2, "nart", "AuxiliaryTracesPerEnsemble"),
    Binary(3217, 2, "hdt", "SampleInterval", U),
    Binary(3219, 2, "dto", "OriginalSampleInterval", U),
    Binary(3221, 2, "hns", "SamplesPerTrace", U),
    Binary(3223, 2, "nso", "OriginalSamplesPerTrace", U),
    Binary(3225, 2, "format", "SampleFormat"),
    Binary(3227, 2, "fold", "EnsembleFold"),
    Binary(3229, 2, "tsort", "TraceSorting"),
    Binary(3231, 2, "vscode", "VerticalSum"),
    Binary(3233, 2, "hsfs", "SweepFrequencyStart"),
    Binary(3235, 2, "hsfe", "SweepFrequencyEnd"),
    Binary(3237, 2, "hslen", "SweepLength"),
    Binary(3239, 2, "hstyp", "SweepType"),
    Binary(3241, 2, "schn", "SweepChannel"),
    Binary(3243, 2, "hstas", "SweepTaperStart"),
    Binary(3245, 2, "hstae", "SweepTaperEnd"),
    Binary(3247, 2, "htatyp", "TaperType"),
    Binary(3249, 2, "hcorr", "CorrelatedTraces"),
    Binary(3251, 2, "bgrcv", "BinaryGainRecovered"),
    Binary(3253, 2, "rcvm", "AmplitudeRecovery"),
    Binary(3255, 2, "mfeet", "MeasurementSystem"),
    Binary(3257, 2, "polyt", "ImpulsePolarity"),
    Binary(3259, 2, "vpol", "VibratoryPolarity"),
    Binary(3261, 4, "", "ExtendedTracesPerEnsemble"),
    Binary(3265, 4, "", "ExtendedAuxiliaryTracesPerEnsemble"),
    Binary(3269, 4, "", "ExtendedSamplesPerTrace"),
    Binary(3273, 8, "", "ExtendedSampleInterval", FieldType::Double),
    Binary(3281, 8, "", "ExtendedOriginalSampleInterval", FieldType::Double),
    Binary(3289, 4, "", "ExtendedOriginalSamplesPerTrace"),
    Binary(3293, 4, "", "ExtendedEnsembleFold"),
    Binary(3297, 4, "", "ByteOrderConstant", U),
    Binary(3501, 1, "", "RevisionMajor", U),
    Binary(3502, 1, "", "RevisionMinor", U),
    Binary(3503, 2, "", "FixedLengthTraces"),
    Binary(3505, 2, "", "ExtendedTextualHeaders"),
    Binary(3507, 2, "", "AdditionalTraceHeaders"),
    Binary(3509, 2, "", "SurveyType"),
    Binary(3511, 2, "", "TimeBasis"),
    Binary(3513, 8, "", "TracesInFile", U),
    Binary(3521, 8, "", "FirstTraceOffset", U),
    Binary(3529, 4, "", "TrailerStanzas"),
};

const std::vector<HeaderField> TraceFields = {
    At(1, 4, "tracl", "TraceSequenceLine"),
    At(5, 4, "tracr", "TraceSequenceFile"),
    At(9, 4, "fldr", "FieldRecord"),
    At(13, 4, "tracf", "TraceNumber"),
    At(17, 4, "ep", "EnergySourcePoint"),
    At(21, 4, "cdp", "Ensemble"),
    At(25, 4, "cdpt", "EnsembleTrace"),
    At(29, 2, "trid", "TraceIdentification"),
    At(31, 2, "nvs", "VerticallySummedTraces"),
    At(33, 2, "nhs", "HorizontallyStackedTraces"),
    At(35, 2, "duse", "DataUse"),
    At(37, 4, "offset", "Offset"),
    Elevation(41, "gelev", "ReceiverElevation"),
    Elevation(45, "selev", "SourceElevation"),
    Elevation(49, "sdepth", "SourceDepth"),
    Elevation(53, "gdel", "ReceiverDatumElevation"),
    Elevation(57, "sdel", "SourceDatumElevation"),
    Elevation(61, "swdep", "SourceWaterDepth"),
    Elevation(65, "gwdep", "ReceiverWaterDepth"),
    At(69, 2, "scalel", "ElevationScalar"),
    At(71, 2, "scalco", "CoordinateScalar"),
    Coordinate(73, "sx", "SourceX"),
    Coordinate(77, "sy", "SourceY"),
    Coordinate(81, "gx", "ReceiverX"),
    Coordinate(85, "gy", "ReceiverY"),
    At(89, 2, "counit", "CoordinateUnits"),
    At(91, 2, "wevel", "WeatheringVelocity"),
    At(93, 2, "swevel", "SubweatheringVelocity"),
    At(95, 2, "sut", "SourceUpholeTime"),
    At(97, 2, "gut", "ReceiverUpholeTime"),
    At(99, 2, "sstat", "SourceStatic"),
    At(101, 2, "gstat", "ReceiverStatic"),
    At(103, 2, "tstat", "TotalStatic"),
    At(105, 2, "laga", "LagTimeA"),
    At(107, 2, "lagb", "LagTimeB"),
    At(109, 2, "delrt", "DelayRecordingTime"),
    At(111, 2, "muts", "MuteStart"),
    At(113, 2, "mute", "MuteEnd"),
    At(115, 2, "ns", "Samples", U),
    At(117, 2, "dt", "SampleInterval", U),
    At(119, 2, "gain", "GainType"),
    At(121, 2, "igc", "InstrumentGain"),
    At(123, 2, "igi", "InstrumentInitialGain"),
    At(125, 2, "corr", "Correlated"),
    At(127, 2, "sfs", "SweepFrequencyStart"),
    At(129, 2, "sfe", "SweepFrequencyEnd"),
    At(131, 2, "slen", "SweepLength"),
    At(133, 2, "styp", "SweepType"),
    At(135, 2, "stas", "SweepTaperStart"),
    At(137, 2, "stae", "SweepTaperEnd"),
    At(139, 2, "tatyp", "TaperType"),
    At(141, 2, "afilf", "AliasFilterFrequency"),
    At(143, 2, "afils", "AliasFilterSlope"),
    At(145, 2, "nofilf", "NotchFilterFrequency"),
    At(147, 2, "nofils", "NotchFilterSlope"),
    At(149, 2, "lcf", "LowCutFrequency"),
    At(151, 2, "hcf", "HighCutFrequency"),
    At(153, 2, "lcs", "LowCutSlope"),
    At(155, 2, "hcs", "HighCutSlope"),
    At(157, 2, "year", "Year"),
    At(159, 2, "day", "DayOfYear"),
    At(161, 2, "hour", "Hour"),
    At(163, 2, "minute", "Minute"),
    At(165, 2, "sec", "Second"),
    At(167, 2, "timbas", "TimeBasis"),
    At(169, 2, "trwf", "TraceWeightingFactor"),
    At(171, 2, "grnors", "GroupNumberRollSwitch"),
    At(173, 2, "grnofr", "GroupNumberFirstTrace"),
    At(175, 2, "grnlof", "GroupNumberLastTrace"),
    At(177, 2, "gaps", "GapSize"),
    At(179, 2, "otrav", "OverTravel"),
    Coordinate(181, "cdpx", "EnsembleX"),
    Coordinate(185, "cdpy", "EnsembleY"),
    At(189, 4, "iline", "Inline"),
    At(193, 4, "xline", "Crossline"),
    At(197, 4, "sp", "ShotPoint"),
    At(201, 2, "scalsp", "ShotPointScalar"),
    At(203, 2, "trunit", "TraceValueUnit"),
    At(205, 4, "", "TransductionMantissa"),
    At(209, 2, "", "TransductionExponent"),
    At(211, 2, "", "TransductionUnit"),
    At(213, 2, "", "DeviceIdentifier"),
    At(215, 2, "", "TimeScalar"),
    At(217, 2, "", "SourceType"),
    At(219, 4, "", "SourceEnergyDirectionVertical"),
    At(223, 2, "", "SourceEnergyDirectionCrossline"),
    At(225, 4, "", "SourceMeasurementMantissa"),
    At(229, 2, "", "SourceMeasurementExponent"),
    At(231, 2, "", "SourceMeasurementUnit"),
};

double ReadDouble(const char* at, ByteOrder order)
{
    const quint64 bits = ReadUnsigned(at, 8, order);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

std::vector<HeaderField> BinaryHeaderFields(const SegyLayout& layout)
{
    std::vector<HeaderField> fields(std::begin(BinaryFields), std::end(BinaryFields));
    // Revision 2.0 counts additional trace headers in 4 bytes; 2.1 keeps
    // two of them for the survey type.
    if (layout.RevisionMajor < 2 || (layout.RevisionMajor == 2 && layout.RevisionMinor == 0)) {
        const auto count = std::find_if(fields.begin(), fields.end(), [](const HeaderField& f) {
            return std::strcmp(f.Name, "AdditionalTraceHeaders") == 0;
        });
        count->Bytes = 4;
        fields.erase(count + 1);
    }
    return fields;
}

const std::vector<HeaderField>& TraceHeaderFields()
{
    return TraceFields;
}

std::optional<HeaderField> FindTraceField(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const HeaderField& field : TraceFields) {
        if ((field.Keyword[0] != '\0' &&
             text.compare(QLatin1String(field.Keyword), Qt::CaseInsensitive) == 0) ||
            text.compare(QLatin1String(field.Name), Qt::CaseInsensitive) == 0)
            return field;
    }
    const QStringList parts = text.split(QLatin1Char(':'));
    bool byteRead = false;
    bool widthRead = parts.size() == 1;
    const int byte = parts.first().toInt(&byteRead);
    const int width = parts.size() == 2 ? parts.last().toInt(&widthRead) : 0;
    if (!byteRead || !widthRead || parts.size() > 2)
        return std::nullopt;
    if (parts.size() == 1) {
        for (const HeaderField& field : TraceFields) {
            if (field.Offset == byte - 1)
                return field;
        }
        return std::nullopt;
    }
    if ((width != 1 && width != 2 && width != 4 && width != 8) || byte < 1 ||
        byte - 1 + width > TraceHeaderBytes)
        return std::nullopt;
    return HeaderField{byte - 1, width, FieldType::Signed, "", "", -1};
}

double FieldValue(const char* header, const HeaderField& field, ByteOrder order)
{
    const char* at = header + field.Offset;
    switch (field.Type) {
    case FieldType::Signed:
        return static_cast<double>(ReadSigned(at, field.Bytes, order));
    case FieldType::Unsigned:
        return static_cast<double>(ReadUnsigned(at, field.Bytes, order));
    case FieldType::Double:
        break;
    }
    return ReadDouble(at, order);
}

double ScaledFieldValue(const char* header, const HeaderField& field, ByteOrder order)
{
    const double value = FieldValue(header, field, order);
    if (field.ScalarOffset < 0)
        return value;
    const qint64 scalar = ReadSigned(header + field.ScalarOffset, 2, order);
    if (scalar > 0)
        return value * static_cast<double>(scalar);
    if (scalar < 0)
        return value / static_cast<double>(-scalar);
    return value;
}

char* FormatField(char* out, const char* header, const HeaderField& field, ByteOrder order)
{
    const char* at = header + field.Offset;
    char* const end = out + FieldTextBytes;
    switch (field.Type) {
    case FieldType::Signed:
        return std::to_chars(out, end, ReadSigned(at, field.Bytes, order)).ptr;
    case FieldType::Unsigned:
        return std::to_chars(out, end, ReadUnsigned(at, field.Bytes, order)).ptr;
    case FieldType::Double:
        break;
    }
    return std::to_chars(out, end, ReadDouble(at, order)).ptr;
}

} // namespace zel
