// SPDX-FileCopyrightText: 2026 Zelmorra Corp
// SPDX-License-Identifier: MIT

#include "viewwindow.h"

#include "ui_viewwindow.h"

#include "appconsole.h"
#include "backgroundread.h"
#include "fieldchooser.h"
#include "fieldkey.h"
#include "textheader.h"
#include "traceheadermodel.h"
#include "watchedfile.h"
#include "zelapp.h"
#include "zelthreadmessenger.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace {

const QString SettingsGroup = QStringLiteral("Viewer");
// Samples of the first picture of a file: 32 MiB of floats, drawn in as
// many pixels.
constexpr qint64 SampleBudget = qint64{8} << 20;
// Traces of the first picture at most, whose headers are kept too.
constexpr qint64 TraceBudget = qint64{1} << 16;
// Pixels of wiggles at most; the size they are drawn at where the picture
// has few traces or samples, and the widest column and tallest row.
constexpr qint64 WigglePixels = qint64{32} << 20;
constexpr int WiggleWidthGoal = 1600, WiggleHeightGoal = 1200;
constexpr int WiggleColumnMost = 32, WiggleRowMost = 16;
constexpr int RecentFiles = 8;
// The share of sample magnitudes inside the clip.
constexpr double ClipPercentile = 99.0;
constexpr double ZoomStep = 1.25;
constexpr float GainStep = 1.5f;
// The fields of the table and the status bar, and the plot's, until the
// user chooses others; and how many of them the status bar shows.
const QStringList DefaultFields = {
    QStringLiteral("tracl"), QStringLiteral("fldr"),  QStringLiteral("tracf"),
    QStringLiteral("ep"),    QStringLiteral("cdp"),   QStringLiteral("offset"),
    QStringLiteral("sx"),    QStringLiteral("sy"),    QStringLiteral("gx"),
    QStringLiteral("gy"),    QStringLiteral("iline"), QStringLiteral("xline")};
const QString DefaultPlotField = QStringLiteral("cdp");
constexpr int StatusFields = 4;
// The first height of the panels below the picture.
constexpr int BottomPanelHeight = 200;
// How long the slider rests before the slice it points at is read.
constexpr int SliceDelayMs = 150;

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
    Messenger = new ZelThreadMessenger(Messages, this);

    Scene = new QGraphicsScene(this);
    Image = Scene->addPixmap(QPixmap());
    Form->sectionView->setScene(Scene);
    Form->sectionView->viewport()->setMouseTracking(true);
    Form->sectionView->viewport()->installEventFilter(this);
    Form->topAxis->SetView(Form->sectionView, Qt::Horizontal);
    Form->leftAxis->SetView(Form->sectionView, Qt::Vertical);
    Form->textHeader->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    HeaderModel = new TraceHeaderModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(HeaderModel);
    Form->traceHeaders->setModel(sorted);
    for (const zel::HeaderField& field : zel::TraceHeaderFields())
        Form->plotField->addItem(FieldKey(field));
    connect(Form->plotField, &QComboBox::currentTextChanged, this, &ViewWindow::showPlot);

    // Reads in the background show their progress, and a button to cancel
    // them, in the status bar while they run.
    Reader = new BackgroundRead(this);
    Progress = new QProgressBar(this);
    Progress->setRange(0, 1000);
    Progress->setTextVisible(false);
    Progress->setMaximumWidth(160);
    CancelButton = new QToolButton(this);
    CancelButton->setDefaultAction(Form->actionCancel);
    statusBar()->addPermanentWidget(Progress);
    statusBar()->addPermanentWidget(CancelButton);
    Progress->hide();
    CancelButton->hide();
    connect(Reader, &BackgroundRead::Started, this, [this] {
        Progress->setValue(0);
        Progress->show();
        CancelButton->show();
    });
    connect(Reader, &BackgroundRead::Progressed, Progress, &QProgressBar::setValue);
    connect(Reader, &BackgroundRead::Idle, this, [this] {
        Progress->hide();
        CancelButton->hide();
    });
    connect(Form->actionCancel, &QAction::triggered, this, &ViewWindow::CancelReading);

    SliceDelay = new QTimer(this);
    SliceDelay->setSingleShot(true);
    SliceDelay->setInterval(SliceDelayMs);
    connect(SliceDelay, &QTimer::timeout, this, &ViewWindow::sliceMoved);
    connect(Form->sliceKind, qOverload<int>(&QComboBox::activated), this, [this] {
        updateSlicer();
        sliceMoved();
    });
    connect(Form->sliceSlider, &QSlider::valueChanged, this, [this] {
        updateSlicer();
        SliceDelay->start();
    });

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
        fitPicture();
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
    connect(Form->actionFields, &QAction::triggered, this, &ViewWindow::chooseFields);
    connect(Form->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(Form->actionAbout, &QAction::triggered, App, &ZelApp::OnAbout);
    connect(Form->actionZoomIn, &QAction::triggered, this, [this] { zoom(ZoomStep); });
    connect(Form->actionZoomOut, &QAction::triggered, this, [this] { zoom(1 / ZoomStep); });
    connect(Form->actionFit, &QAction::triggered, this, &ViewWindow::fitPicture);
    Form->actionExport->setEnabled(false);
    // Until the user arranges them: the plot behind the messages, both low,
    // so that the picture gets most of the window.
    tabifyDockWidget(Form->messagesDock, Form->plotDock);
    Form->messagesDock->raise();
    resizeDocks({Form->messagesDock}, {BottomPanelHeight}, Qt::Vertical);
    readSettings();
}

