#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

#include "LayeredEarth.h"
#include "PlotAxes.h"
#include "Sounding.h"

namespace terrovane::plots {

// One sample of a model's apparent-resistivity curve with its one-sigma band.
struct SoilCurvePoint {
    double spacing = 0;
    double model = 0;
    double low = 0;   // model / exp(sigma of ln rho_a)
    double high = 0;  // model * exp(sigma of ln rho_a)
};

// The one-sigma band of ln rho_a at a spacing from the covariance of the logarithmic parameters (as the
// soil fit gives it): sqrt(g^T C g) with g the derivatives of ln rho_a by those parameters. 0 without a
// covariance of the model's size.
double LogSigmaAt(const analysis::LayeredEarth& earth, const std::vector<double>& logCovariance,
                  double spacing);

// The model's curve from `first` to `last` (m) at `samples` spacings spread evenly on a log scale.
std::vector<SoilCurvePoint> SoilCurve(const analysis::LayeredEarth& earth,
                                      const std::vector<double>& logCovariance, double first, double last,
                                      int samples = 80);

// The spacings a plot of the sounding shows: a little beyond its first and last point.
std::pair<double, double> CurveSpan(const analysis::Sounding& sounding);

// Where a log-log plot of the sounding and curve goes: both axes logarithmic, wide enough for the points,
// the curve and its band.
struct SoilPlotLayout {
    QRectF plot;
    PlotAxis spacing;
    PlotAxis resistivity;
};

SoilPlotLayout LayoutSoilPlot(const analysis::Sounding& measured, const std::vector<SoilCurvePoint>& curve,
                              const QRectF& plot);
// Maps (spacing, apparent resistivity) into the plot (resistivity grows upwards).
QPointF MapSoil(const SoilPlotLayout& layout, double spacing, double resistivity);

}  // namespace terrovane::plots
