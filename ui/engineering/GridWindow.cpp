#include "GridWindow.h"
#include "GridFigures.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "FlowLayout.h"
#include "FocusFrame.h"
#include "GridAssessments.h"
#include "GridReasonText.h"
#include "GridSession.h"
#include "GridSoilText.h"
#include "GridSweep.h"
#include "NumberBox.h"
#include "PlotSaving.h"
#include "ScreenFit.h"
#include "TableCell.h"
#include "TypedNumber.h"
#include "UserGuide.h"

namespace terrovane::engineering {
namespace {

const QColor kSafeColour(0x1b, 0x7a, 0x2e);
const QColor kUnsafeColour(0xc0, 0x1c, 0x1c);

QString Shown(double value) {
    return keyboard::ShownSignificant(value, 4);
}

}  // namespace

GridWindow::GridWindow(archive::Archive* archive, std::optional<SiteChoice> site,
                       std::optional<grid::FittedSoil> model, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive), site_(std::move(site)), model_(std::move(model)) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(site_ ? tr("Grid safety - %1").arg(site_->name) : tr("Grid safety"));
    help::OpenGuideOnHelpKey(this, help::kPageGrid);
    const bool stored = archive_ != nullptr && site_;
    if (!model_ && stored)
        model_ = NewestSoilModel(*archive_, site_->id);

    // The fields in two columns, the grid's own beside the fault's and the soil's, where the screen has room
    // for both beside the results; on a smaller screen (or at a larger scale) in one column that scrolls.
    auto* fields = new QWidget;
    auto* columns = new QHBoxLayout(fields);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    for (QWidget* group : {BuildGridFields(), BuildRodFields(), BuildSurfaceFields()})
        left->addWidget(group);
    const QList<QWidget*> secondColumn{BuildFaultFields(), BuildSoilFields()};
    for (QWidget* group : secondColumn)
        right->addWidget(group);
    left->addStretch(1);
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);
    auto* scroll = new QScrollArea(this);
    const int scrollBar = scroll->verticalScrollBar()->sizeHint().width();
    QWidget* results = BuildResults();
    auto* outer = new QHBoxLayout(this);
    const int besideResults = results->minimumSizeHint().width() + outer->spacing() +
                              outer->contentsMargins().left() + outer->contentsMargins().right() +
                              2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (fields->sizeHint().width() + scrollBar + besideResults > screenfit::AvailableArea(this).width()) {
        for (QWidget* group : secondColumn) {
            right->removeWidget(group);
            left->insertWidget(left->count() - 1, group);
        }
    }
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(fields->sizeHint().width() + scrollBar);
    outer->addWidget(scroll);
    outer->addWidget(results, 1);

    const std::optional<archive::StoredGridAssessment> last =
        stored ? NewestGridAssessment(*archive_, site_->id) : std::nullopt;
    SetDesign(last ? DesignOf(*last) : StartingDesign());
    if (last)
        standard_->setCurrentIndex(last->standard == grid::StandardName(grid::Standard::En50522) ? 1 : 0);
    WatchEdits();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    Recompute();
    screenfit::ResizeOnScreen(this, QSize(1480, 880));
}

