// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The viewer's models: colours of values in each map with clip and gain,
// percentile clips, the variable-density image against the colours of its
// samples, the trace header table sorted as numbers, axis numbers and
// ticks, and background reads that are cancelled, replaced and completed.

#include "axisscale.h"
#include "backgroundread.h"
#include "colourmap.h"
#include "sectionimage.h"
#include "traceheadermodel.h"

#include <QColor>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(ColourMap)

class TestViewModels : public QObject
{
    Q_OBJECT

private slots:
    void mapValue_data()
    {
        QTest::addColumn<ColourMap>("map");
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("clip");
        QTest::addColumn<float>("gain");
        QTest::addColumn<QRgb>("colour");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const ColourMap grey = ColourMap::Grey;
        const ColourMap rwb = ColourMap::RedWhiteBlue;
        QTest::newRow("grey -clip") << grey << -2.0f << 2.0f << 1.0f << qRgb(0, 0, 0);
        QTest::newRow("grey +clip") << grey << 2.0f << 2.0f << 1.0f << qRgb(255, 255, 255);
        QTest::newRow("grey 0") << grey << 0.0f << 2.0f << 1.0f << qRgb(128, 128, 128);
        QTest::newRow("grey beyond") << grey << 9.0f << 2.0f << 1.0f << qRgb(255, 255, 255);
        QTest::newRow("grey gain") << grey << -1.0f << 2.0f << 2.0f << qRgb(0, 0, 0);
        QTest::newRow("grey half") << grey << 1.0f << 2.0f << 1.0f << qRgb(191, 191, 191);
        QTest::newRow("grey nan") << grey << nan << 2.0f << 1.0f << qRgb(128, 128, 128);
        QTest::newRow("grey no clip") << grey << 5.0f << 0.0f << 1.0f << qRgb(128, 128, 128);
        QTest::newRow("rwb -clip") << rwb << -1.0f << 1.0f << 1.0f << qRgb(255, 0, 0);
        QTest::newRow("rwb 0") << rwb << 0.0f << 1.0f << 1.0f << qRgb(255, 255, 255);
        QTest::newRow("rwb +clip") << rwb << 1.0f << 1.0f << 1.0f << qRgb(0, 0, 255);
        QTest::newRow("rwb -half") << rwb << -0.5f << 1.0f << 1.0f << qRgb(255, 128, 128);
    }

    void mapValue()
    {
        QFETCH(ColourMap, map);
        QFETCH(float, value);
        QFETCH(float, clip);
        QFETCH(float, gain);
        QFETCH(QRgb, colour);
        QCOMPARE(QColor(MapValue(map, value, clip, gain)).name(), QColor(colour).name());
    }

    void percentileClip()
    {
        std::vector<float> values;
        for (int i = 1; i <= 100; ++i)
            values.push_back(i % 2 == 0 ? float(i) : -float(i));
        values.push_back(std::numeric_limits<float>::infinity());
        values.push_back(std::numeric_limits<float>::quiet_NaN());
        QCOMPARE(PercentileClip(values.data(), values.size(), 99), 99.0f);
        QCOMPARE(PercentileClip(values.data(), values.size(), 100), 100.0f);
        QCOMPARE(PercentileClip(values.data(), values.size(), 0), 1.0f);
        QCOMPARE(PercentileClip(values.data() + 100, 2, 50), 0.0f);
    }

    // Each pixel column is its trace, each row its sample.
    void densityImage()
    {
        Section section;
        section.Traces = 3;
        section.Samples = 4;
        for (int i = 0; i < 12; ++i)
            section.Values.push_back(float(i) - 6.0f);
        const DensityStyle style{ColourMap::RedWhiteBlue, 4.0f, 1.0f};
        const QImage image = DensityImage(section, style);
        QCOMPARE(image.size(), QSize(3, 4));
        for (int trace = 0; trace < 3; ++trace) {
            for (int sample = 0; sample < 4; ++sample) {
                QCOMPARE(image.pixel(trace, sample),
                         MapValue(style.Map, section.At(trace, sample), 4.0f) | 0xFF000000u);
            }
        }
    }

