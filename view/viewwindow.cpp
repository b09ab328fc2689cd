// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "viewwindow.h"

#include "ui_viewwindow.h"

#include "appconsole.h"
#include "headerfields.h"
#include "textheader.h"
#include "traceheadermodel.h"
#include "zelapp.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QMimeData>
#include <QMouseEvent>
#include <QSettings>
#include <QSortFilterProxyModel>

#include <cmath>
#include <utility>

namespace {

const QString SettingsGroup = QStringLiteral("Viewer");
// Samples read for the section when a file opens: 64 MiB of floats.
constexpr qint64 SampleBudget = qint64{16} << 20;
constexpr int RecentFiles = 8;
// The share of sample magnitudes inside the clip.
constexpr double ClipPercentile = 99.0;
constexpr double ZoomStep = 1.25;
constexpr float GainStep = 1.5f;
// Pixels of each trace's column in the wiggle image.
constexpr int WiggleWidth = 8;
// The trace header fields of the table and of the status bar.
const char* const TableFields[] = {"tracl", "fldr", "tracf", "ep", "cdp",   "offset",
                                   "sx",    "sy",   "gx",    "gy", "iline", "xline"};

} // namespace

ViewWindow::ViewWindow(ZelApp* app, const QString& logName)
    : App(app)
    , Form(std::make_unique<Ui::ViewWindow>())
{
    Form->setupUi(this);
    setWindowTitle(App->Name);
    App->MainWidget = this;
    Messages = new AppConsole(App, Form->messages, logName, 1);
    Messages->setParent(this);

    Scene = new QGraphicsScene(this);
    Image = Scene->addPixmap(QPixmap());
    Form->sectionView->setScene(Scene);
    Form->sectionView->viewport()->setMouseTracking(true);
    Form->sectionView->viewport()->installEventFilter(this);
    Form->textHeader->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    HeaderModel = new TraceHeaderModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(HeaderModel);
    Form->traceHeaders->setModel(sorted);

    auto* colours = new QActionGroup(this);
    colours->addAction(Form->actionGrey);
    colours->addAction(Form->actionRedWhiteBlue);
    connect(Form->actionGrey, &QAction::triggered, this, [this] {
        Colours = ColourMap::Grey;
        showSection();
    });
    connect(Form->actionRedWhiteBlue, &QAction::triggered, this, [this] {
        Colours = ColourMap::RedWhiteBlue;
        showSection();
    });
    connect(Form->actionWiggles, &QAction::toggled, this, [this](bool on) {
        Wiggles = on;
        showSection();
        Form->sectionView->fitInView(Image, Qt::IgnoreAspectRatio);
    });
    connect(Form->actionGainUp, &QAction::triggered, this, [this] {
        Gain *= GainStep;
        showSection();
    });
    connect(Form->actionGainDown, &QAction::triggered, this, [this] {
        Gain /= GainStep;
        showSection();
    });
    connect(Form->actionOpen, &QAction::triggered, this, &ViewWindow::chooseFile);
    connect(Form->actionExport, &QAction::triggered, this, &ViewWindow::exportView);
    connect(Form->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(Form->actionAbout, &QAction::triggered, App, &ZelApp::OnAbout);
    connect(Form->actionZoomIn, &QAction::triggered, this,
            [this] { Form->sectionView->scale(ZoomStep, ZoomStep); });
    connect(Form->actionZoomOut, &QAction::triggered, this,
            [this] { Form->sectionView->scale(1 / ZoomStep, 1 / ZoomStep); });
    connect(Form->actionFit, &QAction::triggered, this,
            [this] { Form->sectionView->fitInView(Image, Qt::IgnoreAspectRatio); });
    Form->actionExport->setEnabled(false);
    readSettings();
}

ViewWindow::~ViewWindow() = default;

AppConsole* ViewWindow::Console() const
{
    return Messages;
}

const SegyDocument& ViewWindow::Document() const
{
    return Shown;
}

bool ViewWindow::OpenFile(const QString& path)
{
    SegyDocument document;
    zel::SegyFinding problem;
    if (!LoadSegy(path, SampleBudget, document, problem)) {
        Messages->ErrorMessage(tr("%1: %2").arg(path, problem.What), false);
        return false;
    }
    Shown = std::move(document);
    for (const zel::SegyFinding& note : Shown.Layout.Notes)
        Messages->WarningMessage(tr("%1: %2").arg(path, note.What), false);
    if (Shown.Samples.Traces < Shown.Layout.Traces) {
        Messages->Message(tr("%1: showing the first %2 of %3 traces")
                              .arg(path)
                              .arg(Shown.Samples.Traces)
                              .arg(Shown.Layout.Traces));
    }
    Messages->Message(tr("%1: %2 traces of %3 samples, format %4")
                          .arg(path)
                          .arg(Shown.Layout.Traces)
                          .arg(Shown.Layout.SamplesPerTrace)
                          .arg(Shown.Layout.Format->Code));
    setWindowTitle(tr("%1 - %2").arg(QFileInfo(path).fileName(), App->Name));
    showSection();
    Form->sectionView->fitInView(Image, Qt::IgnoreAspectRatio);
    showHeaders();
    rememberFile(path);
    Form->actionExport->setEnabled(true);
    return true;
}

void ViewWindow::showSection()
{
    const Section& section = Shown.Samples;
    DensityStyle style;
    style.Map = Colours;
    style.Clip = PercentileClip(section.Values.data(), section.Values.size(), ClipPercentile);
    style.Gain = Gain;
    Image->setPixmap(QPixmap::fromImage(Wiggles ? WiggleImage(section, style, WiggleWidth)
                                                : DensityImage(section, style)));
    Scene->setSceneRect(Image->boundingRect());
}

void ViewWindow::showHeaders()
{
    QStringList text;
    for (const QByteArray& block : Shown.Headers.Textual)
        text << zel::DecodeTextHeader(block, Shown.Layout.Text).Lines.join(QLatin1Char('\n'));
    Form->textHeader->setPlainText(text.join(QStringLiteral("\n\n")));

    Form->binaryHeader->clear();
    Form->binaryHeader->setColumnCount(3);
    Form->binaryHeader->setHorizontalHeaderLabels({tr("Byte"), tr("Field"), tr("Value")});
    const std::vector<zel::HeaderField> fields =
        Shown.Headers.Binary.size() == zel::BinaryHeaderBytes
            ? zel::BinaryHeaderFields(Shown.Layout)
            : std::vector<zel::HeaderField>();
    Form->binaryHeader->setRowCount(int(fields.size()));
    for (int row = 0; row < int(fields.size()); ++row) {
        const zel::HeaderField& field = fields[std::size_t(row)];
        char value[zel::FieldTextBytes];
        char* end =
            zel::FormatField(value, Shown.Headers.Binary.constData(), field, Shown.Layout.Order);
        Form->binaryHeader->setItem(row, 0,
                                    new QTableWidgetItem(QString::number(3201 + field.Offset)));
        Form->binaryHeader->setItem(row, 1, new QTableWidgetItem(QLatin1String(field.Name)));
        Form->binaryHeader->setItem(
            row, 2, new QTableWidgetItem(QString::fromLatin1(value, int(end - value))));
    }

    std::vector<zel::HeaderField> columns;
    for (const char* name : TableFields)
        columns.push_back(*zel::FindTraceField(QLatin1String(name)));
    HeaderModel->SetHeaders(Shown.TraceHeaders, 0, Shown.Layout.Order, columns);
}

void ViewWindow::showPlace(const QPointF& scenePoint)
{
    const int trace = int(std::floor(scenePoint.x() / (Wiggles ? WiggleWidth : 1)));
    const int sample = int(std::floor(scenePoint.y()));
    const Section& section = Shown.Samples;
    if (trace < 0 || sample < 0 || trace >= section.Traces || sample >= section.Samples) {
        statusBar()->clearMessage();
        return;
    }
    const double milliseconds = sample * Shown.Layout.SampleInterval / 1000.0;
    const char* header = Shown.TraceHeaders.constData() + qsizetype{trace} * zel::TraceHeaderBytes;
    const zel::HeaderField cdp = *zel::FindTraceField(QStringLiteral("cdp"));
    statusBar()->showMessage(tr("trace %1, %2 ms, value %3, cdp %4, gain %5")
                                 .arg(trace)
                                 .arg(milliseconds)
                                 .arg(double(section.At(trace, sample)))
                                 .arg(zel::FieldValue(header, cdp, Shown.Layout.Order))
                                 .arg(double(Gain)));
}

bool ViewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Form->sectionView->viewport() && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        showPlace(Form->sectionView->mapToScene(move->pos()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void ViewWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open a seismic file"), QString(),
        tr("SEG-Y and SU files (*.sgy *.segy *.su *.SGY *.SEGY *.SU);;All files (*)"));
    if (!path.isEmpty())
        OpenFile(path);
}

void ViewWindow::exportView()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the view"), QString(),
                                                      tr("PNG images (*.png)"));
    if (path.isEmpty())
        return;
    if (!Form->sectionView->viewport()->grab().save(path, "PNG"))
        Messages->ErrorMessage(tr("cannot write %1").arg(path), false);
}

void ViewWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ViewWindow::dropEvent(QDropEvent* event)
{
    if (OpenDropped(*event->mimeData()))
        event->acceptProposedAction();
}

bool ViewWindow::OpenDropped(const QMimeData& data)
{
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            return OpenFile(url.toLocalFile());
    }
    return false;
}

void ViewWindow::rememberFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Recent.removeAll(absolute);
    Recent.prepend(absolute);
    while (Recent.size() > RecentFiles)
        Recent.removeLast();
    updateRecentMenu();
}

void ViewWindow::updateRecentMenu()
{
    Form->menuRecent->clear();
    for (const QString& path : std::as_const(Recent)) {
        Form->menuRecent
            ->addAction(QFileInfo(path).fileName(), this, [this, path] { OpenFile(path); })
            ->setToolTip(path);
    }
    Form->menuRecent->setEnabled(!Recent.isEmpty());
}

void ViewWindow::readSettings()
{
    QSettings settings;
    settings.beginGroup(SettingsGroup);
    restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("state")).toByteArray());
    Recent = settings.value(QStringLiteral("recent")).toStringList();
    updateRecentMenu();
}

void ViewWindow::writeSettings()
{
    QSettings settings;
    settings.beginGroup(SettingsGroup);
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("state"), saveState());
    settings.setValue(QStringLiteral("recent"), Recent);
}

void ViewWindow::closeEvent(QCloseEvent* event)
{
    writeSettings();
    event->accept();
}
