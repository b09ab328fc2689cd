// GetEnv with arbitrary patterns: valid, invalid, and patterns that
// backtrack catastrophically against the long names set up below. Each
// call must return (libFuzzer's -timeout and the test's time limit bound
// it) with either an empty string or the value of an environment entry.
// Plain names, written as escaped patterns, are checked against a simple
// reference: the value of the first entry with exactly that name.
//
// Input: byte 0 chooses the mode, the rest is the pattern (modes 0 and 1)
// or the choice of a name and of a prefix of it (mode 2).

#include "fuzzcheck.h"
#include "zelfunctions.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Variables for patterns to backtrack on (a long name, long values), a
// value holding "=", an empty value, and a value and a name spread over two
// lines.
struct Variable
{
    const char* name;
    const char* value;
};
const Variable OwnVariables[] = {
    {"ZELFUZZ_AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", "long name"},
    {"ZELFUZZ_LONG", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
    {"ZELFUZZ_EQUALS", "x=y"},
    {"ZELFUZZ_EMPTY", ""},
    {"ZELFUZZ_LINES", "first\nsecond"},
    {"ZELFUZZ_NAME\nON_TWO_LINES", "name on two lines"},
};
constexpr int OwnVariableCount = sizeof(OwnVariables) / sizeof(OwnVariables[0]);

// The entries in the order of the process's environment block.
QStringList environmentEntries()
{
    return QProcess::systemEnvironment();
}

QString nameOf(const QString& entry)
{
    return entry.left(entry.indexOf(QLatin1Char('=')));
}

QString valueOf(const QString& entry)
{
    return entry.mid(entry.indexOf(QLatin1Char('=')) + 1);
}

bool isValueOfSomeEntry(const QString& value, const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (valueOf(entry) == value)
            return true;
    }
    return false;
}

// The value of the first variable called `name`, else "".
QString referenceLookup(const QString& name, const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (entry.contains(QLatin1Char('=')) && nameOf(entry) == name)
            return valueOf(entry);
    }
    return QString();
}

void checkPattern(const QString& pattern)
{
    const QString value = GetEnv(pattern);
    FUZZ_CHECK(value.isEmpty() || isValueOfSomeEntry(value, environmentEntries()));
}

// A name, or a prefix of a name that may itself be a variable, of one of the
// variables set up here (byte 0 below 0x80) or of any entry of the
// environment (the order of which differs between runs).
void checkPlainName(const std::uint8_t* data, std::size_t size)
{
    const QStringList entries = environmentEntries();
    if (size < 2 || entries.isEmpty())
        return;
    QString fullName;
    if (data[0] < 0x80) {
        fullName = QString::fromLatin1(OwnVariables[data[0] % OwnVariableCount].name);
    } else {
        fullName = nameOf(entries.at(data[0] % entries.size()));
    }
    if (fullName.isEmpty())
        return;
    const QString name = fullName.left(1 + data[1] % fullName.size());
    FUZZ_CHECK(GetEnv(QRegularExpression::escape(name)) == referenceLookup(name, entries));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (const Variable& variable : OwnVariables)
        setenv(variable.name, variable.value, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0] % 3;
    ++data;
    --size;
    switch (mode) {
    case 0:
        checkPattern(
            QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size)));
        break;
    case 1: { // UTF-16 code units as they come, unpaired surrogates included
        std::u16string units(size / 2, u'\0');
        std::memcpy(&units[0], data, units.size() * 2);
        checkPattern(
            QString(reinterpret_cast<const QChar*>(units.data()), static_cast<int>(units.size())));
        break;
    }
    default:
        checkPlainName(data, size);
        break;
    }
    return 0;
}
