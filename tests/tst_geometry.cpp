// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The survey's geometry from trace headers: grids found in the standard's
// fields and in others, each sorting, missing and repeated bins, surveys
// before stack, gathers that are no grid, and corners with their scalars.

#include <zelsegy.h>

#include <QBuffer>
#include <QTest>
#include <QtEndian>

#include <algorithm>

using namespace zel;

namespace {

// A trace header's fields: first byte (from 1) and value, 4 bytes wide but
// for the coordinate scalar at 71.
using Fields = QList<QPair<int, int>>;

// A big-endian file of one-sample IEEE traces with these headers.
QByteArray Survey(const QList<Fields>& traces)
{
    QByteArray file(3600, '\0');
    file[3221] = 1;
    file[3225] = 5;
    for (const Fields& fields : traces) {
        QByteArray trace(244, '\0');
        trace[115] = 1;
        for (const auto& [byte, value] : fields) {
            if (byte == 71)
                qToBigEndian(static_cast<qint16>(value), trace.data() + 70);
            else
                qToBigEndian(static_cast<qint32>(value), trace.data() + byte - 1);
        }
        file += trace;
    }
    return file;
}

// Inlines 10, 12, 14 and crosslines 1 to 4, in the order given; offsets
// and repeats as the row asks.
QList<Fields> Grid(bool crosslineMajor, int iline = 189, int xline = 193)
{
    QList<Fields> traces;
    for (int outer = 0; outer < (crosslineMajor ? 4 : 3); ++outer) {
        for (int inner = 0; inner < (crosslineMajor ? 3 : 4); ++inner) {
            const int inlineNumber = 10 + 2 * (crosslineMajor ? inner : outer);
            const int crossline = 1 + (crosslineMajor ? outer : inner);
            traces << Fields{{iline, inlineNumber},
                             {xline, crossline},
                             {71, -10},
                             {181, 1000 * inlineNumber},
                             {185, 100 * crossline}};
        }
    }
    return traces;
}

} // namespace

Q_DECLARE_METATYPE(SurveyKind)
Q_DECLARE_METATYPE(TraceSorting)

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void findsTheGrid_data();
    void findsTheGrid();
    void placesTheCorners();
};

void TestGeometry::findsTheGrid_data()
{
    QTest::addColumn<QList<Fields>>("traces");
    QTest::addColumn<SurveyKind>("kind");
    QTest::addColumn<int>("inlineByte");
    QTest::addColumn<TraceSorting>("sorting");
    QTest::addColumn<qint64>("missing");
    QTest::addColumn<qint64>("duplicates");
    QTest::addColumn<qint64>("fold");
    const SurveyKind post = SurveyKind::PostStack3D;
    QTest::newRow("inline-major") << Grid(false) << post << 189 << TraceSorting::InlineMajor << 0LL
                                  << 0LL << 1LL;
    QTest::newRow("crossline-major")
        << Grid(true) << post << 189 << TraceSorting::CrosslineMajor << 0LL << 0LL << 1LL;
    QList<Fields> shuffled = Grid(false);
    shuffled.swapItemsAt(0, 7);
    QTest::newRow("unsorted") << shuffled << post << 189 << TraceSorting::None << 0LL << 0LL << 1LL;
    QList<Fields> serpentine = Grid(false);
    std::reverse(serpentine.begin() + 4, serpentine.begin() + 8);
    QTest::newRow("crosslines back and forth")
        << serpentine << post << 189 << TraceSorting::None << 0LL << 0LL << 1LL;
    QTest::newRow("other fields") << Grid(false, 9, 21) << post << 9 << TraceSorting::InlineMajor
                                  << 0LL << 0LL << 1LL;
    QList<Fields> gaps = Grid(false);
    gaps[5] = gaps[4];
    QTest::newRow("a bin missing, one twice")
        << gaps << post << 189 << TraceSorting::InlineMajor << 1LL << 1LL << 2LL;
    QList<Fields> gathers;
    for (int offset = 100; offset <= 300; offset += 100) {
        for (const Fields& trace : Grid(false))
            gathers << trace + Fields{{37, offset}};
    }
    gathers << gathers.first();
    QTest::newRow("before stack") << gathers << SurveyKind::PreStack3D << 189 << TraceSorting::None
                                  << 0LL << 1LL << 4LL;
    // Shot (9) and channel (13) span a full grid, one trace each with an
    // offset of its own: a line of ensembles (21), not a cube.
    QList<Fields> shots;
    for (int shot = 1; shot <= 4; ++shot) {
        for (int channel = 1; channel <= 6; ++channel)
            shots << Fields{{9, shot}, {13, channel}, {21, shot + channel}, {37, 50 * channel}};
    }
    QTest::newRow("shot gathers") << shots << SurveyKind::TwoD << 21 << TraceSorting::None << 0LL
                                  << 0LL << 4LL;
    QTest::newRow("one trace") << QList<Fields>{{{189, 1}, {193, 1}}} << SurveyKind::None << 0
                               << TraceSorting::None << 0LL << 0LL << 0LL;
}

void TestGeometry::findsTheGrid()
{
    QFETCH(QList<Fields>, traces);
    QByteArray file = Survey(traces);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    SegyLayout layout;
    SegyFinding problem;
    QVERIFY2(ReadLayout(buffer, {}, layout, problem), qPrintable(problem.What));
    SurveyGeometry geometry;
    QVERIFY(ReadGeometry(buffer, layout, std::nullopt, geometry, problem));
    QTEST(geometry.Kind, "kind");
    QTEST(geometry.InlineByte, "inlineByte");
    QTEST(geometry.Sorting, "sorting");
    QTEST(geometry.MissingBins, "missing");
    QTEST(geometry.Duplicates, "duplicates");
    QTEST(geometry.MostTracesPerBin, "fold");
    if (geometry.Kind == SurveyKind::PostStack3D || geometry.Kind == SurveyKind::PreStack3D) {
        QCOMPARE(geometry.Inlines.First, 10);
        QCOMPARE(geometry.Inlines.Step, 2);
        QCOMPARE(geometry.Inlines.Count, 3);
        QCOMPARE(geometry.Crosslines.Count, 4);
        QCOMPARE(geometry.FirstMissing.size(), static_cast<size_t>(geometry.MissingBins));
    }
}

void TestGeometry::placesTheCorners()
{
    QList<Fields> traces = Grid(false);
    traces.removeLast();
    QByteArray file = Survey(traces);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    SegyLayout layout;
    SegyFinding problem;
    QVERIFY(ReadLayout(buffer, {}, layout, problem));
    SurveyGeometry geometry;
    // The caller's fields; numbers that span no grid there are no survey.
    QVERIFY(ReadGeometry(buffer, layout, std::pair{9, 13}, geometry, problem));
    QCOMPARE(geometry.Kind, SurveyKind::None);
    QVERIFY(ReadGeometry(buffer, layout, std::pair{189, 193}, geometry, problem));
    QCOMPARE(geometry.Corners.size(), size_t{4});
    QCOMPARE(geometry.Corners[1].Bin.Crossline, 4);
    QCOMPARE(geometry.Corners[1].X, 1000.0);
    QCOMPARE(geometry.Corners[1].Y, 40.0);
    QCOMPARE(geometry.Corners[3].Bin.Inline, 14);
    QVERIFY(!geometry.Corners[3].X);
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
