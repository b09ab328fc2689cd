// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The viewer's window as a user drives it: files opened by name and as a
// drop brings them fill the section and the header panels; a cube's
// inlines, crosslines and time slices show the right traces in any trace
// order; a file that cannot be read is reported and leaves the file shown
// before it; the files opened are remembered.

#include "appconsole.h"
#include "axisbar.h"
#include "fieldchooser.h"
#include "viewapp.h"
#include "viewwindow.h"
#include "watchedfile.h"

#include <QAction>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QtEndian>

#include <cmath>
#include <limits>

namespace {

// A big-endian IEEE file of `traces` traces of 3 samples, the cdp of trace
// i being 10 * i, sample j of trace i the value i - j.
QByteArray SmallFile(int traces)
{
    QByteArray file(3600, '\0');
    const QByteArray line = QByteArray("C 1 VIEWER TEST").leftJustified(3200, ' ');
    file.replace(0, 3200, line);
    qToBigEndian(quint16(4000), file.data() + 3216);
    qToBigEndian(quint16(3), file.data() + 3220);
    qToBigEndian(quint16(5), file.data() + 3224);
    for (int i = 0; i < traces; ++i) {
        QByteArray trace(240 + 12, '\0');
        qToBigEndian(qint32(10 * i), trace.data() + 20);
        qToBigEndian(quint16(3), trace.data() + 114);
        for (int j = 0; j < 3; ++j)
            qToBigEndian(float(i - j), trace.data() + 240 + 4 * j);
        file += trace;
    }
    return file;
}

// A post-stack cube of inlines 10, 12, 14 and crosslines 100 to 103 with 5
// samples a trace from 8 ms, sorted by crossline (inline numbers vary
// fastest), bin (14, 101) left out. Sample j of the bin at inline index a and crossline
// index b is 100 * a + 10 * b + j.
constexpr int CubeInlines = 3, CubeCrosslines = 4, CubeSamples = 5, CubeDelayMs = 8;
bool Missing(int inlineIndex, int crosslineIndex)
{
    return inlineIndex == 2 && crosslineIndex == 1;
}

QByteArray CubeFile()
{
    QByteArray file(3600, '\0');
    file.replace(0, 3200, QByteArray("C 1 CUBE").leftJustified(3200, ' '));
    qToBigEndian(quint16(4000), file.data() + 3216);
    qToBigEndian(quint16(CubeSamples), file.data() + 3220);
    qToBigEndian(quint16(5), file.data() + 3224);
    for (int b = 0; b < CubeCrosslines; ++b) {
        for (int a = 0; a < CubeInlines; ++a) {
            if (Missing(a, b))
                continue;
            QByteArray trace(240 + 4 * CubeSamples, '\0');
            qToBigEndian(qint32(10 + 2 * a), trace.data() + 188);
            qToBigEndian(qint32(100 + b), trace.data() + 192);
            qToBigEndian(quint16(CubeSamples), trace.data() + 114);
            qToBigEndian(qint16(CubeDelayMs), trace.data() + 108);
            for (int j = 0; j < CubeSamples; ++j)
                qToBigEndian(float(100 * a + 10 * b + j), trace.data() + 240 + 4 * j);
            file += trace;
        }
    }
    return file;
}

// The trace of the cube file's bin, or -1.
qint64 CubeTrace(int inlineIndex, int crosslineIndex)
{
    if (Missing(inlineIndex, crosslineIndex))
        return -1;
    const int before = crosslineIndex * CubeInlines + inlineIndex;
    return before > 1 * CubeInlines + 2 ? before - 1 : before;
}

QString Write(const QTemporaryDir& folder, const QString& name, const QByteArray& content)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return file.fileName();
}

} // namespace