// The reader goes first: it waits for its worker, whose reports go to the
// console.
ViewWindow::~ViewWindow()
{
    delete Reader;
}

AppConsole* ViewWindow::Console() const
{
    return Messages;
}

const SegyDocument& ViewWindow::Document() const
{
    return Shown;
}

const SurveyCube& ViewWindow::Cube() const
{
    return Survey;
}

const SectionData& ViewWindow::Picture() const
{
    return Current;
}

bool ViewWindow::Reading() const
{
    return Reader->Busy();
}

void ViewWindow::CancelReading()
{
    Reader->Cancel();
}

bool ViewWindow::OpenFile(const QString& path)
{
    SegyDocument document;
    zel::SegyFinding problem;
    if (!OpenSegy(path, document, problem)) {
        Messages->ErrorMessage(tr("%1: %2").arg(path, problem.What), false);
        return false;
    }
    Shown = std::move(document);
    Survey = {};
    DelayMs = 0;
    updateSlicer();
    for (const zel::SegyFinding& note : Shown.Layout.Notes)
        Messages->WarningMessage(tr("%1: %2").arg(path, note.What), false);
    const zel::SegyLayout& layout = Shown.Layout;
    Messages->Message(tr("%1: %2 traces of %3 samples, format %4")
                          .arg(path)
                          .arg(layout.Traces)
                          .arg(layout.SamplesPerTrace)
                          .arg(layout.Format->Code));
    setWindowTitle(tr("%1 - %2").arg(QFileInfo(path).fileName(), App->Name));
    showHeaders();
    rememberFile(path);

    std::vector<qint64> first = firstTraces();
    const qint64 traces = qint64(first.size());
    if (traces < layout.Traces) {
        Messages->Message(
            tr("%1: showing the first %2 of %3 traces").arg(path).arg(traces).arg(layout.Traces));
    }
    Form->sliceKind->setCurrentIndex(int(SliceKind::FirstTraces));
    readSection(SliceKind::FirstTraces, 0, std::move(first), [this] { readCube(); });
    return true;
}

// The traces of a file's first picture: as many as the budgets allow.
std::vector<qint64> ViewWindow::firstTraces() const
{
    const qint64 longest = std::max<qint64>(1, Shown.Layout.SamplesPerTrace);
    std::vector<qint64> traces(std::size_t(
        std::max<qint64>(0, std::min({Shown.Layout.Traces,
                                      std::max<qint64>(1, SampleBudget / longest), TraceBudget}))));
    std::iota(traces.begin(), traces.end(), qint64{0});
    return traces;
}

