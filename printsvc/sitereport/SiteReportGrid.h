#pragma once

#include "GridAssessments.h"

class QPainter;

namespace terrovane::sitereport {

// The site report's page of its newest grid assessment: the design, the soil, the tolerable against the
// computed voltages and the verdict, in an area `width` x `height` mm at `dotsPerMm`.
void DrawGridPage(QPainter& painter, const archive::StoredGridAssessment& assessment, double dotsPerMm,
                  double width, double height);

}  // namespace terrovane::sitereport
