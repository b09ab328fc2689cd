#include "zelfunctions.h"

#include <QtTest>

class TestCalendarNames : public QObject
{
    Q_OBJECT

private slots:
    void monthNames()
    {
        QCOMPARE(MonthNames[0], QStringLiteral("not set"));
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(MonthNames[month], QLocale::c().monthName(month));
    }

    void yearNames()
    {
        QCOMPARE(YearNames[0], QStringLiteral("not set"));
        for (int index = 1; index <= 20; ++index)
            QCOMPARE(YearNames[index], QString::number(2000 + index));
    }
};

QTEST_GUILESS_MAIN(TestCalendarNames)
#include "tst_calendarnames.moc"
