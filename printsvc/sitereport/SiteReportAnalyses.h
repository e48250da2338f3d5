#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "FopCurves.h"
#include "GridAssessments.h"
#include "SiteReportGridMap.h"
#include "SoilModels.h"

class QPainter;

namespace terrovane::sitereport {

// A test point's stored fall-of-potential curve.
struct PointCurve {
    std::string point;
    archive::StoredFopCurve curve;
};

// The engineering answers kept with the site and its points: the newest soil model and grid assessment of
// the site and the newest fall-of-potential curve of each point that has one, in the points' order.
struct StoredAnalyses {
    std::optional<archive::StoredSoilModel> soilModel;
    std::optional<archive::StoredGridAssessment> gridAssessment;
    std::optional<GridMap> gridMap;  // the assessment's grid computed for its maps, where it could be
    std::vector<PointCurve> curves;
};

// Reads them for the site and its points; false with `error` set.
bool LoadStoredAnalyses(archive::Archive& archive, std::int64_t site,
                        const std::vector<archive::PointRow>& points, StoredAnalyses& out,
                        std::string& error);

// The pages they take after the results: one for the soil model, one for the grid assessment, one for
// every two curves.
int AnalysisPageCount(const StoredAnalyses& analyses);
// Draws analysis page `page` (from 0) into a printable area `width` x `height` mm at `dotsPerMm`, leaving
// the footer's `footer` mm at the bottom free.
void DrawAnalysisPage(QPainter& painter, const StoredAnalyses& analyses, double dotsPerMm, double width,
                      double height, double footer, int page);

}  // namespace terrovane::sitereport