    // A trace at the clip fills its column's right half and reaches the
    // next middle; a zero trace draws its middle line alone.
    void wiggleImage()
    {
        Section section;
        section.Traces = 2;
        section.Samples = 5;
        section.Values = {2, 2, 2, 2, 2, 0, 0, 0, 0, 0};
        const QImage image = WiggleImage(section, {ColourMap::Grey, 2.0f, 1.0f}, 10);
        QCOMPARE(image.size(), QSize(20, 5));
        for (int sample = 0; sample < 5; ++sample) {
            QString row;
            for (int x = 0; x < 20; ++x)
                row += qGray(image.pixel(x, sample)) < 128 ? QLatin1Char('#') : QLatin1Char('.');
            QCOMPARE(row, QStringLiteral(".....###########...."));
        }
    }

    // Rows between two samples swing along the straight line between them,
    // within a pixel.
    void wiggleRowsBetweenSamples()
    {
        Section section;
        section.Traces = 2;
        section.Samples = 2;
        section.Values = {0, 2, 0, 0};
        const QImage image = WiggleImage(section, {ColourMap::Grey, 2.0f, 1.0f}, 20, 4);
        QCOMPARE(image.size(), QSize(40, 8));
        // The swing at each row's centre: 0 up to the first sample's (y 2),
        // 20 from the second's (y 6), straight between. A row is filled to
        // its swing, and its line runs on halfway to the next row's.
        const double swings[] = {0, 0, 2.5, 7.5, 12.5, 17.5, 20, 20, 20};
        for (int y = 0; y < 8; ++y) {
            int reach = 0;
            while (reach < 30 && qGray(image.pixel(10 + reach, y)) < 128)
                ++reach;
            QVERIFY2(reach >= swings[y] - 1 && reach <= (swings[y] + swings[y + 1]) / 2 + 1,
                     qPrintable(QStringLiteral("row %1 reaches %2").arg(y).arg(reach)));
        }
    }