bool ViewWindow::ShowSlice(SliceKind kind, qint64 index)
{
    if (kind == SliceKind::FirstTraces) {
        Form->sliceKind->setCurrentIndex(0);
        updateSlicer();
        sliceMoved();
        return true;
    }
    if (!Survey.IsCube())
        return false;
    const zel::SurveyGeometry& geometry = Survey.Geometry;
    const qint64 count = kind == SliceKind::Inline      ? geometry.Inlines.Count
                         : kind == SliceKind::Crossline ? geometry.Crosslines.Count
                                                        : Shown.Layout.SamplesPerTrace;
    if (index < 0 || index >= count)
        return false;
    Form->sliceKind->setCurrentIndex(int(kind));
    updateSlicer();
    const QSignalBlocker quiet(Form->sliceSlider);
    Form->sliceSlider->setValue(int(index));
    updateSlicer();
    sliceMoved();
    return true;
}

// Reads the traces of a picture in the background, shows it once read and
// then goes on with `next`.
void ViewWindow::readSection(SliceKind kind, qint64 index, std::vector<qint64> traces,
                             std::function<void()> next)
{
    auto read = std::make_shared<SectionData>();
    Reader->Start(
        [read, kind, index, traces = std::move(traces), path = Shown.Path, layout = Shown.Layout,
         cube = kind == SliceKind::Time ? Survey : SurveyCube(),
         messenger = Messenger](const ReadProgress& progress, const std::atomic<bool>& cancelled) {
            WatchedFile file(path, [&cancelled](qint64) { return !cancelled; });
            zel::SegyFinding problem;
            const bool done =
                file.open(QIODevice::ReadOnly) &&
                (kind == SliceKind::Time
                     ? ReadTimeSlice(file, layout, cube, index, *read, progress, problem)
                     : ReadTraces(file, layout, traces, *read, progress, problem));
            if (!done && !cancelled) {
                messenger->Report(tr("%1: %2").arg(path, problem.What.isEmpty() ? file.errorString()
                                                                                : problem.What),
                                  AppConsole::ThreadError);
            }
            return done;
        },
        [this, read, kind, next = std::move(next)](BackgroundRead::Outcome outcome) {
            if (outcome == BackgroundRead::Outcome::Completed) {
                showPicture(kind, std::move(*read));
                if (next)
                    next();
            } else if (outcome == BackgroundRead::Outcome::Cancelled) {
                reportCancel();
            }
        });
}

// Reads every trace header in the background to find the survey's cube,
// whose inlines, crosslines and time slices the slider then walks.
void ViewWindow::readCube()
{
    auto read = std::make_shared<SurveyCube>();
    Reader->Start(
        [read, path = Shown.Path, layout = Shown.Layout,
         messenger = Messenger](const ReadProgress& progress, const std::atomic<bool>& cancelled) {
            WatchedFile file(path, [&progress, &layout](qint64 position) {
                return progress(position, layout.FileBytes);
            });
            zel::SegyFinding problem;
            const bool done =
                file.open(QIODevice::ReadOnly) && ReadCube(file, layout, *read, problem);
            if (!done && !cancelled) {
                messenger->Report(tr("%1: %2").arg(path, problem.What.isEmpty() ? file.errorString()
                                                                                : problem.What),
                                  AppConsole::ThreadError);
            }
            if (!done || !read->IsCube())
                return done;
            const zel::SurveyGeometry& geometry = read->Geometry;
            messenger->Report(tr("%1: a cube of %2 inlines (%3 to %4) and %5 crosslines "
                                 "(%6 to %7); %8 of %9 bins hold a trace")
                                  .arg(path)
                                  .arg(geometry.Inlines.Count)
                                  .arg(geometry.Inlines.First)
                                  .arg(geometry.Inlines.Last)
                                  .arg(geometry.Crosslines.Count)
                                  .arg(geometry.Crosslines.First)
                                  .arg(geometry.Crosslines.Last)
                                  .arg(geometry.OccupiedBins)
                                  .arg(geometry.Bins),
                              AppConsole::ThreadMessage);
            return true;
        },
        [this, read](BackgroundRead::Outcome outcome) {
            if (outcome == BackgroundRead::Outcome::Cancelled)
                reportCancel();
            if (outcome != BackgroundRead::Outcome::Completed)
                return;
            Survey = std::move(*read);
            updateSlicer();
        });
}

