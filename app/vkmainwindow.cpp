// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "vkmainwindow.h"

#include "appconsole.h"
#include "vkapp.h"

#include <QCloseEvent>
#include <QSettings>

namespace {

const QString SettingsGroup = QStringLiteral("MainWindow");
const QString GeometryKey = QStringLiteral("Geometry");

} // namespace

VkMainWindow::VkMainWindow(VkApp* app, QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , TheApp(app)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint);
    // After the flags: setting them re-creates the native window, which would
    // shift a restored position by the size of the window manager's frame.
    readSettings();
    VersionTx->setText(
        tr("version %1.%2")
            .arg(QString::number(TheApp->MajorVersion), QString::number(TheApp->MinorVersion)));
    TheApp->Console = new AppConsole(TheApp, nullptr, QString(), 1);
    // The application object owns the console, which lives as long as it.
    TheApp->Console->setParent(TheApp);
}

VkMainWindow::~VkMainWindow() = default;

void VkMainWindow::closeEvent(QCloseEvent* event)
{
    writeSettings();
    event->accept();
}

// The organisation-wide store: no application name, so every program of the
// organisation shares one settings file.
void VkMainWindow::readSettings()
{
    QSettings settings(QCoreApplication::organizationName(), QString());
    settings.beginGroup(SettingsGroup);
    restoreGeometry(settings.value(GeometryKey, QByteArray()).toByteArray());
    settings.endGroup();
}

void VkMainWindow::writeSettings()
{
    QSettings settings(QCoreApplication::organizationName(), QString());
    settings.beginGroup(SettingsGroup);
    settings.setValue(GeometryKey, saveGeometry());
    settings.endGroup();
}
