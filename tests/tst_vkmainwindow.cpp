#include "appconsole.h"
#include "vkapp.h"
#include "vkmainwindow.h"

#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

VkApp* app()
{
    return static_cast<VkApp*>(QCoreApplication::instance());
}

void storeGeometry(const QVariant& value)
{
    QSettings settings(QCoreApplication::organizationName(), QString());
    settings.setValue(QStringLiteral("MainWindow/Geometry"), value);
}

QByteArray geometryOfWindowAt(const QPoint& position)
{
    VkMainWindow window(app());
    window.move(position);
    return window.saveGeometry();
}

} // namespace

class TestVkMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void initSetsIdentityAndShowsWindow();
    void form();
    void restoresStoredGeometry_data();
    void restoresStoredGeometry();
    void closingStoresGeometryInOrganisationFile();
};

void TestVkMainWindow::init()
{
    QSettings settings(QCoreApplication::organizationName(), QString());
    settings.clear();
}

void TestVkMainWindow::initSetsIdentityAndShowsWindow()
{
    QCOMPARE(app()->Name, QStringLiteral("ZEL Vornik"));
    QCOMPARE(app()->MajorVersion, 5);
    QCOMPARE(app()->MinorVersion, 0);
    QCOMPARE(app()->Release, 0);
    QVERIFY(app()->GetHomeDir().isEmpty());
    QVERIFY(app()->MainWindow);
    QVERIFY(app()->MainWindow->isVisible());
    QVERIFY(app()->Console);
    QVERIFY(app()->Console->GetName().isEmpty());
    QCOMPARE(app()->Console->GetVerbosityLevel(), 1);
}

void TestVkMainWindow::form()
{
    VkMainWindow window(app());

    QCOMPARE(window.objectName(), QStringLiteral("VkMainWindowUi"));
    QCOMPARE(window.windowTitle(), QStringLiteral("ZEL Vornik"));
    QCOMPARE(window.size(), QSize(250, 390));
    QCOMPARE(window.minimumSize(), QSize(250, 390));
    QCOMPARE(window.maximumSize(), QSize(250, 390));
    QCOMPARE(window.windowType(), Qt::Window);
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.VersionTx->text(), QStringLiteral("version 5.0"));
    QCOMPARE(window.Quit->text(), QStringLiteral("Quit"));
    QVERIFY(window.Title->font().bold());
    QCOMPARE(window.Title->font().pointSize(), 10);
    QVERIFY(!window.VersionTx->font().bold());
    QCOMPARE(window.font().pointSize(), 9);
}

void TestVkMainWindow::restoresStoredGeometry_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<QPoint>("position"); // null: the form's geometry

    QTest::newRow("first run") << QVariant() << QPoint();
    QTest::newRow("stored geometry") << QVariant(geometryOfWindowAt({123, 77})) << QPoint(123, 77);
    QTest::newRow("unusable value") << QVariant(QByteArray("not a geometry")) << QPoint();
    QTest::newRow("empty value") << QVariant(QByteArray()) << QPoint();
}

void TestVkMainWindow::restoresStoredGeometry()
{
    QFETCH(QVariant, stored);
    QFETCH(QPoint, position);

    if (stored.isValid())
        storeGeometry(stored);
    VkMainWindow window(app());

    QCOMPARE(window.pos(), position);
    QCOMPARE(window.size(), QSize(250, 390));
}

void TestVkMainWindow::closingStoresGeometryInOrganisationFile()
{
    const QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QVERIFY(!configHome.isEmpty());

    const QString organisationFile = configHome + QStringLiteral("/Zelmorra Corp.conf");
    QFile::remove(organisationFile);
    QDir(configHome + QStringLiteral("/Zelmorra Corp")).removeRecursively();

    auto window = std::make_unique<VkMainWindow>(app());
    window->move(140, 60);
    window->show();
    window->Quit->click();
    QVERIFY(!window->isVisible());

    QVERIFY(QFile::exists(organisationFile));
    QVERIFY(!QFile::exists(configHome + QStringLiteral("/Zelmorra Corp")));
    QSettings settings(QCoreApplication::organizationName(), QString());
    QVERIFY(settings.contains(QStringLiteral("MainWindow/Geometry")));

    VkMainWindow next(app());
    next.show();
    QCOMPARE(next.pos(), QPoint(140, 60));
}

int main(int argc, char** argv)
{
    VkApp app(argc, argv);
    if (!app.Init())
        return 1;
    TestVkMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_vkmainwindow.moc"
