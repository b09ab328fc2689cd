#include "zelfunctions.h"

#include <QtTest>

#include <unistd.h>

#include <vector>

extern char** environ;

namespace {

// Replaces the whole process environment with `entries`, in this order,
// until it goes out of scope.
class ScopedEnvironment
{
public:
    explicit ScopedEnvironment(const QByteArrayList& entries)
        : m_entries(entries)
        , m_saved(environ)
    {
        for (QByteArray& entry : m_entries)
            m_pointers.push_back(entry.data());
        m_pointers.push_back(nullptr);
        environ = m_pointers.data();
    }
    ~ScopedEnvironment() { environ = m_saved; }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    QByteArrayList m_entries;
    std::vector<char*> m_pointers;
    char** m_saved;
};

void addLookup(const char* name, const QByteArrayList& environment, const char* envName,
               const char* expected)
{
    QTest::newRow(name) << environment << QString::fromLatin1(envName)
                        << QString::fromLatin1(expected);
}

} // namespace

class TestGetEnv : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<QByteArrayList>("environment");
        QTest::addColumn<QString>("envName");
        QTest::addColumn<QString>("expected");

        const QByteArrayList longerFirst = {"ABC=1", "AB=2"};
        const QByteArrayList longerLast = {"AB=2", "ABC=1"};
        addLookup("longer name first", longerFirst, "AB", "2");
        addLookup("longer name last", longerLast, "AB", "2");
        addLookup("pattern for the longer name", longerLast, "AB.", "1");
        addLookup("first match wins", longerFirst, "AB.*", "1");
        addLookup("first match wins, reversed", longerLast, "AB.*", "2");
        addLookup("alternation matches whole names", {"XAB=3", "AB=2"}, "X|AB", "2");
        addLookup("name inside a longer name", {"XABY=1"}, "AB", "");
        addLookup("no such name", longerFirst, "XY", "");
        addLookup("case matters", longerFirst, "ab", "");
        addLookup("empty name", {"=0", "AB=2"}, "", "");
        addLookup("value is not part of the name", {"A=B"}, "A=B", "");
        addLookup("value holding =", {"A=x=y"}, "A", "x=y");
        addLookup("value kept as it is", {"A= $HOME \t"}, "A", " $HOME \t");
        addLookup("empty value", {"A=", "A=later"}, "A", "");
        addLookup("entry without =", {"NAME", "NAME=v"}, "NAME", "v");
        addLookup("unbalanced bracket", longerFirst, "AB(", "");
        addLookup("open class", longerFirst, "[", "");
        addLookup("nothing to repeat", longerFirst, "*", "");
    }

    void lookup()
    {
        QFETCH(QByteArrayList, environment);
        QFETCH(QString, envName);
        QFETCH(QString, expected);
        QString value;
        {
            const ScopedEnvironment scoped(environment);
            value = GetEnv(envName);
        }
        QCOMPARE(value, expected);
    }
};

QTEST_GUILESS_MAIN(TestGetEnv)
#include "tst_getenv.moc"
