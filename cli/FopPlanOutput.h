#pragma once

#include <string>

#include "FallOfPotentialPlan.h"

namespace terrovane::cli {

// What was asked of the plan, printed beside its results.
struct FopPlanAsked {
    double currentProbe = 0;
    double directionDegrees = 0;
    double flatnessPercent = 0;
    electrode::Soil soil;
};

// The plan as terrovane-cli fop plan prints it: a table for people, or one JSON object.
std::string FopPlanTable(const electrode::FopPlan& plan, const FopPlanAsked& asked);
std::string FopPlanJson(const electrode::FopPlan& plan, const FopPlanAsked& asked);

}  // namespace terrovane::cli
