#pragma once

#include <QDoubleSpinBox>
#include <QString>
#include <QWidget>

#include <map>

#include "GridDesign.h"

namespace terrovane::engineering {

// What each design field is called on screen, for the problems that name it.
using DesignFieldNames = std::map<grid::DesignField, QString>;

// A number field of the grid window: right-aligned, with its range, decimals and unit.
QDoubleSpinBox* DesignNumberBox(QWidget* parent, double low, double high, int decimals, const QString& unit);

}  // namespace terrovane::engineering