// A read that another replaces ends quietly; one cancelled by the user, with
// nothing waiting after it, is reported.
void ViewWindow::reportCancel()
{
    if (!Reader->Busy())
        Messages->Message(tr("%1: the read was cancelled").arg(Shown.Path));
}

void ViewWindow::showPicture(SliceKind kind, SectionData picture)
{
    Kind = kind;
    Current = std::move(picture);
    // Times count from the first trace's recording delay.
    if (kind == SliceKind::FirstTraces && !Current.TraceHeaders.isEmpty()) {
        DelayMs =
            zel::FieldValue(Current.TraceHeaders.constData(),
                            *zel::FindTraceField(QStringLiteral("delrt")), Shown.Layout.Order);
    }
    showSection();
    fitPicture();
    showTraceTable();
    showPlot();
    Form->actionExport->setEnabled(true);
    emit PictureShown();
}

void ViewWindow::showSection()
{
    const Section& section = Current.Samples;
    DensityStyle style;
    style.Map = Colours;
    style.Clip = PercentileClip(section.Values.data(), section.Values.size(), ClipPercentile);
    style.Gain = Gain;
    // Wiggles are drawn large enough to look smooth, within a budget of
    // pixels; a section of many traces gets narrow columns.
    const int traces = std::max(1, section.Traces), samples = std::max(1, section.Samples);
    WiggleWidth = std::clamp(WiggleWidthGoal / traces, 2, WiggleColumnMost);
    WiggleHeight = std::clamp(WiggleHeightGoal / samples, 1, WiggleRowMost);
    while (WiggleHeight > 1 && qint64(traces) * WiggleWidth * samples * WiggleHeight > WigglePixels)
        --WiggleHeight;
    while (WiggleWidth > 2 && qint64(traces) * WiggleWidth * samples > WigglePixels)
        --WiggleWidth;
    const bool wiggles = Wiggles && Kind != SliceKind::Time;
    QImage picture = wiggles ? WiggleImage(section, style, WiggleWidth, WiggleHeight)
                             : DensityImage(section, style);
    Image->setPixmap(QPixmap::fromImage(std::move(picture)));
    Scene->setSceneRect(Image->boundingRect());
    showAxes();
}

void ViewWindow::showAxes()
{
    const zel::SurveyGeometry& geometry = Survey.Geometry;
    AxisScale across;
    across.Cells = Current.Samples.Traces;
    const bool wiggles = Wiggles && Kind != SliceKind::Time;
    across.Cell = wiggles ? WiggleWidth : 1;
    AxisScale down;
    down.Cells = Current.Samples.Samples;
    down.Cell = wiggles ? WiggleHeight : 1;
    switch (Kind) {
    case SliceKind::FirstTraces:
        across.Title = tr("trace");
        break;
    case SliceKind::Inline:
        across = {tr("crossline"), double(geometry.Crosslines.First),
                  double(geometry.Crosslines.Step), across.Cell, across.Cells};
        break;
    case SliceKind::Crossline:
    case SliceKind::Time:
        across = {tr("inline"), double(geometry.Inlines.First), double(geometry.Inlines.Step),
                  across.Cell, across.Cells};
        break;
    }
    if (Kind == SliceKind::Time) {
        down = {tr("crossline"), double(geometry.Crosslines.First),
                double(geometry.Crosslines.Step), 1, down.Cells};
    } else if (Shown.Layout.SampleInterval > 0) {
        down = {tr("time (ms)"), DelayMs, Shown.Layout.SampleInterval / 1000.0, down.Cell,
                down.Cells};
    } else {
        down.Title = tr("sample");
    }
    Form->topAxis->SetScale(across);
    Form->leftAxis->SetScale(down);
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
}

