#pragma once

#include <QComboBox>
#include <QWidget>

#include <functional>

#include "SafetyMap.h"

namespace terrovane::engineering {

// The grid safety window's map: the touch or the step voltage over the grid, as chosen above it, and
// saved as a picture.
class GridMapView : public QWidget {
    Q_OBJECT

  public:
    explicit GridMapView(QWidget* parent = nullptr);

    SafetyMap& Map() const { return *map_; }
    QComboBox& QuantityChoice() const { return *quantity_; }

    // Where "Save map" writes; a dialog asks when unset (tests set it).
    std::function<QString()> fileChooser;
    void SaveFile();

  signals:
    // What the view has to say in the window's status line.
    void Said(const QString& text);

  private:
    QComboBox* quantity_ = nullptr;
    SafetyMap* map_ = nullptr;
};

}  // namespace terrovane::engineering