QDoubleSpinBox* GridWindow::NumberField(double low, double high, int decimals, const QString& unit) {
    auto* box = new keyboard::NumberBox(this);
    box->setRange(low, high);
    box->setDecimals(decimals);
    if (!unit.isEmpty())
        box->setSuffix(QLatin1Char(' ') + unit);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QWidget* GridWindow::BuildGridFields() {
    auto* group = new QGroupBox(tr("Grid"), this);
    auto* form = new QFormLayout(group);
    shape_ = new QComboBox(this);
    shape_->addItem(tr("Square"), static_cast<int>(grid::GridShape::Square));
    shape_->addItem(tr("Rectangular"), static_cast<int>(grid::GridShape::Rectangular));
    shape_->addItem(tr("L-shaped"), static_cast<int>(grid::GridShape::LShaped));
    length_ = NumberField(0, 10000, 2, tr("m"));
    width_ = NumberField(0, 10000, 2, tr("m"));
    conductorsLengthwise_ = new keyboard::WholeNumberBox(this);
    conductorsWidthwise_ = new keyboard::WholeNumberBox(this);
    for (QSpinBox* box : {conductorsLengthwise_, conductorsWidthwise_})
        box->setRange(2, 1000);
    depth_ = NumberField(0, 10, 3, tr("m"));
    diameter_ = NumberField(0, 1, 4, tr("m"));
    cutoutLength_ = NumberField(0, 10000, 2, tr("m"));
    cutoutWidth_ = NumberField(0, 10000, 2, tr("m"));
    const std::vector<std::tuple<QString, QWidget*, grid::DesignField>> rows = {
        {tr("Shape"), shape_, grid::DesignField::Shape},
        {tr("Length"), length_, grid::DesignField::GridLength},
        {tr("Width"), width_, grid::DesignField::GridWidth},
        {tr("Conductors along the length"), conductorsLengthwise_, grid::DesignField::ConductorsLengthwise},
        {tr("Conductors along the width"), conductorsWidthwise_, grid::DesignField::ConductorsWidthwise},
        {tr("Depth"), depth_, grid::DesignField::GridDepth},
        {tr("Conductor diameter"), diameter_, grid::DesignField::ConductorDiameter},
        {tr("Cut-out length (L)"), cutoutLength_, grid::DesignField::CutoutLength},
        {tr("Cut-out width (L)"), cutoutWidth_, grid::DesignField::CutoutWidth}};
    for (const auto& [label, widget, field] : rows) {
        form->addRow(label, widget);
        fieldNames_[field] = label;
    }
    return group;
}

QWidget* GridWindow::BuildRodFields() {
    auto* group = new QGroupBox(tr("Rods"), this);
    auto* form = new QFormLayout(group);
    rodCount_ = new keyboard::WholeNumberBox(this);
    rodCount_->setRange(0, 10000);
    rodLength_ = NumberField(0, 100, 2, tr("m"));
    rodDiameter_ = NumberField(0, 1, 4, tr("m"));
    placement_ = new QComboBox(this);
    placement_->addItem(tr("On the perimeter"), static_cast<int>(grid::RodPlacement::Perimeter));
    placement_->addItem(tr("At the corners"), static_cast<int>(grid::RodPlacement::Corners));
    placement_->addItem(tr("Inside the grid"), static_cast<int>(grid::RodPlacement::Inside));
    const std::vector<std::tuple<QString, QWidget*, grid::DesignField>> rows = {
        {tr("Number of rods"), rodCount_, grid::DesignField::RodCount},
        {tr("Rod length"), rodLength_, grid::DesignField::RodLength},
        {tr("Rod diameter"), rodDiameter_, grid::DesignField::RodDiameter},
        {tr("Placement"), placement_, grid::DesignField::RodPlacement}};
    for (const auto& [label, widget, field] : rows) {
        form->addRow(label, widget);
        fieldNames_[field] = label;
    }
    return group;
}

QWidget* GridWindow::BuildSurfaceFields() {
    surface_ = new QGroupBox(tr("Surface layer (crushed rock)"), this);
    surface_->setCheckable(true);
    auto* form = new QFormLayout(surface_);
    surfaceRho_ = NumberField(0, 1e7, 1, tr("Ω·m"));
    surfaceThickness_ = NumberField(0, 10, 3, tr("m"));
    form->addRow(tr("Resistivity"), surfaceRho_);
    form->addRow(tr("Thickness"), surfaceThickness_);
    fieldNames_[grid::DesignField::SurfaceResistivity] = tr("Surface resistivity");
    fieldNames_[grid::DesignField::SurfaceThickness] = tr("Surface thickness");
    return surface_;
}

QWidget* GridWindow::BuildFaultFields() {
    auto* group = new QGroupBox(tr("Fault and body"), this);
    auto* form = new QFormLayout(group);
    currentKind_ = new QComboBox(this);
    currentKind_->addItem(tr("Grid current IG"));
    currentKind_->addItem(tr("Fault current 3I0"));
    current_ = NumberField(0, 1e7, 1, tr("A"));
    split_ = NumberField(0, 1, 3, QString());
    xOverR_ = NumberField(0, 1000, 2, QString());
    frequency_ = NumberField(0, 1000, 1, tr("Hz"));
    duration_ = NumberField(0, 100, 3, tr("s"));
    body_ = new QComboBox(this);
    body_->addItem(tr("70 kg"), 70);
    body_->addItem(tr("50 kg"), 50);
    standard_ = new QComboBox(this);
    standard_->addItem(tr("IEEE Std 80-2013"));
    standard_->addItem(tr("EN 50522:2010"));
    footwear_ = NumberField(0, 1e6, 0, tr("Ω"));
    standing_ = new QCheckBox(tr("Standing resistance of the feet"), this);
    form->addRow(tr("Current given"), currentKind_);
    form->addRow(tr("Current"), current_);
    form->addRow(tr("Split factor Sf"), split_);
    form->addRow(tr("X/R"), xOverR_);
    form->addRow(tr("Frequency"), frequency_);
    form->addRow(tr("Fault duration"), duration_);
    form->addRow(tr("Body"), body_);
    form->addRow(tr("Standard"), standard_);
    form->addRow(tr("Footwear (EN 50522)"), footwear_);
    form->addRow(QString(), standing_);
    fieldNames_[grid::DesignField::GridCurrent] = tr("Current");
    fieldNames_[grid::DesignField::FaultCurrent] = tr("Current");
    fieldNames_[grid::DesignField::SplitFactor] = tr("Split factor Sf");
    fieldNames_[grid::DesignField::XOverR] = tr("X/R");
    fieldNames_[grid::DesignField::Frequency] = tr("Frequency");
    fieldNames_[grid::DesignField::Duration] = tr("Fault duration");
    fieldNames_[grid::DesignField::BodyKg] = tr("Body");
    fieldNames_[grid::DesignField::Footwear] = tr("Footwear (EN 50522)");
    return group;
}

QWidget* GridWindow::BuildSoilFields() {
    auto* group = new QGroupBox(tr("Soil"), this);
    auto* form = new QFormLayout(group);
    soilSource_ = new QComboBox(this);
    if (model_)
        soilSource_->addItem(
            tr("Stored soil model (%n layer(s))", nullptr, static_cast<int>(model_->model.LayerCount())));
    soilSource_->addItem(tr("Typed resistivity"));
    typedRho_ = NumberField(0, 1e7, 1, tr("Ω·m"));
    typedRho_->setValue(model_ ? model_->model.resistivities.front() : 100);
    form->addRow(tr("Soil from"), soilSource_);
    form->addRow(tr("Resistivity"), typedRho_);
    soilNote_ = new QLabel(this);
    soilNote_->setWordWrap(true);
    form->addRow(soilNote_);
    return group;
}

QWidget* GridWindow::BuildResults() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    drawing_ = new GridDrawing(this);
    views_ = new QTabWidget(this);
    views_->addTab(drawing_, tr("Grid"));
    mapView_ = new GridMapView(this);
    map_ = &mapView_->Map();
    connect(mapView_, &GridMapView::Said, this, [this](const QString& text) { status_->setText(text); });
    views_->addTab(mapView_, tr("Touch and step voltages"));
    profile_ = new GridProfileView(*map_, computed_, this);
    connect(profile_, &GridProfileView::Said, this, [this](const QString& text) { status_->setText(text); });
    views_->addTab(profile_, tr("Profile"));
    column->addWidget(views_, 2);
    results_ = new QTableWidget(0, 4, this);
    results_->setHorizontalHeaderLabels(
        {tr("Tolerable"), tr("Formulas"), tr("In the soil model"), tr("Difference")});
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setTabKeyNavigation(false);
    results_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results_->horizontalHeader()->setStretchLastSection(true);
    results_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    results_->verticalHeader()->setDefaultSectionSize(results_->fontMetrics().height() + 8);
    column->addWidget(results_, 1);
    column->addWidget(BuildComputed());
    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    verdict_->setTextFormat(Qt::PlainText);
    column->addWidget(verdict_);
    warnings_ = new QLabel(this);
    warnings_->setWordWrap(true);
    column->addWidget(warnings_);
    // The buttons wrap onto a second row rather than widen the window past a small screen.
    auto* buttons = new screenfit::FlowLayout;
    auto* sweep = new QPushButton(tr("Find the smallest grid that is safe"), this);
    connect(sweep, &QPushButton::clicked, this, &GridWindow::FindSmallestSafe);
    store_ = new QPushButton(site_ ? tr("Store with %1").arg(site_->name) : tr("Store with site"), this);
    if (!site_)
        store_->setToolTip(tr("Open the window from a site to keep the assessment with it"));
    connect(store_, &QPushButton::clicked, this, &GridWindow::StoreWithSite);
    buttons->addWidget(sweep);
    buttons->addWidget(store_);
    column->addLayout(buttons);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    column->addWidget(status_);
    return panel;
}

