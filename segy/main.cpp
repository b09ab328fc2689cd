// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "converter.h"
#include "interruption.h"
#include "progress.h"
#include "report.h"
#include "samplestats.h"
#include "segyfile.h"
#include "tracestream.h"

#include <zelapp.h>
#include <zelversion.h>

#include <QCommandLineParser>
#include <QFile>

#include <cstdio>

namespace {

const char* const ProgramName = "zel-segy";

enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

// The application object of a program without a display.
class SegyApp : public ZelApp
{
public:
    SegyApp(int& argc, char** argv)
        : ZelApp(argc, argv, false)
    {}

    bool Init() override
    {
        Name = QStringLiteral("ZEL Vornik SEG-Y tool");
        MajorVersion = ZEL_VERSION_MAJOR;
        MinorVersion = ZEL_VERSION_MINOR;
        Release = ZEL_VERSION_PATCH;
        setApplicationVersion(QStringLiteral(ZEL_VERSION_STRING));
        return true;
    }
};

void PrintError(const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", ProgramName, qPrintable(message));
}

int Fail(const QString& file, const QString& problem)
{
    PrintError(file + QStringLiteral(": ") + problem);
    return Failure;
}

int Usage(const QString& problem)
{
    PrintError(problem);
    std::fprintf(stderr, "Try '%s --help' for more information.\n", ProgramName);
    return UsageError;
}

// Drops the toolkit's remarks while it starts (such as a missing runtime
// directory, which a program without a display never uses), so standard
// error holds this program's diagnostics only.
void IgnoreStartupRemark(QtMsgType type, const QMessageLogContext& /*context*/,
                         const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        PrintError(message);
}

int WriteOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
        return Fail(QStringLiteral("standard output"), QStringLiteral("write failed"));
    return Success;
}

// Opens `path` and lays it out; false with `problem` set when it cannot.
bool OpenSegy(const QString& path, QFile& file, SegyLayout& layout, QString& problem)
{
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        problem = file.errorString();
        return false;
    }
    return ReadLayout(file, layout, problem);
}

int RunInfo(const QString& path, bool json, bool scan, bool showProgress)
{
    QFile file;
    SegyLayout layout;
    QString problem;
    if (!OpenSegy(path, file, layout, problem))
        return Fail(path, problem);
    SampleStats stats;
    if (scan) {
        Progress progress(showProgress, QStringLiteral("scanning"),
                          layout.Traces * layout.TraceBytes);
        const SampleRun add = [&](char* words, qint64 count) {
            stats.Add(words, count, *layout.Format, layout.Order);
        };
        const ChunkSink ignore = [](const char*, qint64, QString&) { return true; };
        const bool read = StreamTraces(file, layout, add, ignore, progress, problem);
        progress.Finish();
        if (!read)
            return Fail(path, problem);
    }
    const SampleStats* figures = scan ? &stats : nullptr;
    return WriteOut(json ? InfoJson(path, layout, figures)
                         : InfoText(path, layout, figures).toUtf8());
}

int RunConvert(const QString& inPath, const QString& outPath, int targetCode, bool showProgress)
{
    QFile in;
    SegyLayout layout;
    QString problem;
    if (!OpenSegy(inPath, in, layout, problem))
        return Fail(inPath, problem);
    const int code = layout.Format->Code;
    if (code != IbmFloatCode && code != IeeeFloatCode) {
        return Fail(inPath, QStringLiteral("samples are format %1 (%2); only IBM (1) and IEEE (5) "
                                           "floating point convert")
                                .arg(code)
                                .arg(QLatin1String(layout.Format->Name)));
    }
    if (!layout.Note.isEmpty())
        PrintError(inPath + QStringLiteral(": ") + layout.Note);
    if (code == targetCode) {
        PrintError(inPath +
                   QStringLiteral(": samples are already format %1; copied unchanged").arg(code));
    }
    Progress progress(showProgress, QStringLiteral("converting"), layout.FileBytes);
    ConversionFailure failure;
    const bool converted = ConvertFile(in, layout, outPath, targetCode, progress, failure);
    progress.Finish();
    return converted ? Success : Fail(failure.File, failure.Problem);
}

} // namespace

int main(int argc, char** argv)
{
    const QtMessageHandler standardHandler = qInstallMessageHandler(IgnoreStartupRemark);
    SegyApp app(argc, argv);
    qInstallMessageHandler(standardHandler);
    app.Init();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Inspects SEG-Y files and converts their samples between IBM and IEEE floating point.\n"
        "\n"
        "Commands:\n"
        "  info FILE            byte order, revision, sample format, interval, samples per\n"
        "                       trace, traces, extended headers and the textual header\n"
        "  convert IN OUT       copies IN to OUT with every sample converted (needs --to)"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("info: print one JSON object."));
    const QCommandLineOption scanOption(
        QStringLiteral("scan"),
        QStringLiteral(
            "info: read every sample; report minimum, maximum, RMS and rare IBM words."));
    const QCommandLineOption toOption(QStringLiteral("to"),
                                      QStringLiteral("convert: target sample format."),
                                      QStringLiteral("ieee|ibm"));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                         QStringLiteral("Show no progress line."));
    parser.addOptions({jsonOption, scanOption, toOption, quietOption});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("info or convert"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("FILE, or IN and OUT"),
                                 QStringLiteral("files..."));
    if (!parser.parse(QCoreApplication::arguments()))
        return Usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(Success);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    QStringList arguments = parser.positionalArguments();
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const bool showProgress = !parser.isSet(quietOption) && StandardErrorIsTerminal();
    if (command == QLatin1String("info")) {
        if (arguments.size() != 1)
            return Usage(QStringLiteral("info takes one FILE"));
        if (parser.isSet(toOption))
            return Usage(QStringLiteral("--to belongs to convert"));
        return RunInfo(arguments.first(), parser.isSet(jsonOption), parser.isSet(scanOption),
                       showProgress);
    }
    if (command == QLatin1String("convert")) {
        if (arguments.size() != 2)
            return Usage(QStringLiteral("convert takes IN and OUT"));
        if (parser.isSet(jsonOption) || parser.isSet(scanOption))
            return Usage(QStringLiteral("--json and --scan belong to info"));
        const QString target = parser.value(toOption);
        if (target != QLatin1String("ieee") && target != QLatin1String("ibm"))
            return Usage(QStringLiteral("convert needs --to ieee or --to ibm"));
        CatchInterruptions();
        return RunConvert(arguments.at(0), arguments.at(1),
                          target == QLatin1String("ieee") ? IeeeFloatCode : IbmFloatCode,
                          showProgress);
    }
    return Usage(command.isEmpty() ? QStringLiteral("no command given")
                                   : QStringLiteral("unknown command '%1'").arg(command));
}
