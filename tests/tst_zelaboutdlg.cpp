#include "testapp.h"
#include "zelaboutdlg.h"

#include <QPointer>

class TestZelAboutDlg : public QObject
{
    Q_OBJECT

private slots:
    void showsIdentity_data();
    void showsIdentity();
    void form();
    void onAboutIsModalAndClosedByButton();
};

void TestZelAboutDlg::showsIdentity_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("release");
    QTest::addColumn<QString>("line");

    QTest::newRow("program") << "ZEL Vornik" << 5 << 0 << 0 << "ZEL Vornik   version 5.0.0";
    QTest::newRow("no padding") << "ZEL Vornik" << 5 << 10 << 2 << "ZEL Vornik   version 5.10.2";
    QTest::newRow("empty name") << "" << 5 << 0 << 0 << "   version 5.0.0";
    QTest::newRow("percent in name")
        << "Fix 100%2 %1" << 1 << 2 << 3 << "Fix 100%2 %1   version 1.2.3";
}

void TestZelAboutDlg::showsIdentity()
{
    QFETCH(QString, name);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, release);
    QFETCH(QString, line);

    testApp()->Name = name;
    testApp()->MajorVersion = major;
    testApp()->MinorVersion = minor;
    testApp()->Release = release;
    ZelAboutDlg dialog(testApp());

    QCOMPARE(dialog.windowTitle(), name);
    QCOMPARE(dialog.ApplicationTx->text(), line);
}

void TestZelAboutDlg::form()
{
    ZelAboutDlg dialog(testApp());

    QCOMPARE(dialog.objectName(), QStringLiteral("ZelAboutDlgUi"));
    QCOMPARE(dialog.size(), QSize(479, 200));
    QCOMPARE(dialog.parentWidget(), testApp()->MainWidget);
    QCOMPARE(dialog.Close->text(), QStringLiteral("OK"));
    QVERIFY(dialog.CopyrightTx->text().contains(QStringLiteral("Zelmorra Corp")));
    QVERIFY(dialog.ApplicationTx->font().bold());
    QCOMPARE(dialog.ApplicationTx->font().pointSize(), 10);
    QVERIFY(!dialog.CopyrightTx->font().bold());
    QVERIFY(!dialog.Close->font().bold());
}

void TestZelAboutDlg::onAboutIsModalAndClosedByButton()
{
    testApp()->Name = QStringLiteral("ZEL Vornik");
    testApp()->MajorVersion = 5;
    testApp()->MinorVersion = 0;
    testApp()->Release = 0;

    QPointer<ZelAboutDlg> shown;
    bool modal = false;
    QString line;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<ZelAboutDlg*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        modal = shown->isModal();
        line = shown->ApplicationTx->text();
        shown->Close->click();
    });
    testApp()->OnAbout();

    QVERIFY(modal);
    QCOMPARE(line, QStringLiteral("ZEL Vornik   version 5.0.0"));
    QVERIFY(shown.isNull()); // destroyed when OnAbout returned
}

ZEL_FRAME_TEST_MAIN(TestZelAboutDlg)
#include "tst_zelaboutdlg.moc"
