// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "converter.h"
#include "filecheck.h"
#include "filenames.h"
#include "geometryreport.h"
#include "headerreport.h"
#include "interruption.h"
#include "progress.h"
#include "report.h"
#include "samplestats.h"
#include "tooltexts.h"

#include <zelsegy.h>
#include <zelversion.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

using namespace zel;

namespace {

const char* const ProgramName = "zel-segy";

enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

// Qt's texts (those of the command-line parser) and the tool's own, in the
// user's language where there is a catalogue for it; the tool's own are
// built in.
void InstallCatalogues(QCoreApplication& app)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    const std::pair<const char*, QString> catalogues[] = {
        {"qtbase", qtTranslations}, {"zelsegytool", QStringLiteral(":/i18n")}};
    for (const auto& [name, directory] : catalogues) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QLocale::system(), QLatin1String(name), QStringLiteral("_"),
                             directory))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
    InstallSegyTranslation();
}

void PrintError(const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", ProgramName, qPrintable(message));
}

// One line naming the file, when there is a name, and what went wrong.
int Fail(const QString& file, const QString& problem)
{
    PrintError(file.isEmpty() ? problem : file + QStringLiteral(": ") + problem);
    return Failure;
}

int Usage(const QString& problem)
{
    PrintError(problem);
    std::fprintf(
        stderr, "%s\n",
        qPrintable(
            SegyTool::tr("Try '%1 --help' for more information.").arg(QLatin1String(ProgramName))));
    return UsageError;
}

int WriteOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
        return Fail(SegyTool::tr("standard output"), QString::fromLocal8Bit(std::strerror(errno)));
    return Success;
}

// The value that the word given to `option` names among `choices`, in
// `chosen`, which stays as it is when the option is not given; false when
// the word names none of them.
template<typename Value>
bool Choose(const QCommandLineParser& parser, const QCommandLineOption& option,
            std::initializer_list<std::pair<const char*, Value>> choices,
            std::optional<Value>& chosen)
{
    if (!parser.isSet(option))
        return true;
    for (const auto& [word, value] : choices) {
        if (parser.value(option) == QLatin1String(word)) {
            chosen = value;
            return true;
        }
    }
    return false;
}