class TestViewWindow : public QObject
{
    Q_OBJECT

public:
    explicit TestViewWindow(ViewApp* app)
        : App(app)
    {}

private slots:
    void opensAFileAndFillsThePanels()
    {
        ViewWindow& window = *App->MainWindow;
        const QString path = Write(Folder, QStringLiteral("four.sgy"), SmallFile(4));
        QVERIFY(window.OpenFile(path));
        QTRY_VERIFY(!window.Reading());
        QCOMPARE(window.Picture().Samples.Traces, 4);
        QVERIFY(!window.Cube().IsCube());
        QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("textHeader"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("C 1 VIEWER TEST")));
        auto* binary = window.findChild<QTableWidget*>(QStringLiteral("binaryHeader"));
        QVERIFY(binary->rowCount() > 20);
        QCOMPARE(binary->item(9, 1)->text(), QStringLiteral("SampleFormat"));
        QCOMPARE(binary->item(9, 2)->text(), QStringLiteral("5"));
        QAbstractItemModel* table =
            window.findChild<QTableView*>(QStringLiteral("traceHeaders"))->model();
        QCOMPARE(table->rowCount(), 4);
        int cdpColumn = -1;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (table->headerData(column, Qt::Horizontal).toString() == QLatin1String("cdp"))
                cdpColumn = column;
        }
        QVERIFY(cdpColumn >= 0);
        QCOMPARE(table->data(table->index(3, cdpColumn)).toLongLong(), 30);
        // The picture: trace 3 (values 3, 2, 1) is brightest at its first
        // sample, trace 0 (0, -1, -2) darkest at its last, a zero mid-grey.
        auto* view = window.findChild<QGraphicsView*>(QStringLiteral("sectionView"));
        const QList<QGraphicsItem*> items = view->scene()->items();
        QCOMPARE(items.size(), 1);
        const QImage image = static_cast<QGraphicsPixmapItem*>(items[0])->pixmap().toImage();
        QCOMPARE(image.size(), QSize(4, 3));
        QCOMPARE(qGray(image.pixel(3, 0)), 255);
        QCOMPARE(qGray(image.pixel(2, 2)), 128);
        for (int trace = 0; trace < 4; ++trace) {
            for (int sample = 0; sample < 3; ++sample)
                QVERIFY(qGray(image.pixel(0, 2)) <= qGray(image.pixel(trace, sample)));
        }
    }

    void aFileThatCannotBeReadKeepsTheOneShown()
    {
        ViewWindow& window = *App->MainWindow;
        const QString good = Write(Folder, QStringLiteral("two.sgy"), SmallFile(2));
        QVERIFY(window.OpenFile(good));
        QTRY_VERIFY(!window.Reading());
        QByteArray cut = SmallFile(2);
        cut.chop(5);
        const QByteArray contents[] = {QByteArray(), QByteArray(5000, '\xff'), cut};
        for (int i = 0; i < 3; ++i) {
            const QString bad = Write(Folder, QStringLiteral("bad%1.sgy").arg(i), contents[i]);
            QVERIFY(!window.OpenFile(bad));
            QCOMPARE(window.Document().Path, good);
            QVERIFY(window.Console()->GetText().contains(bad));
        }
        QVERIFY(!window.OpenFile(Folder.path()));
        QCOMPARE(window.Picture().Samples.Traces, 2);
    }

    void walksACube()
    {
        ViewWindow& window = *App->MainWindow;
        const QString path = Write(Folder, QStringLiteral("cube.sgy"), CubeFile());
        QVERIFY(window.OpenFile(path));
        QTRY_VERIFY(!window.Reading());
        QVERIFY(window.Cube().IsCube());
        QCOMPARE(window.Cube().Geometry.Inlines.Step, 2);
        QVERIFY(window.Console()->GetText().contains(QStringLiteral("a cube of 3 inlines")));
        auto* across = window.findChild<AxisBar*>(QStringLiteral("topAxis"));
        auto* down = window.findChild<AxisBar*>(QStringLiteral("leftAxis"));
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const auto value = [nan](int a, int b, int j) {
            return Missing(a, b) ? nan : float(100 * a + 10 * b + j);
        };
        const auto same = [](float got, float expected) {
            return std::isnan(expected) ? std::isnan(got) : got == expected;
        };

        // Inline 14 (index 2): crosslines in order, the missing bin empty.
        QVERIFY(window.ShowSlice(SliceKind::Inline, 2));
        QTRY_VERIFY(!window.Reading());
        const SectionData* shown = &window.Picture();
        QCOMPARE(shown->Samples.Traces, CubeCrosslines);
        QCOMPARE(across->Scale().Title, QStringLiteral("crossline"));
        QCOMPARE(across->Scale().First, 100.0);
        QCOMPARE(down->Scale().Step, 4.0);
        QCOMPARE(down->Scale().First, double(CubeDelayMs));
        for (int b = 0; b < CubeCrosslines; ++b) {
            QCOMPARE(shown->Traces[std::size_t(b)], CubeTrace(2, b));
            for (int j = 0; j < CubeSamples; ++j)
                QVERIFY(same(shown->Samples.At(b, j), value(2, b, j)));
        }

        // Crossline 102 (index 2): inlines in order.
        QVERIFY(window.ShowSlice(SliceKind::Crossline, 2));
        QTRY_VERIFY(!window.Reading());
        QCOMPARE(across->Scale().Title, QStringLiteral("inline"));
        QCOMPARE(across->Scale().Step, 2.0);
        for (int a = 0; a < CubeInlines; ++a) {
            QCOMPARE(shown->Traces[std::size_t(a)], CubeTrace(a, 2));
            for (int j = 0; j < CubeSamples; ++j)
                QVERIFY(same(shown->Samples.At(a, j), value(a, 2, j)));
        }

        // The time slice at 12 ms (sample 3): inlines across, crosslines down.
        QVERIFY(window.ShowSlice(SliceKind::Time, 3));
        QTRY_VERIFY(!window.Reading());
        QCOMPARE(shown->Samples.Traces, CubeInlines);
        QCOMPARE(shown->Samples.Samples, CubeCrosslines);
        QCOMPARE(down->Scale().Title, QStringLiteral("crossline"));
        for (int a = 0; a < CubeInlines; ++a) {
            for (int b = 0; b < CubeCrosslines; ++b)
                QVERIFY(same(shown->Samples.At(a, b), value(a, b, 3)));
        }
        QVERIFY(!window.ShowSlice(SliceKind::Inline, CubeInlines));
        QVERIFY(!window.ShowSlice(SliceKind::Time, CubeSamples));

        // A file cut short since it was opened: the read fails with a
        // message, and the picture stays.
        QFile(path).resize(3600 + 2 * (240 + 4 * CubeSamples));
        QVERIFY(window.ShowSlice(SliceKind::Inline, 1));
        QTRY_VERIFY(!window.Reading());
        QTRY_VERIFY(window.Console()->GetText().contains(QStringLiteral("cannot read")));
        QCOMPARE(shown->Samples.Samples, CubeCrosslines);
    }

    // Under the mouse, the status bar names the trace of the column there,
    // in density and in wiggles, whose columns are wider.
    void statusBarFollowsTheCursor()
    {
        ViewWindow& window = *App->MainWindow;
        QVERIFY(window.OpenFile(Write(Folder, QStringLiteral("pointed.sgy"), CubeFile())));
        QTRY_VERIFY(!window.Reading());
        QVERIFY(window.ShowSlice(SliceKind::Inline, 2));
        QTRY_VERIFY(!window.Reading());
        auto* view = window.findChild<QGraphicsView*>(QStringLiteral("sectionView"));
        const AxisBar* across = window.findChild<AxisBar*>(QStringLiteral("topAxis"));
        const AxisBar* down = window.findChild<AxisBar*>(QStringLiteral("leftAxis"));
        auto* wiggles = window.findChild<QAction*>(QStringLiteral("actionWiggles"));
        for (bool drawn : {false, true}) {
            wiggles->setChecked(drawn);
            for (int b = 0; b < CubeCrosslines; ++b) {
                const QPointF centre(across->Scale().PositionOf(100 + b),
                                     down->Scale().PositionOf(CubeDelayMs + 4 * 3));
                QTest::mouseMove(view->viewport(), view->mapFromScene(centre));
                const QString status = window.statusBar()->currentMessage();
                const QString trace = Missing(2, b)
                                          ? QStringLiteral("no trace")
                                          : QStringLiteral("trace %1").arg(CubeTrace(2, b));
                QVERIFY2(
                    status.startsWith(trace + QStringLiteral(", crossline %1, 20 ms").arg(100 + b)),
                    qPrintable(status));
                if (!Missing(2, b))
                    QVERIFY2(status.contains(QStringLiteral("value %1").arg(200 + 10 * b + 3)),
                             qPrintable(status));
            }
        }
        wiggles->setChecked(false);
    }

    // A read that the next one replaces ends quietly and the next is shown;
    // one the user cancels is reported, and the picture before it stays.
    void cancelledReads()
    {
        ViewWindow& window = *App->MainWindow;
        QVERIFY(window.OpenFile(Write(Folder, QStringLiteral("cancelled.sgy"), CubeFile())));
        QTRY_VERIFY(!window.Reading());
        const QString cancelled = QStringLiteral("the read was cancelled");
        const int before = window.Console()->GetText().count(cancelled);
        QVERIFY(window.ShowSlice(SliceKind::Inline, 0));
        QVERIFY(window.ShowSlice(SliceKind::Crossline, 3));
        QTRY_VERIFY(!window.Reading());
        QCOMPARE(window.Console()->GetText().count(cancelled), before);
        QCOMPARE(window.Picture().Traces[0], CubeTrace(0, 3));
        QVERIFY(window.ShowSlice(SliceKind::Time, 1));
        window.CancelReading();
        QTRY_VERIFY(!window.Reading());
        QCOMPARE(window.Console()->GetText().count(cancelled), before + 1);
        QCOMPARE(window.Picture().Traces[0], CubeTrace(0, 3));
    }

    // Long reads through the library stop as soon as the file refuses to
    // go on, and tell their progress on the way.
    void readsStopWhenCancelled()
    {
        const QString path = Write(Folder, QStringLiteral("watched.sgy"), CubeFile());
        SegyDocument document;
        zel::SegyFinding problem;
        QVERIFY(OpenSegy(path, document, problem));
        QList<qint64> positions;
        WatchedFile watched(path, [&positions](qint64 position) {
            positions << position;
            return true;
        });
        QVERIFY(watched.open(QIODevice::ReadOnly));
        SurveyCube cube;
        QVERIFY(ReadCube(watched, document.Layout, cube, problem));
        QVERIFY(cube.IsCube());
        QVERIFY(!positions.isEmpty());
        WatchedFile refused(path, [](qint64) { return false; });
        QVERIFY(refused.open(QIODevice::ReadOnly));
        QVERIFY(!ReadCube(refused, document.Layout, cube, problem));
        QVERIFY2(problem.What.contains(QStringLiteral("cancelled")), qPrintable(problem.What));
    }

    // The fields listed are every trace header field, those chosen checked;
    // what is checked comes back in header order.
    void choosesFields()
    {
        FieldChooser chooser({QStringLiteral("offset"), QStringLiteral("cdp")});
        auto* list = chooser.findChild<QListWidget*>(QStringLiteral("fieldList"));
        QCOMPARE(list->count(), int(zel::TraceHeaderFields().size()));
        QCOMPARE(chooser.Chosen(), (QStringList{QStringLiteral("cdp"), QStringLiteral("offset")}));
        list->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(chooser.Chosen().value(0), QStringLiteral("tracl"));
    }

    void opensADroppedFileAndRemembersIt()
    {
        ViewWindow& window = *App->MainWindow;
        const QString path = Write(Folder, QStringLiteral("dropped.sgy"), SmallFile(3));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QVERIFY(window.OpenDropped(data));
        QCOMPARE(window.Document().Path, path);
        QTRY_VERIFY(!window.Reading());
        QVERIFY(window.close());
        QSettings settings;
        const QStringList recent = settings.value(QStringLiteral("Viewer/recent")).toStringList();
        QCOMPARE(recent.value(0), path);
        QVERIFY(recent.contains(Folder.filePath(QStringLiteral("two.sgy"))));
    }

private:
    ViewApp* App;
    QTemporaryDir Folder;
};

int main(int argc, char** argv)
{
    int appArgc = 1;
    ViewApp app(appArgc, argv);
    if (!app.Init())
        return 1;
    TestViewWindow test(&app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_viewwindow.moc"
