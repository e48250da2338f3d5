#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
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
// The same at a reading of either array.
double LogSigmaAt(const analysis::LayeredEarth& earth, const std::vector<double>& logCovariance,
                  const analysis::SoundingPoint& reading);

// The model's Wenner curve from `first` to `last` (m) at `samples` spacings spread evenly on a log scale.
std::vector<SoilCurvePoint> SoilCurve(const analysis::LayeredEarth& earth,
                                      const std::vector<double>& logCovariance, double first, double last,
                                      int samples = 80);
// The same along `measured`: each sample taken as a reading there would have been (analysis::ReadingAt),
// so the curve of a Schlumberger sounding passes through the model's value at each of its readings.
std::vector<SoilCurvePoint> SoilCurve(const analysis::LayeredEarth& earth,
                                      const std::vector<double>& logCovariance,
                                      const analysis::Sounding& measured, double first, double last,
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

// What a legend must not cover, in the plot's coordinates: a square of `radius` around each measured
// point, and at each sample of the curve the extent from the band's upper to its lower edge (or the curve
// alone without a band).
std::vector<QRectF> SoilPlotMarks(const SoilPlotLayout& layout, const analysis::Sounding& measured,
                                  const std::vector<SoilCurvePoint>& curve, bool band, double radius);

// Where a legend of `size` goes in `plot`, `inset` in from its edges: the first of its top right, top left,
// bottom right and bottom left corners that covers none of `marks`; nothing where each would cover some.
std::optional<QRectF> FreeLegendCorner(const QRectF& plot, const QSizeF& size, double inset,
                                       const std::vector<QRectF>& marks);

}  // namespace terrovane::plots