    void traceHeaderTable()
    {
        const QList<int> cdps = {30, -5, 12};
        QByteArray headers(240 * cdps.size(), '\0');
        for (int i = 0; i < cdps.size(); ++i)
            qToBigEndian(qint32(cdps[i]), headers.data() + 240 * i + 20);
        TraceHeaderModel model;
        model.SetHeaders(headers, {100, 101, 102}, zel::ByteOrder::BigEndian,
                         {*zel::FindTraceField(QStringLiteral("cdp")),
                          *zel::FindTraceField(QStringLiteral("1"))});
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("cdp"));
        QCOMPARE(model.headerData(2, Qt::Vertical).toLongLong(), 102);
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&model);
        sorted.sort(0, Qt::AscendingOrder);
        QList<qlonglong> order;
        for (int row = 0; row < 3; ++row)
            order << sorted.data(sorted.index(row, 0)).toLongLong();
        QCOMPARE(order, (QList<qlonglong>{-5, 12, 30}));
        QCOMPARE(sorted.headerData(0, Qt::Vertical).toLongLong(), 101);
    }

    void axisTicks_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("most");
        QTest::addColumn<QList<double>>("ticks");
        QTest::newRow("tens") << 3.7 << 48.2 << 5 << QList<double>{10, 20, 30, 40};
        QTest::newRow("reversed") << 48.2 << 3.7 << 5 << QList<double>{10, 20, 30, 40};
        QTest::newRow("ends on ticks")
            << 0.0 << 1000.0 << 5 << QList<double>{0, 200, 400, 600, 800, 1000};
        QTest::newRow("fives") << -12.0 << 12.0 << 6 << QList<double>{-10, -5, 0, 5, 10};
        QTest::newRow("fractions") << 0.01 << 0.07 << 3 << QList<double>{0.02, 0.04, 0.06};
        QTest::newRow("one number") << 7.0 << 7.0 << 4 << QList<double>{7};
        QTest::newRow("no room") << 0.0 << 1.0 << 0 << QList<double>{};
    }

    void axisTicks()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, most);
        QFETCH(QList<double>, ticks);
        const std::vector<double> found = AxisTicks(low, high, most);
        QCOMPARE(QList<double>(found.begin(), found.end()), ticks);
    }

    // Cell centres carry their cells' numbers, in both directions of
    // numbering and with cells wider than a pixel.
    void axisScale()
    {
        const AxisScale crosslines{QStringLiteral("crossline"), 875, 2, 8, 10};
        QCOMPARE(crosslines.ValueAt(4), 875.0);
        QCOMPARE(crosslines.ValueAt(3 * 8 + 4), 881.0);
        QCOMPARE(crosslines.PositionOf(881), 28.0);
        const AxisScale falling{QStringLiteral("inline"), 200, -5, 1, 10};
        QCOMPARE(falling.ValueAt(2.5), 190.0);
        QCOMPARE(falling.PositionOf(falling.ValueAt(7.25)), 7.25);
        // One trace gets its own number and no fractions about it; times
        // keep theirs.
        const AxisScale trace{QStringLiteral("trace"), 0, 1, 1, 1};
        QCOMPARE(trace.TicksBetween(0, 1, 5), std::vector<double>{0});
        const AxisScale time{QStringLiteral("time (ms)"), 0, 0.5, 1, 4};
        QCOMPARE(time.TicksBetween(0, 4, 4), (std::vector<double>{0, 0.5, 1, 1.5}));
    }

    // A job runs until cancelled; the jobs started meanwhile replace one
    // another, so that only the last runs; each job's end is told once, and
    // Idle once all are done.
    void backgroundRead()
    {
        BackgroundRead reader;
        QSignalSpy progressed(&reader, &BackgroundRead::Progressed);
        QSignalSpy idle(&reader, &BackgroundRead::Idle);
        QList<int> outcomes;
        const auto record = [&outcomes](BackgroundRead::Outcome outcome) {
            outcomes << int(outcome);
        };
        std::atomic<bool> running{false};
        reader.Start(
            [&running](const ReadProgress& progress, const std::atomic<bool>&) {
                running = true;
                for (qint64 step = 0; progress(step % 100, 100); ++step)
                    QThread::usleep(100);
                return true;
            },
            record);
        QTRY_VERIFY(running);
        QVERIFY(reader.Busy());
        bool droppedRan = false;
        reader.Start(
            [&droppedRan](const ReadProgress&, const std::atomic<bool>&) {
                droppedRan = true;
                return true;
            },
            record);
        reader.Start([](const ReadProgress&, const std::atomic<bool>&) { return false; }, record);
        QTRY_VERIFY(!reader.Busy());
        QVERIFY(!droppedRan);
        using Outcome = BackgroundRead::Outcome;
        QCOMPARE(outcomes, (QList<int>{int(Outcome::Cancelled), int(Outcome::Failed)}));
        QCOMPARE(idle.count(), 1);
        QVERIFY(!progressed.isEmpty());

        reader.Start(
            [](const ReadProgress& progress, const std::atomic<bool>&) { return progress(1, 1); },
            record);
        reader.Cancel();
        QTRY_VERIFY(!reader.Busy());
        QCOMPARE(outcomes.last(), int(Outcome::Cancelled));
        reader.Start(
            [](const ReadProgress& progress, const std::atomic<bool>&) { return progress(1, 1); },
            record);
        QTRY_COMPARE(outcomes.size(), 4);
        QCOMPARE(outcomes.last(), int(Outcome::Completed));
    }
};

QTEST_GUILESS_MAIN(TestViewModels)
#include "tst_viewmodels.moc"
