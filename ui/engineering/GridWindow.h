#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <optional>

#include "Archive.h"
#include "Assessment.h"
#include "GridAssessments.h"
#include "GridComputation.h"
#include "GridDrawing.h"
#include "GridMapView.h"
#include "GridProfileView.h"
#include "SafetyMap.h"
#include "SoilCertainty.h"
#include "SoilWindow.h"

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
class GridWindow : public QWidget {
    Q_OBJECT

  public:
    // `model` is the soil to use; without one, the site's newest stored model, if any. A fitted model's
    // uncertainty goes into the verdict (AssessOnFittedSoil).
    GridWindow(archive::Archive* archive, std::optional<SiteChoice> site,
               std::optional<grid::FittedSoil> model, QWidget* parent = nullptr);

    // The design the fields describe.
    grid::GridDesign Design() const;
    void SetDesign(const grid::GridDesign& design);
    // The assessment shown; none while the fields hold a design that cannot be assessed.
    const std::optional<grid::Assessment>& Current() const { return assessment_; }

    QComboBox& Shape() const { return *shape_; }
    QDoubleSpinBox& Length() const { return *length_; }
    QDoubleSpinBox& Width() const { return *width_; }
    QSpinBox& ConductorsLengthwise() const { return *conductorsLengthwise_; }
    QSpinBox& ConductorsWidthwise() const { return *conductorsWidthwise_; }
    QDoubleSpinBox& Depth() const { return *depth_; }
    QDoubleSpinBox& CutoutLength() const { return *cutoutLength_; }
    QDoubleSpinBox& CutoutWidth() const { return *cutoutWidth_; }
    QSpinBox& RodCount() const { return *rodCount_; }
    QDoubleSpinBox& RodLength() const { return *rodLength_; }
    QComboBox& RodPlacement() const { return *placement_; }
    QGroupBox& SurfaceLayer() const { return *surface_; }
    QComboBox& SoilSource() const { return *soilSource_; }
    QDoubleSpinBox& TypedResistivity() const { return *typedRho_; }
    QComboBox& Standard() const { return *standard_; }
    // Tolerable, the formulas', and with the computation in the soil model its values and their
    // difference from the formulas' (the last two columns hidden when it is off).
    QTableWidget& Results() const { return *results_; }
    static constexpr int kSoilColumn = 2;
    static constexpr int kDifferenceColumn = 3;
    QLabel& Verdict() const { return *verdict_; }
    QLabel& SoilNote() const { return *soilNote_; }
    QLabel& Status() const { return *status_; }
    QPushButton& StoreButton() const { return *store_; }
    GridDrawing& Drawing() const { return *drawing_; }
    QCheckBox& ComputeInSoil() const { return *computeInSoil_; }
    QTabWidget& Views() const { return *views_; }
    // The touch and step voltages over the grid, as a map.
    GridMapView& MapView() const { return *mapView_; }
    QLabel& ComputedVerdict() const { return *computedVerdict_; }
    QProgressBar& Progress() const { return *progress_; }
    QPushButton& CancelButton() const { return *cancel_; }
    // The computation in the soil model shown; none while one runs or when it is off.
    const std::optional<electrode::ComputedSafety>& Computed() const { return computed_; }
    bool Computing() const { return computation_->Running() || delay_->isActive(); }
    const GridComputation& Computation() const { return *computation_; }
    // The surface along a line across the map, as a profile.
    GridProfileView& ProfileView() const { return *profile_; }

    // A stored assessment's design, standard and (where it was typed) soil, to be seen again.
    void ShowStored(const archive::StoredGridAssessment& stored);

    void Recompute();
    void FindSmallestSafe();
    void StoreWithSite();

  private:
    QWidget* BuildGridFields();
    QWidget* BuildRodFields();
    QWidget* BuildSurfaceFields();
    QWidget* BuildFaultFields();
    QWidget* BuildSoilFields();
    QWidget* BuildResults();
    QWidget* BuildComputed();
    void ScheduleComputation(const grid::GridDesign& design, const grid::Assessment& formulas);
    void ShowComputed(const electrode::ComputedSafety& computed);
    void ShowComputedProblem(const QString& text);
    // Stops a running computation (its result is never shown) and clears what the last one showed.
    void StopComputation();
    void ShowProgress();
    bool TypedSoil() const;
    std::optional<grid::Assessment> AssessDesign(const grid::GridDesign& design,
                                                 grid::Standard standard) const;
    void ShowAssessment(const grid::Assessment& a);
    void ShowProblem(const QString& problem);
    void WatchEdits();
    QDoubleSpinBox* NumberField(double low, double high, int decimals, const QString& unit);
    QString ProblemText(const grid::DesignProblem& problem) const;

    archive::Archive* archive_;
    std::optional<SiteChoice> site_;
    std::optional<grid::FittedSoil> model_;
    std::optional<grid::Assessment> assessment_;
    bool filling_ = false;
    std::map<grid::DesignField, QString> fieldNames_;
    QComboBox* shape_ = nullptr;
    QDoubleSpinBox* length_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QSpinBox* conductorsLengthwise_ = nullptr;
    QSpinBox* conductorsWidthwise_ = nullptr;
    QDoubleSpinBox* depth_ = nullptr;
    QDoubleSpinBox* diameter_ = nullptr;
    QDoubleSpinBox* cutoutLength_ = nullptr;
    QDoubleSpinBox* cutoutWidth_ = nullptr;
    QSpinBox* rodCount_ = nullptr;
    QDoubleSpinBox* rodLength_ = nullptr;
    QDoubleSpinBox* rodDiameter_ = nullptr;
    QComboBox* placement_ = nullptr;
    QGroupBox* surface_ = nullptr;
    QDoubleSpinBox* surfaceRho_ = nullptr;
    QDoubleSpinBox* surfaceThickness_ = nullptr;
    QComboBox* currentKind_ = nullptr;
    QDoubleSpinBox* current_ = nullptr;
    QDoubleSpinBox* split_ = nullptr;
    QDoubleSpinBox* xOverR_ = nullptr;
    QDoubleSpinBox* frequency_ = nullptr;
    QDoubleSpinBox* duration_ = nullptr;
    QComboBox* body_ = nullptr;
    QComboBox* standard_ = nullptr;
    QDoubleSpinBox* footwear_ = nullptr;
    QCheckBox* standing_ = nullptr;
    QComboBox* soilSource_ = nullptr;
    QDoubleSpinBox* typedRho_ = nullptr;
    QLabel* soilNote_ = nullptr;
    GridDrawing* drawing_ = nullptr;
    QTableWidget* results_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* warnings_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* store_ = nullptr;
    QCheckBox* computeInSoil_ = nullptr;
    QTabWidget* views_ = nullptr;
    GridMapView* mapView_ = nullptr;
    SafetyMap* map_ = nullptr;  // the map view's
    GridProfileView* profile_ = nullptr;
    int resistanceRow_ = 0;  // the results table's row of Sverak's resistance
    QLabel* computedVerdict_ = nullptr;
    QLabel* computedNote_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* delay_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QElapsedTimer started_;
    GridComputation* computation_ = nullptr;
    std::optional<GridComputation::Request> pending_;
    std::optional<electrode::ComputedSafety> computed_;
};

}  // namespace terrovane::engineering
