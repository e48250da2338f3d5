#pragma once

#include <QTableWidget>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Archive.h"
#include "FopCurves.h"
#include "FopSession.h"

namespace terrovane::engineering {

// The fall-of-potential window's chosen results, one row each with its time, its resistance and its
// potential-probe distance: filled in evenly over D until the user edits one, and read back as the
// curve's readings.
class FopResultsTable {
  public:
    // The table is `window`'s child; `leftOut` the results not on the curve and why.
    FopResultsTable(QWidget* window, std::vector<FopResult> results, std::vector<std::string> leftOut);

    QTableWidget& Table() const { return *table_; }
    // Not on the curve and why, said below it and stored with it.
    const std::vector<std::string>& LeftOut() const { return leftOut_; }
    // A distance edited by the user since they were last spread.
    bool Edited() const { return edited_; }
    // Calls `edited` after each distance the user edits.
    void WatchEdits(QWidget* window, std::function<void()> edited);

    // Fills the distances in evenly over `currentProbe`.
    void SpreadEvenly(double currentProbe);
    // The distances as entered; false with the first row that holds no number above 0.
    bool Distances(std::vector<double>& distances, int& badRow) const;
    // The results at their distances; false with what is missing.
    bool CurveReadings(std::vector<analysis::FopReading>& readings, std::string& error) const;
    archive::StoredFopCurve StoredCurve(const std::vector<analysis::FopReading>& readings,
                                        double currentProbe, std::int64_t point) const;
    // A stored curve's readings at their distances, as edited.
    void ShowStored(const archive::StoredFopCurve& curve);

  private:
    // One row per result: its time, its resistance and an empty distance.
    void FillTable();

    QTableWidget* table_ = nullptr;
    std::vector<FopResult> results_;
    std::vector<std::string> leftOut_;
    bool edited_ = false;
    bool filling_ = false;
};

}  // namespace terrovane::engineering
