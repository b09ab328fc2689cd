// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_VIEWWINDOW_H
#define ZELVIEW_VIEWWINDOW_H

#include "colourmap.h"
#include "segydocument.h"

#include <QMainWindow>

#include <memory>

class AppConsole;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QMimeData;
class TraceHeaderModel;
class ZelApp;
namespace Ui {
class ViewWindow;
}

/// The viewer's main window: the section of the open file as a
/// variable-density image, its headers in side panels, and the Messages
/// panel that the application's console writes to. Its size, place and
/// panels, and the files opened last, are kept between runs.
class ViewWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// Builds the window and @p app's console on its Messages panel, with
    /// a log named @p logName in the application's home directory (none
    /// when empty).
    ViewWindow(ZelApp* app, const QString& logName);
    ~ViewWindow() override;

    /// Opens @p path; a file that cannot be read is reported in the
    /// Messages panel and leaves the file shown before it. False then.
    bool OpenFile(const QString& path);

    /// Opens the first local file of @p data, what a drop on the window
    /// brings; false when there is none or it cannot be read.
    bool OpenDropped(const QMimeData& data);

    /// The console the window's Messages panel shows.
    AppConsole* Console() const;

    /// The file shown, or an empty path before the first.
    const SegyDocument& Document() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readSettings();
    void writeSettings();
    void chooseFile();
    void exportView();
    void showSection();
    void showHeaders();
    void rememberFile(const QString& path);
    void updateRecentMenu();
    void showPlace(const QPointF& scenePoint);

    ZelApp* App;
    std::unique_ptr<Ui::ViewWindow> Form;
    AppConsole* Messages = nullptr;
    QGraphicsScene* Scene = nullptr;
    QGraphicsPixmapItem* Image = nullptr;
    TraceHeaderModel* HeaderModel = nullptr;
    SegyDocument Shown;
    ColourMap Colours = ColourMap::Grey;
    bool Wiggles = false;
    float Gain = 1.0f;
    QStringList Recent;
};

#endif
