// The grid safety window's profile: the surface potential and touch voltage along a line across the
// computed map, the line typed as two points or dragged across the map, drawn and saved as a plot.
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "GridFigures.h"
#include "GridWindow.h"
#include "PlotSaving.h"
#include "SurfaceProfile.h"

namespace terrovane::engineering {
namespace {

// Points along the line: close enough for the dips over the conductors, few enough to follow a drag.
constexpr double kProfileSpacing = 0.25;
constexpr int kProfilePoints = 801;

}  // namespace

QWidget* GridWindow::BuildProfileView() {
    auto* view = new QWidget(this);
    auto* column = new QVBoxLayout(view);
    // Each end on a row of its own: four fields abreast do not fit a small screen beside the design.
    QHBoxLayout* rows[] = {new QHBoxLayout, new QHBoxLayout};
    const QString names[] = {tr("From x"), tr("y"), tr("to x"), tr("y")};
    for (int i = 0; i < 4; ++i) {
        profileEnds_[i] = NumberField(-1000, 1000, 2, tr("m"));
        auto* name = new QLabel(names[i], this);
        name->setBuddy(profileEnds_[i]);
        rows[i / 2]->addWidget(name);
        rows[i / 2]->addWidget(profileEnds_[i], 1);
        connect(profileEnds_[i], &QDoubleSpinBox::valueChanged, this, [this] {
            if (settingProfile_)
                return;
            profileChosen_ = true;
            UpdateProfile();
        });
    }
    auto* save = new QPushButton(tr("Save profile..."), this);
    connect(save, &QPushButton::clicked, this, &GridWindow::SaveProfileFile);
    rows[0]->addStretch(0);
    rows[1]->addWidget(save);
    column->addLayout(rows[0]);
    column->addLayout(rows[1]);
    // Said as a tooltip: a line more would not fit a small screen.
    const QString hint = tr("In metres from the grid's corner; or drag a line across the map.");
    for (QDoubleSpinBox* end : profileEnds_)
        end->setToolTip(hint);
    profilePlot_ = new ProfilePlot(this);
    profilePlot_->setToolTip(hint);
    column->addWidget(profilePlot_, 1);
    map_->lineDragged = [this](electrode::Point from, electrode::Point to) {
        profileChosen_ = true;
        SetProfileLine(from, to);
    };
    return view;
}

void GridWindow::SetProfileLine(electrode::Point from, electrode::Point to) {
    settingProfile_ = true;
    profileEnds_[0]->setValue(from.x);
    profileEnds_[1]->setValue(from.y);
    profileEnds_[2]->setValue(to.x);
    profileEnds_[3]->setValue(to.y);
    settingProfile_ = false;
    UpdateProfile();
}

std::array<electrode::Point, 2> GridWindow::ProfileLine() const {
    return {electrode::Point{profileEnds_[0]->value(), profileEnds_[1]->value(), 0},
            electrode::Point{profileEnds_[2]->value(), profileEnds_[3]->value(), 0}};
}

// Until one is chosen, the line runs across the middle of the grid from the map's edge to its edge,
// over the conductors and out where the surface falls away.
void GridWindow::ShowDefaultProfile(const electrode::ComputedSafety& c) {
    if (profileChosen_)
        return UpdateProfile();
    const electrode::Area& area = c.raster.potential.area;
    const double y = (area.y0 + area.y1) / 2;
    SetProfileLine({area.x0, y, 0}, {area.x1, y, 0});
}

void GridWindow::UpdateProfile() {
    const std::array<electrode::Point, 2> line = ProfileLine();
    plots::ProfilePlotData data;
    if (computed_ && computed_->solution) {
        data.points = electrode::SurfaceProfile(*computed_->solution, computed_->gridCurrent, line[0],
                                                line[1], kProfileSpacing, kProfilePoints);
        data.touchLimit = computed_->touchLimit;
    }
    map_->SetLine(data.points.empty() ? std::nullopt : std::optional(line));
    profilePlot_->SetData(std::move(data));
}

void GridWindow::SaveProfileFile() {
    if (profilePlot_->Data().points.empty()) {
        status_->setText(tr("There is no profile yet: compute in the soil model and choose a line first."));
        return;
    }
    const plots::ProfilePlotData data = profilePlot_->Data();
    const QString said = SavePlotToFile(
        this, profileFileChooser,
        [data](QPainter& painter, const QRectF& area) { plots::PaintProfilePlot(painter, area, data); });
    if (!said.isEmpty())
        status_->setText(said);
}

}  // namespace terrovane::engineering
