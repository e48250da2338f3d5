#pragma once

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <optional>

#include "SiteChoice.h"
#include "SoilFit.h"
#include "SoilPlot.h"

namespace terrovane::engineering {

// The soil window's notes on the sounding and its fit, and what is done with the fit: the plot saved as
// PNG or PDF, the model as CSV or JSON, the model stored with the site, the grid safety window opened on
// it; and the status line that says how it went.
class SoilFitSaving {
  public:
    // Called by the buttons that act on the window: store with the site and open the grid safety window.
    struct Commands {
        std::function<void()> storeWithSite;
        std::function<void()> showGridSafety;
    };

    // The widgets are `window`'s children, added to `outer`; "Store with" names `site`.
    SoilFitSaving(QWidget* window, QVBoxLayout& outer, const std::optional<SiteChoice>& site,
                  const SoilPlot& plot, const analysis::SoilFit& fit, const Commands& commands);

    QLabel& Notes() const { return *notes_; }
    QLabel& Status() const { return *status_; }
    QPushButton& StoreButton() const { return *store_; }

    // Ask for a file name ("" when cancelled); tests answer them themselves.
    std::function<QString()> plotFileChooser;
    std::function<QString()> modelFileChooser;
    void SavePlotFile();
    void SaveModelFile();

  private:
    QWidget* window_;
    const SoilPlot& plot_;
    const analysis::SoilFit& fit_;
    QLabel* notes_ = nullptr;
    QPushButton* store_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace terrovane::engineering