void GridWindow::WatchEdits() {
    const auto changed = [this] {
        if (!filling_)
            Recompute();
    };
    for (QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>())
        if (!profile_->isAncestorOf(box))  // the profile's line is no part of the design
            connect(box, &QDoubleSpinBox::valueChanged, this, changed);
    for (QSpinBox* box : findChildren<QSpinBox*>())
        connect(box, &QSpinBox::valueChanged, this, changed);
    for (QComboBox* box : findChildren<QComboBox*>())
        if (!mapView_->isAncestorOf(box))  // what the map shows is no part of the design
            connect(box, &QComboBox::currentIndexChanged, this, changed);
    connect(surface_, &QGroupBox::toggled, this, changed);
    connect(standing_, &QCheckBox::toggled, this, changed);
}

grid::GridDesign GridWindow::Design() const {
    grid::GridDesign design;
    grid::GridLayout& g = design.grid;
    g.shape = static_cast<grid::GridShape>(shape_->currentData().toInt());
    g.length = length_->value();
    g.width = width_->value();
    g.conductorsLengthwise = conductorsLengthwise_->value();
    g.conductorsWidthwise = conductorsWidthwise_->value();
    g.depth = depth_->value();
    g.conductorDiameter = diameter_->value();
    if (g.shape == grid::GridShape::LShaped) {
        g.cutoutLength = cutoutLength_->value();
        g.cutoutWidth = cutoutWidth_->value();
    }
    if (rodCount_->value() > 0)
        design.rods = grid::GroundRods{rodCount_->value(), rodLength_->value(), rodDiameter_->value(),
                                       static_cast<grid::RodPlacement>(placement_->currentData().toInt())};
    if (surface_->isChecked())
        design.surface = grid::SurfaceLayer{surfaceRho_->value(), surfaceThickness_->value()};
    grid::FaultData& f = design.fault;
    if (currentKind_->currentIndex() == 0)
        f.gridCurrent = current_->value();
    else
        f.faultCurrent = current_->value();
    f.splitFactor = split_->value();
    f.xOverR = xOverR_->value();
    f.frequency = frequency_->value();
    f.duration = duration_->value();
    design.bodyKg = body_->currentData().toInt();
    design.additional = {footwear_->value(), standing_->isChecked()};
    return design;
}

