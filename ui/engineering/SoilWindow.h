#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "Archive.h"
#include "SoilFit.h"
#include "SoilModels.h"
#include "SoilPlot.h"
#include "SoilTypedPanel.h"
#include "TypedSoundings.h"
#include "Verdict.h"

namespace terrovane::engineering {

// A site the window's model may be kept with.
struct SiteChoice {
    std::int64_t id = 0;
    QString name;
};

// "Soil model": the sounding of the chosen resistivity results fitted with 1, 2, 3 or the supported number
// of layers; the log-log plot of the points and the model with its one-sigma band, the layer table, the
// RMS error; the plot saved as PNG or PDF, the model as CSV or JSON, and the model kept with its site. A
// sounding measured with another instrument is typed in instead (spacing and resistance or resistivity),
// kept with the site like a result and fitted exactly as the results are.
class SoilWindow : public QWidget {
  public:
    SoilWindow(archive::Archive* archive, const std::vector<archive::ResultRow>& rows,
               std::optional<SiteChoice> site, QWidget* parent = nullptr,
               const archive::ValidityThresholds& thresholds = {});

    QComboBox& LayerChoice() const { return *layers_; }
    QTableWidget& LayerTable() const { return *table_; }
    QLabel& Rms() const { return *rms_; }
    QLabel& Status() const { return *status_; }
    // What was left out of the sounding and why, and other notes about it; hidden when there are none.
    QLabel& Notes() const { return *notes_; }
    QPushButton& StoreButton() const { return *store_; }
    SoilPlot& Plot() const { return *plot_; }
    const analysis::SoilFit& Fit() const { return fit_; }
    const analysis::Sounding& Sounding() const { return sounding_; }

    // Ask for a file name ("" when cancelled); tests answer them themselves.
    std::function<QString()> plotFileChooser;
    std::function<QString()> modelFileChooser;

    // Fits again with the chosen number of layers.
    void Refit();
    // Shows a stored model again: its sounding fitted with the layers it was stored with.
    void ShowStored(const archive::StoredSoilModel& model);
    void SavePlotFile();
    void SaveModelFile();
    void StoreWithSite();
    // "Readings typed in": the typed sounding in place of the chosen results.
    QCheckBox& TypedChoice() const { return *typed_; }
    SoilTypedPanel& TypedPanel() const { return *typedPanel_; }
    bool TypedMode() const { return typed_->isChecked(); }
    void SetTyped(bool typed);
    // Keeps the typed sounding with the site; the status says how it went.
    void KeepTyped();
    // Shows a kept typed sounding again and fits it.
    void ShowTyped(const archive::TypedSounding& sounding);

    // "Grid safety...": the grid window on this model (the site's stored one while the fit fails).
    QWidget* ShowGridSafety();

  private:
    void ShowFit();
    // The typed sounding's points for the fit; false with what keeps it from being fitted.
    bool TypedSounding(QString& problem);
    void ListKept();
    void ShowLayers();

    archive::Archive* archive_;
    std::optional<SiteChoice> site_;
    analysis::Sounding sounding_;
    QString gatherNotes_;
    std::vector<std::string> leftOut_;
    // The chosen results' sounding and notes, kept while a typed one is shown.
    analysis::Sounding resultsSounding_;
    QString resultsNotes_;
    std::vector<std::string> resultsLeftOut_;
    QCheckBox* typed_ = nullptr;
    SoilTypedPanel* typedPanel_ = nullptr;
    QHBoxLayout* middle_ = nullptr;      // typed panel, plot column and (read-outs' sounding) layer table
    QVBoxLayout* plotColumn_ = nullptr;  // the plot, and the layer table beside a typed sounding
    analysis::SoilFit fit_;
    QComboBox* layers_ = nullptr;
    SoilPlot* plot_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* rms_ = nullptr;
    QLabel* notes_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* store_ = nullptr;
};

// A sigma as the table shows it: "+- 3.2", "undetermined" or "not estimated".
QString SigmaText(double sigma);

}  // namespace terrovane::engineering
