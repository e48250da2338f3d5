#pragma once

#include <QWidget>

#include <memory>
#include <optional>

#include "Archive.h"
#include "Assessment.h"
#include "GridAssessments.h"
#include "GridComputedInSoil.h"
#include "GridDesignForm.h"
#include "GridOutcome.h"
#include "GridPictures.h"
#include "GridSoilFields.h"
#include "SiteChoice.h"
#include "SoilCertainty.h"

namespace terrovane::engineering {

// "Grid safety": an earthing grid's design (with a to-scale drawing of its conductors and rods), the fault,
// the soil (the site's stored model reduced to one resistivity, or a value typed in) and the standard; the
// tolerable against the computed voltages with the verdict in words and colour, computed again on every
// change; "find the smallest grid that is safe" (a sweep of meshes, rods and depth) and the assessment kept
// with its site. Opened on a site, it starts from the site's newest stored assessment, else from IEEE Std
// 80's worked example. Beside the formulas, the grid computed in the soil model itself (by default where
// the model has layers): its values beside the formulas', its verdict, and the touch and step voltages as a
// map over the grid, computed away from the window's thread with a progress bar and Cancel when it takes
// more than a moment, and the surface along a line typed or dragged across the map as a profile (a view
// of its own).
//
// The window holds its parts and wires them: the design's fields, the soil's, the pictures, the outcome
// and the computation in the soil model.
class GridWindow : public QWidget {
    Q_OBJECT

  public:
    // `model` is the soil to use; without one, the site's newest stored model, if any. A fitted model's
    // uncertainty goes into the verdict (AssessOnFittedSoil).
    GridWindow(archive::Archive* archive, std::optional<SiteChoice> site,
               std::optional<grid::FittedSoil> model, QWidget* parent = nullptr);

    // The design the fields describe.
    grid::GridDesign Design() const { return fields_->Design(); }
    void SetDesign(const grid::GridDesign& design);
    // The assessment shown; none while the fields hold a design that cannot be assessed.
    const std::optional<grid::Assessment>& Current() const { return assessment_; }

    GridDesignForm& Fields() const { return *fields_; }
    GridSoilFields& Soil() const { return *soil_; }
    GridPictures& Pictures() const { return *pictures_; }
    GridOutcome& Outcome() const { return *outcome_; }
    GridComputedInSoil& InSoil() const { return *inSoil_; }

    // A stored assessment's design, standard and (where it was typed) soil, to be seen again.
    void ShowStored(const archive::StoredGridAssessment& stored);

    void Recompute();
    void FindSmallestSafe();
    void StoreWithSite();

  private:
    QWidget* BuildFields();
    QWidget* BuildResults();
    void WatchEdits();
    void ShowProblem(const QString& problem);

    archive::Archive* archive_;
    std::optional<SiteChoice> site_;
    std::optional<grid::Assessment> assessment_;
    std::unique_ptr<GridDesignForm> fields_;
    std::unique_ptr<GridSoilFields> soil_;
    std::unique_ptr<GridPictures> pictures_;
    std::unique_ptr<GridOutcome> outcome_;
    std::unique_ptr<GridComputedInSoil> inSoil_;
};

}  // namespace terrovane::engineering
