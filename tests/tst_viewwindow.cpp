// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

// The viewer's window as a user drives it: files opened by name and as a
// drop brings them fill the section and the header panels; a file that cannot be read
// is reported and leaves the file shown before it; the files opened are
// remembered.

#include "appconsole.h"
#include "viewapp.h"
#include "viewwindow.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QtEndian>

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
        QCOMPARE(window.Document().Samples.Traces, 4);
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
        QCOMPARE(window.Document().Samples.Traces, 2);
    }

    void opensADroppedFileAndRemembersIt()
    {
        ViewWindow& window = *App->MainWindow;
        const QString path = Write(Folder, QStringLiteral("dropped.sgy"), SmallFile(3));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QVERIFY(window.OpenDropped(data));
        QCOMPARE(window.Document().Path, path);
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
