#include "SoilLayerTable.h"

#include <QCoreApplication>
#include <QHeaderView>

#include "FocusFrame.h"
#include "SoilWindow.h"
#include "TableCell.h"
#include "TypedNumber.h"

namespace terrovane::engineering {

SoilLayerTable::SoilLayerTable(QWidget* window, QHBoxLayout& middle, QVBoxLayout& plotColumn)
    : middle_(middle), plotColumn_(plotColumn) {
    table_ = new QTableWidget(0, 4, window);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("SoilWindow", "Resistivity (Ω·m)"),
                                       QCoreApplication::translate("SoilWindow", "Thickness (m)"),
                                       QCoreApplication::translate("SoilWindow", "Depth to base (m)"),
                                       QCoreApplication::translate("SoilWindow", "Resolved")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab goes on to the window's buttons
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumWidth(400);  // room for the four columns, "Resolved" included, on an 800-pixel screen
    keyboard::ShowFocusFrame(table_);
    middle_.addWidget(table_, 1);
}

void SoilLayerTable::Show(const analysis::SoilFit& fit) {
    table_->setRowCount(static_cast<int>(fit.layers.size()));
    QStringList rows;
    double depth = 0;
    for (std::size_t i = 0; i < fit.layers.size(); ++i) {
        const analysis::FittedLayer& layer = fit.layers[i];
        const int row = static_cast<int>(i);
        rows << QString::number(i + 1);
        table_->setItem(row, 0,
                        Cell(QStringLiteral("%1  %2")
                                 .arg(keyboard::ShownSignificant(layer.resistivity, 4))
                                 .arg(SigmaText(layer.resistivitySigma))));
        if (layer.thickness) {
            depth += *layer.thickness;
            table_->setItem(row, 1,
                            Cell(QStringLiteral("%1  %2")
                                     .arg(keyboard::ShownSignificant(*layer.thickness, 3))
                                     .arg(SigmaText(*layer.thicknessSigma))));
            table_->setItem(row, 2, Cell(keyboard::ShownSignificant(depth, 3)));
        } else {
            table_->setItem(row, 1, Cell(QCoreApplication::translate("SoilWindow", "below")));
            table_->setItem(row, 2, Cell(QString()));
        }
        // Within 50 % at one sigma; otherwise the data do not pin the layer down.
        table_->setItem(row, 3,
                        Cell(layer.resolved ? QCoreApplication::translate("SoilWindow", "yes")
                                            : QCoreApplication::translate("SoilWindow", "no")));
    }
    table_->setVerticalHeaderLabels(rows);
}

void SoilLayerTable::PlaceUnderPlot(bool under) {
    middle_.removeWidget(table_);
    plotColumn_.removeWidget(table_);
    if (under)
        plotColumn_.addWidget(table_, 2);
    else
        middle_.addWidget(table_, 1);
}

}  // namespace terrovane::engineering
