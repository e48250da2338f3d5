#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "FopCurves.h"
#include "FopTypedPanel.h"
#include "PointChoice.h"

namespace terrovane::engineering {

// "Readings typed in": a traverse measured with another instrument, typed in distance by distance in
// place of the chosen results, and kept with the point beside the traverses kept before.
class FopTypedTraverse {
  public:
    // The switch is `window`'s child; the panel comes with AddPanel.
    FopTypedTraverse(QWidget* window, archive::Archive* archive, std::optional<PointChoice> point);
    // The panel, hidden until the switch is on, into `column`.
    void AddPanel(QWidget* window, QVBoxLayout& column);

    QCheckBox& Choice() const { return *typed_; }
    FopTypedPanel& Panel() const { return *panel_; }
    bool On() const { return typed_->isChecked(); }

    // The typed readings; false with what is wrong.
    bool Readings(std::vector<analysis::FopReading>& readings, std::string& error) const;
    // Lists the point's kept traverses; a problem reading them goes to `status`.
    void ListKept(QLabel& status);
    // Keeps the typed traverse at `currentProbe` with the point; `status` says how it went.
    void Keep(double currentProbe, QLabel& status);

  private:
    archive::Archive* archive_;
    std::optional<PointChoice> point_;
    QCheckBox* typed_ = nullptr;
    FopTypedPanel* panel_ = nullptr;
};

}  // namespace terrovane::engineering
