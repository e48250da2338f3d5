#pragma once

#include "GridAssessments.h"
#include "SiteReportGridMap.h"

class QPainter;

namespace terrovane::sitereport {

// The site report's page of its newest grid assessment: the design, the soil, the tolerable against the
// computed voltages and the verdict, and where the grid could be computed (`map`), the touch and step
// voltages over it as colour maps with the ground at or above each limit hatched, in an area `width` x
// `height` mm at `dotsPerMm`.
void DrawGridPage(QPainter& painter, const archive::StoredGridAssessment& assessment, const GridMap* map,
                  double dotsPerMm, double width, double height);

}  // namespace terrovane::sitereport
