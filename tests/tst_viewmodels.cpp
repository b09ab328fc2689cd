// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The viewer's models: colours of values in each map with clip and gain,
// percentile clips, the variable-density image against the colours of its
// samples, and the trace header table sorted as numbers.

#include "colourmap.h"
#include "sectionimage.h"
#include "traceheadermodel.h"

#include <QColor>
#include <QSortFilterProxyModel>
#include <QTest>
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

    void traceHeaderTable()
    {
        const QList<int> cdps = {30, -5, 12};
        QByteArray headers(240 * cdps.size(), '\0');
        for (int i = 0; i < cdps.size(); ++i)
            qToBigEndian(qint32(cdps[i]), headers.data() + 240 * i + 20);
        TraceHeaderModel model;
        model.SetHeaders(headers, 100, zel::ByteOrder::BigEndian,
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
};

QTEST_GUILESS_MAIN(TestViewModels)
#include "tst_viewmodels.moc"
