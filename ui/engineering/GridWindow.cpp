#include "GridWindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "FocusFrame.h"
#include "GridAssessments.h"
#include "GridFigures.h"
#include "GridSession.h"
#include "ScreenFit.h"
#include "UserGuide.h"

namespace terrovane::engineering {
namespace {

// The fault's and the soil's fields, beside the grid's where there is room.
QList<QWidget*> SecondColumn(const GridDesignForm& fields, const GridSoilFields& soil) {
    return {fields.Fault().Group(), soil.Group()};
}

}  // namespace

GridWindow::GridWindow(archive::Archive* archive, std::optional<SiteChoice> site,
                       std::optional<grid::FittedSoil> model, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive), site_(std::move(site)) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(site_ ? tr("Grid safety - %1").arg(site_->name) : tr("Grid safety"));
    help::OpenGuideOnHelpKey(this, help::kPageGrid);
    const bool stored = archive_ != nullptr && site_;
    if (!model && stored)
        model = NewestSoilModel(*archive_, site_->id);
    fields_ = std::make_unique<GridDesignForm>(this);
    soil_ = std::make_unique<GridSoilFields>(this, std::move(model));

    QWidget* fields = BuildFields();
    auto* scroll = new QScrollArea(this);
    const int scrollBar = scroll->verticalScrollBar()->sizeHint().width();
    QWidget* results = BuildResults();
    auto* outer = new QHBoxLayout(this);
    const int besideResults = results->minimumSizeHint().width() + outer->spacing() +
                              outer->contentsMargins().left() + outer->contentsMargins().right() +
                              2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    // The fields in two columns, the grid's own beside the fault's and the soil's, where the screen has room
    // for both beside the results; on a smaller screen (or at a larger scale) in one column that scrolls.
    if (fields->sizeHint().width() + scrollBar + besideResults > screenfit::AvailableArea(this).width()) {
        auto* columns = static_cast<QHBoxLayout*>(fields->layout());
        auto* left = static_cast<QVBoxLayout*>(columns->itemAt(0)->layout());
        auto* right = static_cast<QVBoxLayout*>(columns->itemAt(1)->layout());
        for (QWidget* group : SecondColumn(*fields_, *soil_)) {
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
        fields_->Fault().Standard().setCurrentIndex(
            last->standard == grid::StandardName(grid::Standard::En50522) ? 1 : 0);
    WatchEdits();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    Recompute();
    screenfit::ResizeOnScreen(this, QSize(1480, 880));
}

// The design's groups in the left column, the fault's and the soil's in the right.
QWidget* GridWindow::BuildFields() {
    auto* fields = new QWidget;
    auto* columns = new QHBoxLayout(fields);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    for (QWidget* group : QList<QWidget*>{fields_->Conductors().Group(), fields_->Rods().RodGroup(),
                                          &fields_->Rods().SurfaceLayer()})
        left->addWidget(group);
    for (QWidget* group : SecondColumn(*fields_, *soil_))
        right->addWidget(group);
    left->addStretch(1);
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);
    return fields;
}

QWidget* GridWindow::BuildResults() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    pictures_ = std::make_unique<GridPictures>(this);
    const auto say = [this](const QString& text) { outcome_->Status().setText(text); };
    connect(&pictures_->MapView(), &GridMapView::Said, this, say);
    connect(&pictures_->ProfileView(), &GridProfileView::Said, this, say);
    column->addWidget(&pictures_->Tabs(), 2);
    outcome_ = std::make_unique<GridOutcome>(this);
    column->addWidget(&outcome_->Results(), 1);
    const bool layered = soil_->Model() && soil_->Model()->model.LayerCount() > 1;
    inSoil_ =
        std::make_unique<GridComputedInSoil>(this, *column, layered, *outcome_, *pictures_, assessment_);
    connect(&inSoil_->ComputeInSoil(), &QCheckBox::toggled, this, [this] { Recompute(); });
    outcome_->AddVerdictAndCommands(
        this, *column, site_ ? std::optional<QString>(site_->name) : std::nullopt,
        [this] { FindSmallestSafe(); }, [this] { StoreWithSite(); });
    return panel;
}