void GridWindow::SetDesign(const grid::GridDesign& design) {
    filling_ = true;
    const grid::GridLayout& g = design.grid;
    shape_->setCurrentIndex(shape_->findData(static_cast<int>(g.shape)));
    length_->setValue(g.length);
    width_->setValue(g.width);
    conductorsLengthwise_->setValue(g.conductorsLengthwise);
    conductorsWidthwise_->setValue(g.conductorsWidthwise);
    depth_->setValue(g.depth);
    diameter_->setValue(g.conductorDiameter);
    cutoutLength_->setValue(g.cutoutLength);
    cutoutWidth_->setValue(g.cutoutWidth);
    const grid::GroundRods rods =
        design.rods.value_or(grid::GroundRods{0, 3.0, 0.016, grid::RodPlacement::Perimeter});
    rodCount_->setValue(rods.count);
    rodLength_->setValue(rods.length);
    rodDiameter_->setValue(rods.diameter);
    placement_->setCurrentIndex(placement_->findData(static_cast<int>(rods.placement)));
    surface_->setChecked(design.surface.has_value());
    const grid::SurfaceLayer surface = design.surface.value_or(grid::SurfaceLayer{2500, 0.1});
    surfaceRho_->setValue(surface.resistivity);
    surfaceThickness_->setValue(surface.thickness);
    const grid::FaultData& f = design.fault;
    currentKind_->setCurrentIndex(f.gridCurrent ? 0 : 1);
    current_->setValue(f.gridCurrent.value_or(f.faultCurrent));
    split_->setValue(f.splitFactor);
    xOverR_->setValue(f.xOverR);
    frequency_->setValue(f.frequency);
    duration_->setValue(f.duration);
    body_->setCurrentIndex(body_->findData(design.bodyKg));
    footwear_->setValue(design.additional.footwear);
    standing_->setChecked(design.additional.standing);
    filling_ = false;
    Recompute();
}

