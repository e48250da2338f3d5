#include "GridMapView.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "PlotSaving.h"

namespace terrovane::engineering {

GridMapView::GridMapView(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    quantity_ = new QComboBox(this);
    quantity_->addItem(tr("Touch voltage"));
    quantity_->addItem(tr("Step voltage"));
    auto* save = new QPushButton(tr("Save map..."), this);
    connect(save, &QPushButton::clicked, this, &GridMapView::SaveFile);
    bar->addWidget(quantity_);
    bar->addStretch(1);
    bar->addWidget(save);
    column->addLayout(bar);
    map_ = new SafetyMap(this);
    column->addWidget(map_, 1);
    // Choosing what the map shows computes nothing again.
    connect(quantity_, &QComboBox::currentIndexChanged, this,
            [this](int index) { map_->SetQuantity(index == 0 ? MapQuantity::Touch : MapQuantity::Step); });
}

void GridMapView::SaveFile() {
    if (map_->Content().Empty()) {
        emit Said(tr("There is no map yet: compute in the soil model first."));
        return;
    }
    const SafetyMap& map = *map_;
    const QString said = SavePlotToFile(this, fileChooser, [&map](QPainter& painter, const QRectF& area) {
        painter.fillRect(area, Qt::white);
        map.Paint(painter, area);
    });
    if (!said.isEmpty())
        emit Said(said);
}

}  // namespace terrovane::engineering
