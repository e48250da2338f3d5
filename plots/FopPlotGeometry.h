#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

#include "FallOfPotential.h"
#include "PlotAxes.h"

namespace terrovane::plots {

// Where a fall-of-potential plot goes: resistance against x/D from 0 to 1.
struct FopPlotLayout {
    QRectF plot;
    double currentProbe = 1;
    PlotAxis fraction;  // x / D
    PlotAxis resistance;
};

// x/D runs from 0 to 1 or the farthest reading; the resistance axis from 0 (or the lowest reading, were
// one negative) to the highest reading and the plateau band's top.
FopPlotLayout LayoutFopPlot(const std::vector<analysis::FopReading>& readings, double currentProbe,
                            std::optional<double> resistanceAt618, const QRectF& plot);
QPointF MapFop(const FopPlotLayout& layout, double distance, double resistance);
// The plateau band: from 52 % to 72 % of D, the resistance at 61.8 % plus and minus the tolerance.
QRectF PlateauBand(const FopPlotLayout& layout, double resistanceAt618);

// `count` potential-probe distances spread evenly between the electrode and the current probe:
// D (i + 1) / (count + 1), rounded to centimetres. Nine readings put them at 10 % to 90 % of D, which has
// the slope method's 20, 40 and 60 %.
std::vector<double> EvenDistances(int count, double currentProbe);

}  // namespace terrovane::plots