bool GridWindow::TypedSoil() const {
    return !model_ || soilSource_->currentIndex() == 1;
}

// On a typed resistivity as it is; on a fitted model with the model's uncertainty judged too.
std::optional<grid::Assessment> GridWindow::AssessDesign(const grid::GridDesign& design,
                                                         grid::Standard standard) const {
    if (!TypedSoil())
        return grid::AssessOnFittedSoil(design, *model_, standard);
    if (!(typedRho_->value() > 0))
        return std::nullopt;
    return grid::Assess(design, grid::GivenSoil(typedRho_->value()), standard);
}

QString GridWindow::ProblemText(const grid::DesignProblem& problem) const {
    const auto named = fieldNames_.find(problem.field);
    const QString field = named == fieldNames_.end()
                              ? QString::fromLatin1(grid::DesignFieldName(problem.field))
                              : named->second;
    switch (problem.code) {
        case grid::DesignProblemCode::NotPositive:
            return tr("%1 must be above zero.").arg(field);
        case grid::DesignProblemCode::Negative:
            return tr("%1 must not be negative.").arg(field);
        case grid::DesignProblemCode::TooFewConductors:
            return tr("%1: at least 2.").arg(field);
        case grid::DesignProblemCode::NotFiftyOrSeventy:
            return tr("%1 is 50 or 70 kg.").arg(field);
        case grid::DesignProblemCode::SplitFactorAboveOne:
            return tr("%1 is at most 1.").arg(field);
        case grid::DesignProblemCode::CutoutTooLarge:
            return tr("%1 must be smaller than the grid.").arg(field);
        case grid::DesignProblemCode::CutoutOffGrid:
            return tr("%1 does not fall on a conductor: the conductors' spacing does not fit it.").arg(field);
        case grid::DesignProblemCode::SquareNotSquare:
            return tr("A square grid has equal length and width and as many conductors each way.");
    }
    return field;
}