// Copies the stream `source` to a temporary file that is gone once
// closed, and opens that as `file`: the layout is worked out by reading at
// several places, and a stream can be read once only.
bool SpoolStream(int source, QFile& file, QString& problem)
{
    const QString folder = QDir::tempPath();
    QByteArray pattern = QFile::encodeName(folder) + "/zel-segy-XXXXXX";
    const int spool = ::mkstemp(pattern.data());
    if (spool < 0) {
        problem = SegyTool::tr("no temporary file can be created in %1: %2")
                      .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::unlink(pattern.constData());
    std::vector<char> buffer(size_t{1} << 20);
    for (;;) {
        const ssize_t got = ::read(source, buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        const char* at = buffer.data();
        ssize_t left = got;
        while (left > 0) {
            const ssize_t written = ::write(spool, at, static_cast<size_t>(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                break;
            at += written;
            left -= written;
        }
        if (got < 0 || left > 0) {
            problem = got < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                              : SegyTool::tr("no room for the stream in %1: %2")
                                    .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
            ::close(spool);
            return false;
        }
    }
    if (::lseek(spool, 0, SEEK_SET) != 0 ||
        !file.open(spool, QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        ::close(spool);
        return false;
    }
    return true;
}

// Opens `name` for reading, "-" being standard input; false with `problem`
// set when it cannot. Pipes and FIFOs are read to their end first; a FIFO
// without a writer is read as empty rather than waited for.
bool OpenInput(const FileName& name, QFile& file, QString& problem)
{
    if (name.Bytes.isEmpty()) {
        problem = SegyTool::tr("the file name is empty");
        return false;
    }
    const bool standardInput = name.Bytes == "-";
    struct stat status = {};
    const bool known = standardInput ? ::fstat(STDIN_FILENO, &status) == 0
                                     : ::stat(name.Bytes.constData(), &status) == 0;
    // Sockets and character devices (terminals, endless ones such as
    // /dev/zero) are not read.
    if (known && !S_ISREG(status.st_mode) && !S_ISBLK(status.st_mode) &&
        !S_ISFIFO(status.st_mode)) {
        problem = SegyTool::tr("not a file or a pipe; zel-segy reads files, pipes and FIFOs");
        return false;
    }
    // By its bytes, which Qt's file functions could not reach were they not
    // UTF-8.
    const int descriptor =
        standardInput ? ::dup(STDIN_FILENO)
                      : ::open(name.Bytes.constData(),
                               O_RDONLY | O_CLOEXEC | (S_ISFIFO(status.st_mode) ? O_NONBLOCK : 0));
    if (descriptor >= 0 && known && S_ISFIFO(status.st_mode)) {
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
        const bool spooled = SpoolStream(descriptor, file, problem);
        ::close(descriptor);
        return spooled;
    }
    if (descriptor < 0 || !file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                                     QFileDevice::AutoCloseHandle)) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        if (descriptor >= 0)
            ::close(descriptor);
        return false;
    }
    return true;
}

// Opens `name` and lays it out; false with `problem` set when it cannot.
bool OpenSegy(const FileName& name, const LayoutOverrides& overrides, QFile& file,
              SegyLayout& layout, QString& problem)
{
    if (!OpenInput(name, file, problem))
        return false;
    SegyFinding finding;
    if (ReadLayout(file, overrides, layout, finding))
        return true;
    problem = FindingText(finding);
    return false;
}

// Opens `name`, lays it out and returns what `command` returns for them;
// status 1, with a line naming the file, when it cannot be opened or laid
// out.
template<typename Command>
int OnSegy(const FileName& name, const LayoutOverrides& overrides, Command command)
{
    QFile file;
    SegyLayout layout;
    QString problem;
    if (!OpenSegy(name, overrides, file, layout, problem))
        return Fail(name.Shown, problem);
    return command(file, layout);
}

int RunInfo(const FileName& name, const LayoutOverrides& overrides, bool json, bool scan,
            bool showProgress)
{
    const QString& path = name.Shown;
    return OnSegy(name, overrides, [&](QFile& file, const SegyLayout& layout) -> int {
        QString problem;
        SampleStats stats;
        if (scan) {
            Progress progress(showProgress, SegyTool::tr("scanning"),
                              layout.DataEnd - layout.DataOffset);
            const bool read = ScanSamples(file, layout, progress, stats, problem);
            progress.Finish();
            if (!read)
                return Fail(path, problem);
        }
        const SampleStats* figures = scan ? &stats : nullptr;
        return WriteOut(json ? InfoJson(path, layout, figures)
                             : InfoText(path, layout, figures).toUtf8());
    });
}

int RunHeaders(const FileName& name, const LayoutOverrides& overrides, HeaderRequest request)
{
    const QString& path = name.Shown;
    return OnSegy(name, overrides, [&](QFile& file, const SegyLayout& layout) -> int {
        QString problem;
        // An SU file has no file headers: its first trace header is shown.
        if (layout.Kind == FileKind::SeismicUnix && request.Fields.empty() && !request.Traces)
            request.Traces = TraceRange{0, 1, 1};
        if (!WriteHeaders(file, path, layout, request, stdout, problem))
            return Fail(QString(), problem);
        return Success;
    });
}

int RunGeometry(const FileName& name, const LayoutOverrides& overrides,
                std::optional<std::pair<int, int>> lineBytes, bool json)
{
    const QString& path = name.Shown;
    return OnSegy(name, overrides, [&](QFile& file, const SegyLayout& layout) -> int {
        SurveyGeometry geometry;
        SegyFinding finding;
        if (!ReadGeometry(file, layout, lineBytes, geometry, finding))
            return Fail(path, FindingText(finding));
        return WriteOut(json ? GeometryJson(path, geometry)
                             : GeometryText(path, geometry).toUtf8());
    });
}

// Every problem found, each on a line of its own (or in one JSON object);
// status 0 when there is none.
int RunCheck(const FileName& name, const LayoutOverrides& overrides, bool json, bool showProgress)
{
    const QString& path = name.Shown;
    QFile file;
    QString problem;
    if (!OpenInput(name, file, problem))
        return Fail(path, problem);
    SegyLayout layout;
    SegyFinding failure;
    QList<SegyFinding> findings;
    if (ReadLayout(file, overrides, layout, failure)) {
        Progress progress(showProgress, SegyTool::tr("checking"),
                          layout.DataEnd - layout.DataOffset);
        const bool read = CheckLaidOutFile(file, layout, overrides, progress, findings, problem);
        progress.Finish();
        if (!read)
            return Fail(path, problem);
    } else {
        findings << failure;
    }
    QByteArray output;
    if (json) {
        QJsonArray list;
        for (const SegyFinding& finding : findings) {
            list.append(QJsonObject{{QStringLiteral("what"), finding.What},
                                    {QStringLiteral("offset"), finding.Offset},
                                    {QStringLiteral("override"), finding.Override}});
        }
        output = QJsonDocument(QJsonObject{{QStringLiteral("file"), path},
                                           {QStringLiteral("clean"), findings.isEmpty()},
                                           {QStringLiteral("findings"), list}})
                     .toJson(QJsonDocument::Indented);
    } else if (findings.isEmpty()) {
        output =
            (path + QStringLiteral(": ") + SegyTool::tr("no problems found") + QLatin1Char('\n'))
                .toUtf8();
    } else {
        for (const SegyFinding& finding : findings)
            output +=
                (path + QStringLiteral(": ") + FindingText(finding) + QLatin1Char('\n')).toUtf8();
    }
    const int written = WriteOut(output);
    return written != Success ? written : findings.isEmpty() ? Success : Failure;
}

// The bounds "LO:HI" give, either left out for no bound, or "V" for V alone.
std::optional<std::pair<double, double>> ParseBounds(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2 || text.isEmpty())
        return std::nullopt;
    double bounds[2] = {-std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::infinity()};
    for (int i = 0; i < parts.size(); ++i) {
        if (parts.at(i).isEmpty())
            continue;
        bool read = false;
        bounds[i] = parts.at(i).toDouble(&read);
        if (!read || !std::isfinite(bounds[i]))
            return std::nullopt;
    }
    if (parts.size() == 1)
        bounds[1] = bounds[0];
    if (bounds[0] > bounds[1])
        return std::nullopt;
    return std::pair{bounds[0], bounds[1]};
}

// The field and bounds of "FIELD=LO:HI".
std::optional<TraceSelection::FieldBounds> ParseFieldBounds(const QString& text)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    const std::optional<HeaderField> field = FindTraceField(text.left(equals));
    const std::optional<std::pair<double, double>> bounds = ParseBounds(text.mid(equals + 1));
    if (!field || !bounds)
        return std::nullopt;
    return TraceSelection::FieldBounds{*field, bounds->first, bounds->second};
}

// The samples from `times` (milliseconds, the upper bound left out) of a
// trace whose first sample is `delay` milliseconds in, `interval`
// microseconds apart, in `selection`.
void SetTimeWindow(const std::pair<double, double>& times, double delay, double interval,
                   TraceSelection& selection)
{
    const auto sampleAt = [&](double time) {
        return std::max(0.0, std::ceil((time - delay) * 1000 / interval));
    };
    selection.FirstSample = std::isfinite(times.first) ? qint64(sampleAt(times.first)) : 0;
    selection.EndSample = std::isfinite(times.second) ? qint64(sampleAt(times.second)) : -1;
}

int RunConvert(const FileName& inName, const FileName& outName, const LayoutOverrides& overrides,
               ConversionRequest request, const std::optional<std::pair<double, double>>& times,
               bool showProgress)
{
    const QString& inPath = inName.Shown;
    QFile in;
    SegyLayout layout;
    QString problem;
    if (!OpenSegy(inName, overrides, in, layout, problem))
        return Fail(inPath, problem);
    if (outName.Bytes.isEmpty())
        return Fail(QString(), SegyTool::tr("the output file name is empty"));
    const bool fromSu = layout.Kind == FileKind::SeismicUnix;
    if (!fromSu && request.TargetCode == 0 && !request.Order && !request.ToSu && !request.Crop)
        return Usage(SegyTool::tr("convert needs --to, --to-endian or --to-su for a SEG-Y file"));
    if (request.ToSu && request.TargetCode == IbmFloatCode)
        return Usage(SegyTool::tr("SU samples are IEEE floating point; --to ibm does not go "
                                  "with --to-su"));
    if (request.ToSu && !fromSu) {
        qint64 longest = layout.SamplesPerTrace;
        for (const TracePlace& trace : layout.Walked)
            longest = std::max(longest, trace.Samples);
        if (longest > 65535) {
            return Fail(inPath, SegyTool::tr("SU traces hold at most 65535 samples, and this file "
                                             "has traces of %1")
                                    .arg(longest));
        }
    }
    if (times) {
        char delay[2] = {};
        if (layout.Traces > 0 && (!in.seek(layout.Trace(0).Offset + 108) || in.read(delay, 2) != 2))
            return Fail(inPath, in.errorString());
        if (layout.SampleInterval <= 0)
            return Fail(inPath, SegyTool::tr("--time needs a sample interval, and the file "
                                             "gives none"));
        SetTimeWindow(*times, double(ReadSigned(delay, 2, layout.Order)), layout.SampleInterval,
                      *request.Crop);
    }
    if (request.Crop) {
        const TraceSelection& crop = *request.Crop;
        const qint64 longest = layout.Walked.empty()
                                   ? layout.SamplesPerTrace
                                   : std::max_element(layout.Walked.begin(), layout.Walked.end(),
                                                      [](const TracePlace& a, const TracePlace& b) {
                                                          return a.Samples < b.Samples;
                                                      })
                                         ->Samples;
        const qint64 end = crop.EndSample < 0 ? longest : std::min(crop.EndSample, longest);
        if (crop.FirstSample >= end) {
            return Fail(inPath, SegyTool::tr("the window keeps no sample of traces of at most %1 "
                                             "samples")
                                    .arg(longest));
        }
    }
    const int code = layout.Format->Code;
    if (request.ToSu)
        request.TargetCode = IeeeFloatCode;
    const bool turning = request.Order && *request.Order != layout.Order;
    if (turning && layout.ExtraTraceHeaders > 0 && !request.ToSu) {
        return Fail(inPath, SegyTool::tr("the byte order of additional trace headers cannot be "
                                         "turned: their fields are their writer's"));
    }
    for (const SegyFinding& note : layout.Notes)
        PrintError(inPath + QStringLiteral(": ") + FindingText(note));
    const bool sameKind = fromSu == request.ToSu && !request.Crop;
    if (sameKind && !turning && request.TargetCode == code) {
        PrintError(inPath + QStringLiteral(": ") +
                   SegyTool::tr("samples are already format %1; copied unchanged").arg(code));
    } else if (sameKind && !turning && request.TargetCode == 0) {
        PrintError(inPath + QStringLiteral(": ") +
                   SegyTool::tr("the file is already in that byte order; copied unchanged"));
    }
    Progress progress(showProgress, SegyTool::tr("converting"), layout.FileBytes);
    ConversionCounts counts;
    ConversionFailure failure;
    const bool converted = ConvertFile(in, inPath, layout, outName.Shown, outName.Bytes, request,
                                       progress, counts, failure);
    progress.Finish();
    if (!converted)
        return Fail(failure.File, failure.Problem);
    if (counts.Saturated + counts.Flushed > 0) {
        PrintError(inPath + QStringLiteral(": ") +
                   SegyTool::tr("%1 samples beyond the float range became the largest float, "
                                "%2 below its smallest became zero")
                       .arg(counts.Saturated)
                       .arg(counts.Flushed));
    }
    if (counts.DelaysRounded > 0) {
        PrintError(inPath + QStringLiteral(": ") +
                   SegyTool::tr("the delay recording time of %1 traces rounded to whole "
                                "milliseconds")
                       .arg(counts.DelaysRounded));
    }
    if (request.Crop && counts.Traces == 0)
        PrintError(inPath + QStringLiteral(": ") + SegyTool::tr("no trace kept"));
    if (counts.Inexact > 0) {
        PrintError(inPath + QStringLiteral(": ") +
                   SegyTool::tr("%1 samples that no float holds exactly became the nearest float")
                       .arg(counts.Inexact));
    }
    if (counts.NonFinite > 0) {
        PrintError(inPath + QStringLiteral(": ") +
                   SegyTool::tr("%1 infinities and NaNs became the largest IBM values")
                       .arg(counts.NonFinite));
    }
    return Success;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEL_VERSION_STRING));
    InstallCatalogues(app);

    QCommandLineParser parser;
    // "-platform" is an unknown option "platform", not the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(SegyTool::tr(
        "Inspects SEG-Y and SU files and converts their samples between IBM and\n"
        "IEEE floating point.\n"
        "\n"
        "Commands:\n"
        "  info FILE       byte order, revision, sample format, interval, samples per\n"
        "                  trace, traces, extended headers and the textual header\n"
        "  headers FILE    the textual and binary headers, field by field; with\n"
        "                  --traces, every field of those trace headers; with --field,\n"
        "                  a table of those fields, one row per trace\n"
        "  geometry FILE   the survey's grid from the trace headers: the inline and\n"
        "                  crossline fields, sorting, ranges, missing and repeated\n"
        "                  bins, corners\n"
        "  check FILE      every inconsistency found, each with the option that reads\n"
        "                  the file anyway; status 1 when there is one\n"
        "  convert IN OUT  copies IN to OUT with every sample converted (--to) or\n"
        "                  every word turned (--to-endian)\n"
        "  crop IN OUT     copies the traces and samples chosen of IN to OUT, with\n"
        "                  the headers set to match; converts as convert does"));
    // Not Qt's own help option, which would advertise --help-all, nor its
    // printing, which would not see a failed write.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        SegyTool::tr("Show this help and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           SegyTool::tr("Show the version and exit."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    const QCommandLineOption jsonOption(
        QStringLiteral("json"),
        SegyTool::tr("info, headers, geometry, check: print one JSON object."));
    const QCommandLineOption inlineOption(
        QStringLiteral("iline"),
        SegyTool::tr("headers, geometry: the inline numbers are the 4-byte field at BYTE "
                     "(geometry needs --xline too)."),
        QStringLiteral("BYTE"));
    const QCommandLineOption crosslineOption(
        QStringLiteral("xline"),
        SegyTool::tr("headers, geometry: the crossline numbers are the 4-byte field at BYTE."),
        QStringLiteral("BYTE"));
    const QCommandLineOption fieldOption(
        QStringLiteral("field"),
        SegyTool::tr("headers: a trace header field by keyword (cdp, offset, iline...), name, "
                     "first byte, or BYTE:WIDTH; may be given more than once."),
        QStringLiteral("F"));
    const QCommandLineOption tracesOption(
        QStringLiteral("traces"),
        SegyTool::tr("headers, crop: the traces, from 0: A, or A:B:STEP up to but not "
                     "including B (any part may be left out)."),
        QStringLiteral("RANGE"));
    const QCommandLineOption whereOption(
        QStringLiteral("where"),
        SegyTool::tr("crop: keep the traces whose FIELD lies from LO to HI, both included (either "
                     "may be left out); may be given more than once."),
        QStringLiteral("FIELD=LO:HI"));
    const QCommandLineOption windowOption(
        QStringLiteral("window"),
        SegyTool::tr("crop: keep the samples from A up to but not including B, counted from 0."),
        QStringLiteral("A:B"));
    const QCommandLineOption timeOption(
        QStringLiteral("time"),
        SegyTool::tr("crop: keep the samples from T0 up to but not including T1 milliseconds, "
                     "timed from the first trace's delay."),
        QStringLiteral("T0:T1"));
    const QCommandLineOption csvOption(QStringLiteral("csv"),
                                       SegyTool::tr("headers: print the table of --field as CSV."));
    const QCommandLineOption nonzeroOption(QStringLiteral("nonzero"),
                                           SegyTool::tr("headers: leave out fields that are 0."));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        SegyTool::tr("headers: apply the coordinate and elevation scalars."));
    const QCommandLineOption scanOption(
        QStringLiteral("scan"),
        SegyTool::tr("info: read every sample; report minimum, maximum, RMS and rare IBM words."));
    const QCommandLineOption toOption(QStringLiteral("to"),
                                      SegyTool::tr("convert: target sample format."),
                                      QStringLiteral("ieee|ibm"));
    const QCommandLineOption toEndianOption(
        QStringLiteral("to-endian"),
        SegyTool::tr("convert: the output's byte order, every header field and sample turned."),
        QStringLiteral("big|little"));
    const QCommandLineOption toSuOption(
        QStringLiteral("to-su"),
        SegyTool::tr("convert: write an SU file, the traces alone with IEEE samples (an SU file "
                     "becomes SEG-Y otherwise)."));
    const QCommandLineOption roundOption(
        QStringLiteral("round"),
        SegyTool::tr("convert --to ibm: round each sample to the nearest IBM value, not toward "
                     "zero."));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                         SegyTool::tr("Show no progress line."));
    const QCommandLineOption endianOption(QStringLiteral("endian"),
                                          SegyTool::tr("Read the file in this byte order."),
                                          QStringLiteral("big|little"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          SegyTool::tr("Read the samples as this format code."),
                                          QStringLiteral("N"));
    const QCommandLineOption samplesOption(QStringLiteral("samples"),
                                           SegyTool::tr("Read every trace as N samples long."),
                                           QStringLiteral("N"));
    const QCommandLineOption textOption(
        QStringLiteral("text"), SegyTool::tr("Read the textual headers in this character code."),
        QStringLiteral("ebcdic|ascii"));
    const QCommandLineOption salvageOption(
        QStringLiteral("salvage"),
        SegyTool::tr("Read the whole traces of a file whose last trace is cut short."));
    parser.addOptions({jsonOption,     scanOption,    fieldOption,  tracesOption,    csvOption,
                       nonzeroOption,  scaleOption,   inlineOption, crosslineOption, toOption,
                       toEndianOption, toSuOption,    roundOption,  quietOption,     endianOption,
                       formatOption,   samplesOption, textOption,   salvageOption,   whereOption,
                       windowOption,   timeOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 SegyTool::tr("info, headers, geometry, check or convert"),
                                 SegyTool::tr("command"));
    parser.addPositionalArgument(QStringLiteral("files"), SegyTool::tr("FILE, or IN and OUT"),
                                 SegyTool::tr("files..."));
    if (!parser.parse(QCoreApplication::arguments()))
        return Usage(parser.errorText());
    if (parser.isSet(helpOption))
        return WriteOut(parser.helpText().toLocal8Bit());
    if (parser.isSet(versionOption)) {
        return WriteOut(QStringLiteral("%1 %2\n")
                            .arg(QLatin1String(ProgramName), QCoreApplication::applicationVersion())
                            .toLocal8Bit());
    }
    for (const QCommandLineOption& option :
         {toOption, toEndianOption, endianOption, formatOption, samplesOption, tracesOption,
          inlineOption, crosslineOption, textOption}) {
        if (parser.values(option).size() > 1)
            return Usage(SegyTool::tr("--%1 given more than once").arg(option.names().constLast()));
    }

    LayoutOverrides overrides;
    if (!Choose(parser, endianOption,
                {{"big", ByteOrder::BigEndian}, {"little", ByteOrder::LittleEndian}},
                overrides.Order))
        return Usage(SegyTool::tr("--endian takes big or little"));
    if (parser.isSet(formatOption)) {
        overrides.FormatCode = parser.value(formatOption).toInt();
        if (FindSampleFormat(overrides.FormatCode) == nullptr)
            return Usage(SegyTool::tr("--format takes a sample format code of the standard"));
    }
    if (parser.isSet(samplesOption)) {
        overrides.SamplesPerTrace = parser.value(samplesOption).toLongLong();
        if (overrides.SamplesPerTrace <= 0)
            return Usage(SegyTool::tr("--samples takes a count above zero"));
    }
    std::optional<TextEncoding> text;
    if (!Choose(parser, textOption,
                {{"ebcdic", TextEncoding::Ebcdic}, {"ascii", TextEncoding::Ascii}}, text))
        return Usage(SegyTool::tr("--text takes ebcdic or ascii"));
    overrides.Text = text.value_or(TextEncoding::Detect);
    overrides.Salvage = parser.isSet(salvageOption);
    // The first bytes (from 1) of the 4-byte inline and crossline fields;
    // 0 where not given.
    int lineBytes[2] = {};
    const QCommandLineOption* lineOptions[2] = {&inlineOption, &crosslineOption};
    for (int line = 0; line < 2; ++line) {
        if (!parser.isSet(*lineOptions[line]))
            continue;
        lineBytes[line] = parser.value(*lineOptions[line]).toInt();
        if (lineBytes[line] < 1 || lineBytes[line] > 237)
            return Usage(SegyTool::tr("--iline and --xline take the first byte (1 to 237) of a "
                                      "4-byte field"));
    }

    QStringList positional = parser.positionalArguments();
    const QString command = positional.isEmpty() ? QString() : positional.takeFirst();
    const QList<FileName> arguments = FileNames(positional, argc, argv);
    const bool showProgress = !parser.isSet(quietOption) && StandardErrorIsTerminal();
    const bool convertOptions = parser.isSet(toOption) || parser.isSet(toEndianOption) ||
                                parser.isSet(toSuOption) || parser.isSet(roundOption);
    const bool headerOptions = parser.isSet(fieldOption) || parser.isSet(tracesOption) ||
                               parser.isSet(csvOption) || parser.isSet(nonzeroOption) ||
                               parser.isSet(scaleOption);
    if ((parser.isSet(whereOption) || parser.isSet(windowOption) || parser.isSet(timeOption)) &&
        command != QLatin1String("crop"))
        return Usage(SegyTool::tr("--where, --window and --time belong to crop"));
    if (command == QLatin1String("headers")) {
        if (arguments.size() != 1)
            return Usage(SegyTool::tr("headers takes one FILE"));
        if (convertOptions || parser.isSet(scanOption))
            return Usage(SegyTool::tr("--to, --round and --scan do not belong to headers"));
        HeaderRequest request;
        for (const QString& name : parser.values(fieldOption)) {
            std::optional<HeaderField> field = FindTraceField(name);
            if (!field)
                return Usage(SegyTool::tr("--field %1 names no trace header field").arg(name));
            for (int line = 0; line < 2; ++line) {
                if (lineBytes[line] != 0 &&
                    qstrcmp(field->Keyword, line == 0 ? "iline" : "xline") == 0) {
                    field->Offset = lineBytes[line] - 1;
                    field->Bytes = 4;
                }
            }
            request.Fields.push_back({*field, name});
        }
        if (parser.isSet(tracesOption)) {
            request.Traces = ParseTraceRange(parser.value(tracesOption));
            if (!request.Traces)
                return Usage(SegyTool::tr("--traces takes A or A:B:STEP, counted from 0"));
        }
        if (parser.isSet(csvOption) && (parser.isSet(jsonOption) || request.Fields.empty()))
            return Usage(SegyTool::tr("--csv prints the table of --field, not with --json"));
        if (parser.isSet(nonzeroOption) && !request.Fields.empty())
            return Usage(SegyTool::tr("--nonzero belongs to the listings, not to --field"));
        request.Style = parser.isSet(jsonOption)  ? HeaderStyle::Json
                        : parser.isSet(csvOption) ? HeaderStyle::Csv
                                                  : HeaderStyle::Aligned;
        request.NonZero = parser.isSet(nonzeroOption);
        request.Scale = parser.isSet(scaleOption);
        return RunHeaders(arguments.first(), overrides, request);
    }
    if ((parser.isSet(inlineOption) || parser.isSet(crosslineOption)) &&
        command != QLatin1String("geometry"))
        return Usage(SegyTool::tr("--iline and --xline belong to headers and geometry"));
    if (command == QLatin1String("check")) {
        if (arguments.size() != 1)
            return Usage(SegyTool::tr("check takes one FILE"));
        if (headerOptions || convertOptions || parser.isSet(scanOption))
            return Usage(SegyTool::tr("check takes --json and the options that read a file"));
        return RunCheck(arguments.first(), overrides, parser.isSet(jsonOption), showProgress);
    }
    if (command == QLatin1String("geometry")) {
        if (arguments.size() != 1)
            return Usage(SegyTool::tr("geometry takes one FILE"));
        if (headerOptions || convertOptions || parser.isSet(scanOption))
            return Usage(SegyTool::tr("geometry takes --json, --iline and --xline"));
        std::optional<std::pair<int, int>> lines;
        if (parser.isSet(inlineOption) || parser.isSet(crosslineOption)) {
            if (lineBytes[0] == 0 || lineBytes[1] == 0)
                return Usage(SegyTool::tr("geometry takes --iline and --xline together"));
            lines = std::pair{lineBytes[0], lineBytes[1]};
        }
        return RunGeometry(arguments.first(), overrides, lines, parser.isSet(jsonOption));
    }
    const bool cropping = command == QLatin1String("crop");
    if (cropping || command == QLatin1String("convert")) {
        if (arguments.size() != 2)
            return Usage(SegyTool::tr("%1 takes IN and OUT").arg(command));
        if (parser.isSet(jsonOption) || parser.isSet(scanOption))
            return Usage(SegyTool::tr("--json and --scan belong to info"));
        if (headerOptions && !(cropping && parser.isSet(tracesOption) &&
                               !parser.isSet(fieldOption) && !parser.isSet(csvOption) &&
                               !parser.isSet(nonzeroOption) && !parser.isSet(scaleOption)))
            return Usage(SegyTool::tr("--field, --csv, --nonzero and --scale belong to headers, "
                                      "--traces to headers and crop"));
        ConversionRequest request;
        std::optional<int> target;
        if (!Choose(parser, toOption, {{"ieee", IeeeFloatCode}, {"ibm", IbmFloatCode}}, target) ||
            !Choose(parser, toEndianOption,
                    {{"big", ByteOrder::BigEndian}, {"little", ByteOrder::LittleEndian}},
                    request.Order))
            return Usage(SegyTool::tr("convert takes --to ieee|ibm and --to-endian big|little"));
        request.TargetCode = target.value_or(0);
        request.ToSu = parser.isSet(toSuOption);
        request.Rounded = parser.isSet(roundOption);
        if (request.Rounded && request.TargetCode != IbmFloatCode)
            return Usage(SegyTool::tr("--round belongs to --to ibm"));
        std::optional<std::pair<double, double>> times;
        if (cropping) {
            TraceSelection selection;
            if (parser.isSet(tracesOption)) {
                const std::optional<TraceRange> range = ParseTraceRange(parser.value(tracesOption));
                if (!range)
                    return Usage(SegyTool::tr("--traces takes A or A:B:STEP, counted from 0"));
                selection.Traces = *range;
            }
            for (const QString& where : parser.values(whereOption)) {
                std::optional<TraceSelection::FieldBounds> bounds = ParseFieldBounds(where);
                if (!bounds)
                    return Usage(SegyTool::tr("--where takes FIELD=LO:HI, FIELD a trace header "
                                              "field, LO and HI numbers"));
                selection.Where.push_back(*bounds);
            }
            if (parser.isSet(windowOption) && parser.isSet(timeOption))
                return Usage(SegyTool::tr("--window and --time do not go together"));
            if (parser.isSet(windowOption)) {
                const std::optional<std::pair<double, double>> window =
                    ParseBounds(parser.value(windowOption));
                if (!window || window->first < 0 || window->first != std::floor(window->first) ||
                    (std::isfinite(window->second) && window->second != std::floor(window->second)))
                    return Usage(SegyTool::tr("--window takes A:B, sample numbers from 0"));
                selection.FirstSample = qint64(window->first);
                selection.EndSample = std::isfinite(window->second) ? qint64(window->second) : -1;
            }
            if (parser.isSet(timeOption)) {
                times = ParseBounds(parser.value(timeOption));
                if (!times)
                    return Usage(SegyTool::tr("--time takes T0:T1 in milliseconds"));
            }
            request.Crop = selection;
        }
        CatchInterruptions();
        return RunConvert(arguments.at(0), arguments.at(1), overrides, request, times,
                          showProgress);
    }
    if (headerOptions)
        return Usage(SegyTool::tr("--field, --traces, --csv, --nonzero and --scale belong to "
                                  "headers"));
    if (command == QLatin1String("info")) {
        if (arguments.size() != 1)
            return Usage(SegyTool::tr("info takes one FILE"));
        if (convertOptions)
            return Usage(SegyTool::tr("--to and --round belong to convert"));
        return RunInfo(arguments.first(), overrides, parser.isSet(jsonOption),
                       parser.isSet(scanOption), showProgress);
    }
    return Usage(command.isEmpty() ? SegyTool::tr("no command given")
                                   : SegyTool::tr("unknown command '%1'").arg(command));
}