void ViewWindow::showTraceTable()
{
    HeaderModel->SetHeaders(Current.TraceHeaders, Current.Traces, Shown.Layout.Order, Fields);
}

// The chosen field of each trace of the picture against the picture's
// horizontal numbers; bins without a trace are left out.
void ViewWindow::showPlot()
{
    const std::optional<zel::HeaderField> field =
        zel::FindTraceField(Form->plotField->currentText());
    std::vector<double> across, values;
    const AxisScale& scale = Form->topAxis->Scale();
    for (std::size_t column = 0; field && column < Current.Traces.size(); ++column) {
        if (Current.Traces[column] < 0)
            continue;
        across.push_back(scale.First + scale.Step * double(column));
        values.push_back(zel::FieldValue(Current.TraceHeaders.constData() +
                                             qsizetype(column) * zel::TraceHeaderBytes,
                                         *field, Shown.Layout.Order));
    }
    Form->headerPlot->SetValues(
        tr("%1 against %2").arg(Form->plotField->currentText(), scale.Title), std::move(across),
        std::move(values));
}

// The slider walks the lines of the kind chosen, or the samples for time
// slices; the label gives the line's number or the time.
void ViewWindow::updateSlicer()
{
    Form->slicer->setEnabled(Survey.IsCube());
    const zel::SurveyGeometry& geometry = Survey.Geometry;
    const auto kind = SliceKind(Form->sliceKind->currentIndex());
    const QSignalBlocker quiet(Form->sliceSlider);
    qint64 count = 1;
    if (Survey.IsCube()) {
        count = kind == SliceKind::Inline      ? geometry.Inlines.Count
                : kind == SliceKind::Crossline ? geometry.Crosslines.Count
                : kind == SliceKind::Time      ? Shown.Layout.SamplesPerTrace
                                               : 1;
    }
    Form->sliceSlider->setRange(0, int(std::max<qint64>(count, 1) - 1));
    Form->sliceSlider->setEnabled(kind != SliceKind::FirstTraces);
    const qint64 at = Form->sliceSlider->value();
    switch (kind) {
    case SliceKind::FirstTraces:
        Form->sliceNumber->clear();
        break;
    case SliceKind::Inline:
        Form->sliceNumber->setText(
            tr("inline %1").arg(geometry.Inlines.First + at * geometry.Inlines.Step));
        break;
    case SliceKind::Crossline:
        Form->sliceNumber->setText(
            tr("crossline %1").arg(geometry.Crosslines.First + at * geometry.Crosslines.Step));
        break;
    case SliceKind::Time:
        Form->sliceNumber->setText(
            tr("%1 ms").arg(DelayMs + double(at) * Shown.Layout.SampleInterval / 1000.0));
        break;
    }
}

void ViewWindow::sliceMoved()
{
    SliceDelay->stop();
    const auto kind = SliceKind(Form->sliceKind->currentIndex());
    const qint64 at = Form->sliceSlider->value();
    switch (kind) {
    case SliceKind::FirstTraces:
        readSection(kind, 0, firstTraces());
        break;
    case SliceKind::Inline:
        readSection(kind, at, Survey.InlineTraces(at));
        break;
    case SliceKind::Crossline:
        readSection(kind, at, Survey.CrosslineTraces(at));
        break;
    case SliceKind::Time:
        readSection(kind, at, {});
        break;
    }
}

