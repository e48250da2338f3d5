#pragma once

#include <QDoubleSpinBox>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "GridSafety.h"
#include "ProfilePlot.h"
#include "SafetyMap.h"

namespace terrovane::engineering {

// The grid safety window's profile: the surface potential and touch voltage along a line across the
// computed map, the line typed as two points or dragged across the map, drawn and saved as a plot.
class GridProfileView : public QWidget {
    Q_OBJECT

  public:
    // `map` is the window's map, across which a line is dragged and on which the line is drawn; `computed`
    // the window's computation in the soil model, none while it runs or when it is off.
    GridProfileView(SafetyMap& map, const std::optional<electrode::ComputedSafety>& computed,
                    QWidget* parent = nullptr);

    // The line's ends: from x, from y, to x, to y in metres.
    QDoubleSpinBox& End(int index) const { return *ends_.at(static_cast<std::size_t>(index)); }
    ProfilePlot& Plot() const { return *plot_; }
    void SetLine(electrode::Point from, electrode::Point to);

    // Draws the profile of the computation along the line (none: an empty plot, no line on the map).
    void Show();
    // As Show, with the line across the middle of the grid until one is chosen.
    void ShowDefault();

    // Where "Save profile" writes; a dialog asks when unset (tests set it).
    std::function<QString()> fileChooser;
    void SaveFile();

  signals:
    // What the view has to say in the window's status line.
    void Said(const QString& text);

  private:
    std::array<electrode::Point, 2> Line() const;

    SafetyMap& map_;
    std::array<QDoubleSpinBox*, 4> ends_{};
    ProfilePlot* plot_ = nullptr;
    const std::optional<electrode::ComputedSafety>& computed_;
    bool chosen_ = false;   // typed or dragged: kept for the next computation
    bool setting_ = false;  // the view itself is filling the ends in
};

}  // namespace terrovane::engineering
