// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "vkmainwindow.h"

#include "appconsole.h"
#include "vkapp.h"

#include <QCloseEvent>
#include <QDebug>
#include <QFileInfo>
#include <QLockFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

const QString SettingsGroup = QStringLiteral("MainWindow");
const QString GeometryKey = QStringLiteral("Geometry");
// How long closing waits for another program to release the settings file.
constexpr int SettingsLockWaitMs = 1000;

qint64 Area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

// Makes the folder @p path with the parents it lacks, each readable by the
// user alone, as a new configuration home should be. True when it is there.
bool MakePrivateFolder(const QString& path)
{
    const QFileInfo folder(path);
    if (folder.isDir())
        return true;
    const QString parent = folder.absolutePath();
    if (parent != folder.absoluteFilePath() && !MakePrivateFolder(parent))
        return false;
    return ::mkdir(QFile::encodeName(path).constData(), S_IRWXU) == 0 || QFileInfo(path).isDir();
}

} // namespace

VkMainWindow::VkMainWindow(VkApp* app, QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , TheApp(app)
{
    setupUi(this);
    // A fixed size: no maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
// organisation shares one settings file, <config>/<organisation>.conf, where
// the toolkit puts it. It is used only when it is a regular file, through any
// links, or not there yet: writing would replace a device by a regular file,
// and reading a FIFO would wait for a writer for ever. Returns its path, or
// nothing when it is not to be used.
QString VkMainWindow::usableSettingsFile()
{
    QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QLatin1Char('/') + QCoreApplication::organizationName() +
                   QStringLiteral(".conf");
    const QFileInfo file(path);
    if (!file.exists() || file.isFile())
        return path;
    warnAboutSettings(tr("%1 is not a regular file").arg(path));
    return {};
}

// One line on standard error, once per run.
void VkMainWindow::warnAboutSettings(const QString& reason)
{
    if (SettingsWarned)
        return;
    SettingsWarned = true;
    qWarning().noquote()
        << tr("%1: the window's position is not kept: %2").arg(TheApp->Name, reason);
}

void VkMainWindow::readSettings()
{
    if (usableSettingsFile().isEmpty())
        return;
    QSettings settings(QCoreApplication::organizationName(), QString());
    settings.beginGroup(SettingsGroup);
    restoreGeometry(settings.value(GeometryKey, QByteArray()).toByteArray());
    settings.endGroup();
    keepOnScreen();
}

// The settings store waits for its lock file up to half a minute when a
// stale one cannot be told from a live one. Another program gets a second
// to finish; a lock still held then is left alone and nothing is stored.
void VkMainWindow::writeSettings()
{
    const QString path = usableSettingsFile();
    if (path.isEmpty())
        return;
    // On a fresh account the folder is not there yet, and the lock needs it.
    MakePrivateFolder(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(SettingsLockWaitMs)) {
        warnAboutSettings(lock.error() == QLockFile::LockFailedError
                              ? tr("%1 is locked").arg(path)
                              : tr("%1 cannot be written").arg(path));
        return;
    }
    lock.unlock();
    QSettings settings(QCoreApplication::organizationName(), QString());
    settings.beginGroup(SettingsGroup);
    settings.setValue(GeometryKey, saveGeometry());
    settings.endGroup();
}

// The window has a fixed size: a stored maximised or full-screen state is
// dropped. The toolkit itself brings back a window stored wholly outside
// every screen, to the edge of a screen; one left mostly outside (kept from a
// larger screen, or placed partly off it) is centred on the screen that
// shows most of it, which leaves room for the window manager's frame.
void VkMainWindow::keepOnScreen()
{
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    const QRect window = geometry();
    const QScreen* showsMost = nullptr;
    qint64 mostVisible = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const qint64 visible = Area(window & screen->availableGeometry());
        if (visible > mostVisible) {
            showsMost = screen;
            mostVisible = visible;
        }
    }
    if (!showsMost || 2 * mostVisible >= Area(window))
        return;
    QRect centred = window;
    centred.moveCenter(showsMost->availableGeometry().center());
    move(centred.topLeft());
}
