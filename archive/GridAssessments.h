#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"

namespace terrovane::archive {

// The table of grid assessments; created where missing whenever a file's layout is brought up to date (a
// new file's too), beside the layouts' own steps.
extern const char* const kGridAssessmentsTable;

// An earthing grid assessment kept with its site: the design as the user entered it, the uniform soil it
// was worked on and the figures of the verdict, as they were (a later program may compute differently).
// Names are the codes of the grid library ("square", "perimeter", "ieee80", "safe", "given").
struct StoredGridAssessment {
    std::int64_t id = 0;
    std::int64_t site = 0;
    std::string savedAt;  // ISO 8601, set when stored

    // The design.
    std::string shape;
    double lengthM = 0;
    double widthM = 0;
    int conductorsLengthwise = 0;
    int conductorsWidthwise = 0;
    double depthM = 0;
    double conductorDiameterM = 0;
    double cutoutLengthM = 0;
    double cutoutWidthM = 0;
    int rodCount = 0;
    double rodLengthM = 0;
    double rodDiameterM = 0;
    std::string rodPlacement;
    std::optional<double> surfaceResistivity;  // with its thickness, or neither
    std::optional<double> surfaceThicknessM;
    std::optional<double> givenGridCurrentA;  // else the fault current with its factors
    double faultCurrentA = 0;
    double splitFactor = 1;
    double xOverR = 0;
    double frequencyHz = 50;
    double durationS = 0;
    int bodyKg = 70;
    double footwearOhm = 0;
    bool standingResistance = false;
    std::string standard;

    // The soil the formulas used.
    double soilResistivity = 0;
    std::string soilMethod;
    double soilSpacingM = 0;
    int soilLayers = 1;

    // The figures.
    double surfaceFactor = 1;
    double tolerableTouchV = 0;
    double tolerableStepV = 0;
    double gridResistanceOhm = 0;
    std::optional<double> schwarzResistanceOhm;
    double gridCurrentA = 0;
    double gprV = 0;
    double meshVoltageV = 0;
    double stepVoltageV = 0;
    std::optional<double> permissibleTouchV;  // EN 50522's, with the added resistances
    std::string verdict;
};

// Nothing when the assessment can be stored: names given, every length, resistivity and figure a finite
// number, the sizes above zero. Otherwise the refusal saying what is wrong.
[[nodiscard]] std::optional<Failure> GridAssessmentProblem(const StoredGridAssessment& assessment);

// Stores the assessment with its site, setting its id and time; refused as GridAssessmentProblem says, or
// missing (kNoSite) when there is no such site.
Status StoreGridAssessment(Archive& archive, StoredGridAssessment& assessment);
// The site's stored assessments, newest first.
Result<std::vector<StoredGridAssessment>> GridAssessments(Archive& archive, std::int64_t site);
Status DeleteGridAssessment(Archive& archive, std::int64_t id);

}  // namespace terrovane::archive
