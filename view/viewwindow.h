// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#ifndef ZELVIEW_VIEWWINDOW_H
#define ZELVIEW_VIEWWINDOW_H

#include "colourmap.h"
#include "headerfields.h"
#include "sectionread.h"
#include "segydocument.h"
#include "surveycube.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class AppConsole;
class BackgroundRead;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QMimeData;
class QProgressBar;
class QTimer;
class QToolButton;
class TraceHeaderModel;
class ZelApp;
class ZelThreadMessenger;
namespace Ui {
class ViewWindow;
}

/// What a picture of the open file shows.
enum class SliceKind {
    FirstTraces, ///< the file's first traces, as many as fit a budget
    Inline,      ///< one inline of a cube
    Crossline,   ///< one crossline of a cube
    Time,        ///< one sample of every bin of a cube
};

/// The viewer's main window: a picture of the open file (its first traces,
/// or an inline, crossline or time slice of a cube) as variable density or
/// wiggles with axes, its headers in side panels, a plot of one header
/// field, and the Messages panel that the application's console writes to.
/// Traces are read on a worker thread, with progress and Cancel in the
/// status bar. Its size, place and panels, the fields chosen and the files
/// opened last are kept between runs.
class ViewWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// Builds the window and @p app's console on its Messages panel, with
    /// a log named @p logName in the application's home directory (none
    /// when empty).
    ViewWindow(ZelApp* app, const QString& logName);
    ~ViewWindow() override;

    /// Opens @p path and starts reading its first traces and its geometry;
    /// a file that cannot be opened is reported in the Messages panel and
    /// leaves the file shown before it. False then.
    bool OpenFile(const QString& path);

    /// Opens the first local file of @p data, what a drop on the window
    /// brings; false when there is none or it cannot be opened.
    bool OpenDropped(const QMimeData& data);

    /// Shows @p kind, line or sample @p index (from 0) of a cube, or the
    /// first traces; false when the file is no cube or @p index lies
    /// outside it.
    bool ShowSlice(SliceKind kind, qint64 index);

    /// Whether a read runs or waits.
    bool Reading() const;
    /// Cancels the running read.
    void CancelReading();

    /// The console the window's Messages panel shows.
    AppConsole* Console() const;
    /// The file open, or an empty path before the first.
    const SegyDocument& Document() const;
    /// The survey of the open file, once its headers are read.
    const SurveyCube& Cube() const;
    /// What the picture shows.
    const SectionData& Picture() const;

signals:
    /// A new picture is on the screen.
    void PictureShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readSettings();
    void writeSettings();
    void chooseFile();
    void chooseFields();
    void exportView();
    std::vector<qint64> firstTraces() const;
    void readSection(SliceKind kind, qint64 index, std::vector<qint64> traces,
                     std::function<void()> next = {});
    void readCube();
    void reportCancel();
    void showPicture(SliceKind kind, SectionData picture);
    void showSection();
    void showAxes();
    void showHeaders();
    void showTraceTable();
    void showPlot();
    void updateSlicer();
    void sliceMoved();
    void rememberFile(const QString& path);
    void updateRecentMenu();
    void showPlace(const QPointF& scenePoint);
    void fitPicture();
    void zoom(double factor);
    void useFields(const QStringList& keys);

    ZelApp* App;
    std::unique_ptr<Ui::ViewWindow> Form;
    AppConsole* Messages = nullptr;
    ZelThreadMessenger* Messenger = nullptr;
    BackgroundRead* Reader = nullptr;
    QProgressBar* Progress = nullptr;
    QToolButton* CancelButton = nullptr;
    QTimer* SliceDelay = nullptr;
    QGraphicsScene* Scene = nullptr;
    QGraphicsPixmapItem* Image = nullptr;
    TraceHeaderModel* HeaderModel = nullptr;
    SegyDocument Shown;
    SurveyCube Survey;
    SectionData Current;
    SliceKind Kind = SliceKind::FirstTraces;
    std::vector<zel::HeaderField> Fields;
    ColourMap Colours = ColourMap::Grey;
    bool Wiggles = false;
    bool Fitted = true;
    float Gain = 1.0f;
    double DelayMs = 0;
    int WiggleWidth = 2;
    int WiggleHeight = 1;
    QStringList Recent;
};

#endif
