#include "GridFieldBoxes.h"

#include "NumberBox.h"

namespace terrovane::engineering {

QDoubleSpinBox* DesignNumberBox(QWidget* parent, double low, double high, int decimals, const QString& unit) {
    auto* box = new keyboard::NumberBox(parent);
    box->setRange(low, high);
    box->setDecimals(decimals);
    if (!unit.isEmpty())
        box->setSuffix(QLatin1Char(' ') + unit);
    box->setAlignment(Qt::AlignRight);
    return box;
}

}  // namespace terrovane::engineering
