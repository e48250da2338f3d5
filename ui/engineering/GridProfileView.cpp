#include "GridProfileView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "NumberBox.h"
#include "PlotSaving.h"
#include "ProfilePlotPainting.h"
#include "SurfaceProfile.h"

namespace terrovane::engineering {
namespace {

// Points along the line: close enough for the dips over the conductors, few enough to follow a drag.
constexpr double kProfileSpacing = 0.25;
constexpr int kProfilePoints = 801;

}  // namespace

GridProfileView::GridProfileView(SafetyMap& map, const std::optional<electrode::ComputedSafety>& computed,
                                 QWidget* parent)
    : QWidget(parent), map_(map), computed_(computed) {
    auto* column = new QVBoxLayout(this);
    // Each end on a row of its own: four fields abreast do not fit a small screen beside the design.
    QHBoxLayout* rows[] = {new QHBoxLayout, new QHBoxLayout};
    const QString names[] = {tr("From x"), tr("y"), tr("to x"), tr("y")};
    // Said as a tooltip: a line more would not fit a small screen.
    const QString hint = tr("In metres from the grid's corner; or drag a line across the map.");
    for (int i = 0; i < 4; ++i) {
        auto* end = new keyboard::NumberBox(this);
        end->setRange(-1000, 1000);
        end->setDecimals(2);
        end->setSuffix(QLatin1Char(' ') + tr("m"));
        end->setAlignment(Qt::AlignRight);
        end->setToolTip(hint);
        ends_[i] = end;
        auto* name = new QLabel(names[i], this);
        name->setBuddy(end);
        rows[i / 2]->addWidget(name);
        rows[i / 2]->addWidget(end, 1);
        connect(end, &QDoubleSpinBox::valueChanged, this, [this] {
            if (setting_)
                return;
            chosen_ = true;
            Show();
        });
    }
    auto* save = new QPushButton(tr("Save profile..."), this);
    connect(save, &QPushButton::clicked, this, &GridProfileView::SaveFile);
    rows[0]->addStretch(0);
    rows[1]->addWidget(save);
    column->addLayout(rows[0]);
    column->addLayout(rows[1]);
    plot_ = new ProfilePlot(this);
    plot_->setToolTip(hint);
    column->addWidget(plot_, 1);
    map_.lineDragged = [this](electrode::Point from, electrode::Point to) {
        chosen_ = true;
        SetLine(from, to);
    };
}

void GridProfileView::SetLine(electrode::Point from, electrode::Point to) {
    setting_ = true;
    ends_[0]->setValue(from.x);
    ends_[1]->setValue(from.y);
    ends_[2]->setValue(to.x);
    ends_[3]->setValue(to.y);
    setting_ = false;
    Show();
}

std::array<electrode::Point, 2> GridProfileView::Line() const {
    return {electrode::Point{ends_[0]->value(), ends_[1]->value(), 0},
            electrode::Point{ends_[2]->value(), ends_[3]->value(), 0}};
}

// Until one is chosen, the line runs across the middle of the grid from the map's edge to its edge,
// over the conductors and out where the surface falls away.
void GridProfileView::ShowDefault() {
    if (chosen_ || !computed_)
        return Show();
    const electrode::Area& area = computed_->raster.potential.area;
    const double y = (area.y0 + area.y1) / 2;
    SetLine({area.x0, y, 0}, {area.x1, y, 0});
}

void GridProfileView::Show() {
    const std::array<electrode::Point, 2> line = Line();
    plots::ProfilePlotData data;
    if (computed_ && computed_->solution) {
        const electrode::ComputedSafety& c = *computed_;
        data.points = electrode::SurfaceProfile(*c.solution, c.gridCurrent, line[0], line[1], kProfileSpacing,
                                                kProfilePoints);
        data.touchLimit = c.touchLimit;
    }
    map_.SetLine(data.points.empty() ? std::nullopt : std::optional(line));
    plot_->SetData(std::move(data));
}

void GridProfileView::SaveFile() {
    if (plot_->Data().points.empty()) {
        emit Said(tr("There is no profile yet: compute in the soil model and choose a line first."));
        return;
    }
    const plots::ProfilePlotData data = plot_->Data();
    const QString said = SavePlotToFile(this, fileChooser, [data](QPainter& painter, const QRectF& area) {
        plots::PaintProfilePlot(painter, area, data);
    });
    if (!said.isEmpty())
        emit Said(said);
}

}  // namespace terrovane::engineering