void GridWindow::Recompute() {
    const bool lShaped = shape_->currentData().toInt() == static_cast<int>(grid::GridShape::LShaped);
    cutoutLength_->setEnabled(lShaped);
    cutoutWidth_->setEnabled(lShaped);
    typedRho_->setEnabled(TypedSoil());
    const bool fromFault = currentKind_->currentIndex() == 1;
    for (QWidget* field : std::initializer_list<QWidget*>{split_, xOverR_, frequency_})
        field->setEnabled(fromFault);
    const bool en = standard_->currentIndex() == 1;
    footwear_->setEnabled(en);
    standing_->setEnabled(en);
    const grid::GridDesign design = Design();
    const std::vector<grid::DesignProblem> problems = grid::CheckDesign(design);
    if (!problems.empty()) {
        drawing_->SetGrid({}, {});
        StopComputation();
        return ShowProblem(ProblemText(problems.front()));
    }
    drawing_->SetGrid(design.grid, design.rods ? grid::RodPositions(design.grid, *design.rods)
                                               : std::vector<grid::Point>{});
    const std::optional<grid::Assessment> assessed =
        AssessDesign(design, en ? grid::Standard::En50522 : grid::Standard::Ieee80);
    if (!assessed) {
        StopComputation();
        return ShowProblem(tr("The soil's resistivity must be above zero."));
    }
    assessment_ = assessed;
    ShowAssessment(*assessment_);
    ScheduleComputation(design, *assessment_);
}

void GridWindow::ShowProblem(const QString& problem) {
    assessment_.reset();
    results_->setRowCount(0);
    verdict_->setStyleSheet(QString());
    verdict_->setText(problem);
    warnings_->clear();
    soilNote_->clear();
    store_->setEnabled(false);
}

void GridWindow::ShowAssessment(const grid::Assessment& a) {
    struct Row {
        QString name;
        QString tolerable;
        QString computed;
        std::optional<bool> within;  // colours the computed value where it is judged
    };
    std::vector<Row> rows = {{tr("Touch voltage (mesh voltage Em)"), Volts(a.tolerableTouch),
                              Volts(a.meshVoltage), a.meshVoltage < a.tolerableTouch},
                             {tr("Step voltage Es"), Volts(a.tolerableStep), Volts(a.stepVoltage),
                              a.stepVoltage < a.tolerableStep},
                             {tr("Ground potential rise"), QString(), Volts(a.gpr), std::nullopt}};
    if (a.en50522) {
        rows.push_back({tr("Permissible touch voltage U_Tp (EN 50522)"),
                        Volts(a.en50522->permissibleWithResistances), Volts(a.meshVoltage),
                        a.meshVoltage <= a.en50522->permissibleWithResistances});
        rows.push_back({tr("Earth potential rise against 2 U_Tp"), Volts(2 * a.en50522->permissibleTouch),
                        Volts(a.gpr), a.gpr <= 2 * a.en50522->permissibleTouch});
    }
    resistanceRow_ = static_cast<int>(rows.size());
    rows.push_back(
        {tr("Grid resistance Rg (Sverak)"), QString(), tr("%1 Ω").arg(Fixed(a.gridResistance, 3)), {}});
    if (a.schwarz)
        rows.push_back(
            {tr("Grid resistance (Schwarz)"), QString(), tr("%1 Ω").arg(Fixed(a.schwarz->total, 3)), {}});
    rows.push_back({tr("Grid current IG"), QString(), tr("%1 A").arg(Fixed(a.current.current, 1)), {}});
    rows.push_back({tr("Surface layer factor Cs"), QString(), Fixed(a.surfaceFactor, 3), {}});
    rows.push_back({tr("n, Km, Ki, Ks"),
                    QString(),
                    QStringLiteral("%1, %2, %3, %4")
                        .arg(Fixed(a.factors.n, 2), Fixed(a.factors.km, 3), Fixed(a.factors.ki, 3),
                             Fixed(a.factors.ks, 3)),
                    {}});
    results_->setRowCount(static_cast<int>(rows.size()));
    QStringList names;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        names << rows[i].name;
        results_->setItem(row, 0, Cell(rows[i].tolerable));
        QTableWidgetItem* computed = Cell(rows[i].computed);
        if (rows[i].within)
            computed->setForeground(*rows[i].within ? kSafeColour : kUnsafeColour);
        results_->setItem(row, 1, computed);
    }
    results_->setVerticalHeaderLabels(names);

    const bool safe = a.verdict == grid::Verdict::Safe;
    QStringList verdict{texts::GridVerdictText(a.verdict)};
    for (const grid::Reason& reason : a.reasons)
        verdict << texts::GridReasonText(reason, QLocale());
    verdict << texts::SoilCertaintyLines(a);
    verdict_->setText(verdict.join(QLatin1Char('\n')));
    verdict_->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; }")
                                .arg((safe ? kSafeColour : kUnsafeColour).name()));
    QStringList warnings;
    for (const grid::Warning& warning : a.warnings)
        warnings << texts::GridWarningText(warning, QLocale());
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    switch (a.soil.method) {
        case grid::UniformMethod::Given:
            soilNote_->setText(tr("Uniform soil of %1 Ω·m, as typed.").arg(Shown(a.soil.resistivity)));
            break;
        case grid::UniformMethod::SingleLayer:
            soilNote_->setText(
                tr("Uniform soil of %1 Ω·m, the stored one-layer model.").arg(Shown(a.soil.resistivity)));
            break;
        case grid::UniformMethod::ApparentAtEquivalentRadius:
            soilNote_->setText(
                tr("Uniform soil of %1 Ω·m: the Wenner apparent resistivity of the %2-layer model at the "
                   "grid's equivalent radius of %3 m.")
                    .arg(Shown(a.soil.resistivity))
                    .arg(a.soil.layers)
                    .arg(Fixed(a.soil.spacing, 1)));
            break;
    }
    store_->setEnabled(site_ && archive_ != nullptr);
}