void GridWindow::WatchEdits() {
    const auto changed = [this] {
        if (!fields_->Filling())
            Recompute();
    };
    for (QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>())
        if (!pictures_->ProfileView().isAncestorOf(box))  // the profile's line is no part of the design
            connect(box, &QDoubleSpinBox::valueChanged, this, changed);
    for (QSpinBox* box : findChildren<QSpinBox*>())
        connect(box, &QSpinBox::valueChanged, this, changed);
    for (QComboBox* box : findChildren<QComboBox*>())
        if (!pictures_->MapView().isAncestorOf(box))  // what the map shows is no part of the design
            connect(box, &QComboBox::currentIndexChanged, this, changed);
    connect(&fields_->Rods().SurfaceLayer(), &QGroupBox::toggled, this, changed);
    connect(&fields_->Fault().Standing(), &QCheckBox::toggled, this, changed);
}

void GridWindow::SetDesign(const grid::GridDesign& design) {
    fields_->Fill(design);
    Recompute();
}

void GridWindow::Recompute() {
    fields_->EnableForChoices();
    soil_->EnableForChoice();
    const grid::GridDesign design = Design();
    const std::vector<grid::DesignProblem> problems = grid::CheckDesign(design);
    if (!problems.empty()) {
        pictures_->Drawing().SetGrid({}, {});
        inSoil_->Stop();
        return ShowProblem(fields_->ProblemText(problems.front()));
    }
    pictures_->Drawing().SetGrid(design.grid, design.rods ? grid::RodPositions(design.grid, *design.rods)
                                                          : std::vector<grid::Point>{});
    const std::optional<grid::Assessment> assessed = soil_->Assess(design, fields_->Fault().ChosenStandard());
    if (!assessed) {
        inSoil_->Stop();
        return ShowProblem(tr("The soil's resistivity must be above zero."));
    }
    assessment_ = assessed;
    outcome_->ShowAssessment(*assessment_, site_ && archive_ != nullptr);
    soil_->ShowNote(assessment_->soil);
    inSoil_->Schedule(soil_->ComputationRequest(design, *assessment_));
}

void GridWindow::ShowProblem(const QString& problem) {
    assessment_.reset();
    outcome_->ShowProblem(problem);
    soil_->SoilNote().clear();
}

void GridWindow::FindSmallestSafe() {
    const grid::GridDesign design = Design();
    const grid::Standard standard = fields_->Fault().ChosenStandard();
    QLabel& status = outcome_->Status();
    if (!grid::CheckDesign(design).empty() || !soil_->Assess(design, standard)) {
        status.setText(tr("Correct the fields first."));
        return;
    }
    const grid::SweepOutcome outcome = soil_->FindSmallestSafe(design, standard);
    if (!outcome.smallest) {
        status.setText(tr("None of the %1 designs tried is safe: a larger area, a surface layer or a smaller "
                          "grid current is needed.")
                           .arg(outcome.tried));
        return;
    }
    SetDesign(*outcome.smallest);
    status.setText(
        tr("%1 of the %2 designs tried are safe; the smallest, with %3 m of conductors and rods, is shown.")
            .arg(outcome.safe)
            .arg(outcome.tried)
            .arg(Fixed(outcome.assessment->geometry.totalLength, 0)));
}

void GridWindow::ShowStored(const archive::StoredGridAssessment& stored) {
    SetDesign(DesignOf(stored));
    fields_->Fault().Standard().setCurrentIndex(
        stored.standard == grid::StandardName(grid::Standard::En50522) ? 1 : 0);
    soil_->ShowStored(stored);
    Recompute();
}

void GridWindow::StoreWithSite() {
    if (!assessment_ || !site_ || archive_ == nullptr)
        return;
    archive::StoredGridAssessment stored = StoredAssessmentOf(Design(), *assessment_, site_->id);
    const archive::Status kept = archive::StoreGridAssessment(*archive_, stored);
    outcome_->Status().setText(kept ? tr("Assessment stored with %1").arg(site_->name)
                                    : texts::FailureText(kept.Error()));
}

}  // namespace terrovane::engineering