void ViewWindow::showPlace(const QPointF& scenePoint)
{
    const Section& section = Current.Samples;
    const AxisScale& across = Form->topAxis->Scale();
    const AxisScale& down = Form->leftAxis->Scale();
    const int column = int(std::floor(scenePoint.x() / across.Cell));
    const int row = int(std::floor(scenePoint.y() / down.Cell));
    if (column < 0 || row < 0 || column >= section.Traces || row >= section.Samples) {
        statusBar()->clearMessage();
        return;
    }
    QStringList parts;
    const double value = double(section.At(column, row));
    if (Kind == SliceKind::Time) {
        parts << tr("inline %1").arg(across.First + across.Step * column)
              << tr("crossline %1").arg(down.First + down.Step * row) << Form->sliceNumber->text();
    } else {
        const qint64 trace = Current.Traces[std::size_t(column)];
        parts << (trace < 0 ? tr("no trace") : tr("trace %1").arg(trace));
        if (Kind != SliceKind::FirstTraces)
            parts << tr("%1 %2").arg(across.Title).arg(across.First + across.Step * column);
        parts << (Shown.Layout.SampleInterval > 0
                      ? tr("%1 ms").arg(DelayMs + row * Shown.Layout.SampleInterval / 1000.0)
                      : tr("sample %1").arg(row));
        const char* header =
            Current.TraceHeaders.constData() + qsizetype{column} * zel::TraceHeaderBytes;
        for (std::size_t i = 0;
             trace >= 0 && i < std::min<std::size_t>(Fields.size(), StatusFields); ++i) {
            parts << tr("%1 %2")
                         .arg(FieldKey(Fields[i]))
                         .arg(zel::FieldValue(header, Fields[i], Shown.Layout.Order));
        }
    }
    parts << tr("value %1").arg(value) << tr("gain %1").arg(double(Gain));
    statusBar()->showMessage(parts.join(QStringLiteral(", ")));
}

// The whole picture in the view, until the user zooms; a picture that fits
// keeps fitting as the window's size changes.
void ViewWindow::fitPicture()
{
    Fitted = true;
    Form->sectionView->fitInView(Image, Qt::IgnoreAspectRatio);
}

void ViewWindow::zoom(double factor)
{
    Fitted = false;
    Form->sectionView->scale(factor, factor);
}

bool ViewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Form->sectionView->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            showPlace(Form->sectionView->mapToScene(move->pos()));
        } else if (event->type() == QEvent::Resize && Fitted) {
            Form->sectionView->fitInView(Image, Qt::IgnoreAspectRatio);
        } else if (event->type() == QEvent::Wheel) {
            // The wheel scrolls; with Ctrl held it zooms about the mouse.
            const auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                if (wheel->angleDelta().y() != 0)
                    zoom(wheel->angleDelta().y() > 0 ? ZoomStep : 1 / ZoomStep);
                return true;
            }
        }
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

void ViewWindow::chooseFields()
{
    QStringList keys;
    for (const zel::HeaderField& field : Fields)
        keys << FieldKey(field);
    FieldChooser chooser(keys, this);
    if (chooser.exec() == QDialog::Accepted) {
        useFields(chooser.Chosen());
        showTraceTable();
    }
}

void ViewWindow::useFields(const QStringList& keys)
{
    Fields.clear();
    for (const QString& key : keys) {
        if (const std::optional<zel::HeaderField> field = zel::FindTraceField(key))
            Fields.push_back(*field);
    }
}

// The picture with its axes, as the window shows it.
void ViewWindow::exportView()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the view"), QString(),
                                                      tr("PNG images (*.png)"));
    if (path.isEmpty())
        return;
    const QRect area = Form->topAxis->geometry()
                           .united(Form->leftAxis->geometry())
                           .united(Form->sectionView->geometry());
    if (!Form->central->grab(area).save(path, "PNG"))
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
    useFields(settings.value(QStringLiteral("fields"), DefaultFields).toStringList());
    Form->plotField->setCurrentText(
        settings.value(QStringLiteral("plotField"), DefaultPlotField).toString());
    updateRecentMenu();
}

void ViewWindow::writeSettings()
{
    QSettings settings;
    settings.beginGroup(SettingsGroup);
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("state"), saveState());
    settings.setValue(QStringLiteral("recent"), Recent);
    QStringList keys;
    for (const zel::HeaderField& field : Fields)
        keys << FieldKey(field);
    settings.setValue(QStringLiteral("fields"), keys);
    settings.setValue(QStringLiteral("plotField"), Form->plotField->currentText());
}

void ViewWindow::closeEvent(QCloseEvent* event)
{
    writeSettings();
    event->accept();
}