void GridWindow::FindSmallestSafe() {
    const grid::GridDesign design = Design();
    const grid::Standard standard =
        standard_->currentIndex() == 1 ? grid::Standard::En50522 : grid::Standard::Ieee80;
    if (!grid::CheckDesign(design).empty() || !AssessDesign(design, standard)) {
        status_->setText(tr("Correct the fields first."));
        return;
    }
    const grid::SweepOutcome outcome =
        TypedSoil() ? grid::FindSmallestSafeGrid(design, grid::GivenSoil(typedRho_->value()), standard)
                    : grid::FindSmallestSafeGrid(design, *model_, standard);
    if (!outcome.smallest) {
        status_->setText(
            tr("None of the %1 designs tried is safe: a larger area, a surface layer or a smaller "
               "grid current is needed.")
                .arg(outcome.tried));
        return;
    }
    SetDesign(*outcome.smallest);
    status_->setText(
        tr("%1 of the %2 designs tried are safe; the smallest, with %3 m of conductors and rods, is shown.")
            .arg(outcome.safe)
            .arg(outcome.tried)
            .arg(Fixed(outcome.assessment->geometry.totalLength, 0)));
}

void GridWindow::ShowStored(const archive::StoredGridAssessment& stored) {
    SetDesign(DesignOf(stored));
    standard_->setCurrentIndex(stored.standard == grid::StandardName(grid::Standard::En50522) ? 1 : 0);
    if (stored.soilMethod == grid::UniformMethodName(grid::UniformMethod::Given)) {
        typedRho_->setValue(stored.soilResistivity);
        soilSource_->setCurrentIndex(soilSource_->count() - 1);
    }
    Recompute();
}

void GridWindow::StoreWithSite() {
    if (!assessment_ || !site_ || archive_ == nullptr)
        return;
    archive::StoredGridAssessment stored = StoredAssessmentOf(Design(), *assessment_, site_->id);
    std::string error;
    status_->setText(archive::StoreGridAssessment(*archive_, stored, error)
                         ? tr("Assessment stored with %1").arg(site_->name)
                         : QString::fromStdString(error));
}

}  // namespace terrovane::engineering
