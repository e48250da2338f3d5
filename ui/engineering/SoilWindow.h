#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

#include "Archive.h"
#include "SiteChoice.h"
#include "SoilFit.h"
#include "SoilFitSaving.h"
#include "SoilLayerTable.h"
#include "SoilModels.h"
#include "SoilPlot.h"
#include "SoilSoundingSource.h"
#include "TypedSoundings.h"
#include "Verdict.h"

namespace terrovane::engineering {

// "Soil model": the sounding of the chosen resistivity results fitted with 1, 2, 3 or the supported number
// of layers; the log-log plot of the points and the model with its one-sigma band, the layer table, the
// RMS error; the plot saved as PNG or PDF, the model as CSV or JSON, and the model kept with its site. A
// sounding measured with another instrument is typed in instead (spacing and resistance or resistivity),
// kept with the site like a result and fitted exactly as the results are.
//
// The window holds its parts and wires them: the sounding's source, the layer table and the fit's saving.
class SoilWindow : public QWidget {
  public:
    SoilWindow(archive::Archive* archive, const std::vector<archive::ResultRow>& rows,
               std::optional<SiteChoice> site, QWidget* parent = nullptr,
               const archive::ValidityThresholds& thresholds = {});

    QComboBox& LayerChoice() const { return *layers_; }
    QTableWidget& LayerTable() const { return table_->Table(); }
    QLabel& Rms() const { return *rms_; }
    SoilPlot& Plot() const { return *plot_; }
    const analysis::SoilFit& Fit() const { return fit_; }
    SoilSoundingSource& Source() const { return *source_; }
    SoilFitSaving& Saving() const { return *saving_; }

    // Fits again with the chosen number of layers.
    void Refit();
    // Shows a stored model again: its sounding fitted with the layers it was stored with.
    void ShowStored(const archive::StoredSoilModel& model);
    void StoreWithSite();
    // The typed sounding in place of the chosen results, or back.
    void SetTyped(bool typed);
    // Shows a kept typed sounding again and fits it.
    void ShowTyped(const archive::TypedSounding& sounding);

    // "Grid safety...": the grid window on this model (the site's stored one while the fit fails).
    QWidget* ShowGridSafety();

  private:
    void ShowFit();

    archive::Archive* archive_;
    std::optional<SiteChoice> site_;
    analysis::SoilFit fit_;
    QComboBox* layers_ = nullptr;
    QLabel* rms_ = nullptr;
    SoilPlot* plot_ = nullptr;
    std::unique_ptr<SoilSoundingSource> source_;
    std::unique_ptr<SoilLayerTable> table_;
    std::unique_ptr<SoilFitSaving> saving_;
};

// A sigma as the table shows it: "+- 3.2", "undetermined" or "not estimated".
QString SigmaText(double sigma);

}  // namespace terrovane::engineering
