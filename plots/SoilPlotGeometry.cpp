#include "SoilPlotGeometry.h"

#include <algorithm>
#include <cmath>

#include "SoilFit.h"

namespace terrovane::plots {

double LogSigmaAt(const analysis::LayeredEarth& earth, const std::vector<double>& logCovariance,
                  double spacing) {
    return LogSigmaAt(earth, logCovariance, analysis::SoundingPoint{spacing, 0});
}

double LogSigmaAt(const analysis::LayeredEarth& earth, const std::vector<double>& logCovariance,
                  const analysis::SoundingPoint& reading) {
    const std::size_t p = 2 * earth.LayerCount() - 1;
    if (earth.LayerCount() == 0 || logCovariance.size() != p * p)
        return 0;
    std::vector<double> gradient;
    const double rho = analysis::ModelApparentResistivityWithGradient(earth, reading, gradient);
    if (gradient.size() != p || !(rho > 0))
        return 0;
    double variance = 0;
    for (std::size_t i = 0; i < p; ++i)
        for (std::size_t j = 0; j < p; ++j)
            variance += gradient[i] / rho * logCovariance[i * p + j] * gradient[j] / rho;
    return variance > 0 && std::isfinite(variance) ? std::sqrt(variance) : 0;
}

std::vector<SoilCurvePoint> SoilCurve(const analysis::LayeredEarth& earth,
                                      const std::vector<double>& logCovariance, double first, double last,
                                      int samples) {
    return SoilCurve(earth, logCovariance, analysis::Sounding{}, first, last, samples);
}

std::vector<SoilCurvePoint> SoilCurve(const analysis::LayeredEarth& earth,
                                      const std::vector<double>& logCovariance,
                                      const analysis::Sounding& measured, double first, double last,
                                      int samples) {
    std::vector<SoilCurvePoint> curve;
    if (!analysis::CheckModel(earth).empty() || !(first > 0) || !(last > first) || samples < 2)
        return curve;
    for (int i = 0; i < samples; ++i) {
        const double spacing = first * std::pow(last / first, static_cast<double>(i) / (samples - 1));
        const analysis::SoundingPoint reading = analysis::ReadingAt(measured, spacing);
        const double model = analysis::ModelApparentResistivity(earth, reading);
        const double spread = std::exp(LogSigmaAt(earth, logCovariance, reading));
        curve.push_back({spacing, model, model / spread, model * spread});
    }
    return curve;
}

std::pair<double, double> CurveSpan(const analysis::Sounding& sounding) {
    if (sounding.empty())
        return {1, 100};
    const auto [low, high] =
        std::minmax_element(sounding.begin(), sounding.end(),
                            [](const analysis::SoundingPoint& a, const analysis::SoundingPoint& b) {
                                return a.spacing < b.spacing;
                            });
    return {low->spacing / 1.5, high->spacing * 1.5};
}

SoilPlotLayout LayoutSoilPlot(const analysis::Sounding& measured, const std::vector<SoilCurvePoint>& curve,
                              const QRectF& plot) {
    double spacingLow = HUGE_VAL, spacingHigh = 0, rhoLow = HUGE_VAL, rhoHigh = 0;
    const auto take = [](double value, double& low, double& high) {
        if (value > 0 && std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    };
    for (const analysis::SoundingPoint& point : measured) {
        take(point.spacing, spacingLow, spacingHigh);
        take(point.apparentResistivity, rhoLow, rhoHigh);
    }
    for (const SoilCurvePoint& point : curve) {
        take(point.spacing, spacingLow, spacingHigh);
        take(point.low, rhoLow, rhoHigh);
        take(point.high, rhoLow, rhoHigh);
    }
    SoilPlotLayout layout;
    layout.plot = plot;
    layout.spacing = LogAxis(spacingLow, spacingHigh);
    layout.resistivity = LogAxis(rhoLow, rhoHigh);
    return layout;
}

QPointF MapSoil(const SoilPlotLayout& layout, double spacing, double resistivity) {
    return {layout.plot.left() + LogFraction(layout.spacing, spacing) * layout.plot.width(),
            layout.plot.bottom() - LogFraction(layout.resistivity, resistivity) * layout.plot.height()};
}

std::vector<QRectF> SoilPlotMarks(const SoilPlotLayout& layout, const analysis::Sounding& measured,
                                  const std::vector<SoilCurvePoint>& curve, bool band, double radius) {
    std::vector<QRectF> marks;
    for (const analysis::SoundingPoint& point : measured) {
        const QPointF at = MapSoil(layout, point.spacing, point.apparentResistivity);
        marks.emplace_back(at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    }
    for (const SoilCurvePoint& sample : curve) {
        const QPointF top = MapSoil(layout, sample.spacing, band ? sample.high : sample.model);
        const QPointF bottom = MapSoil(layout, sample.spacing, band ? sample.low : sample.model);
        marks.emplace_back(QRectF(top, bottom).normalized().adjusted(-radius, -radius, radius, radius));
    }
    return marks;
}

std::optional<QRectF> FreeLegendCorner(const QRectF& plot, const QSizeF& size, double inset,
                                       const std::vector<QRectF>& marks) {
    const QRectF inner = plot.adjusted(inset, inset, -inset, -inset);
    const QPointF corners[] = {{inner.right() - size.width(), inner.top()},
                               {inner.left(), inner.top()},
                               {inner.right() - size.width(), inner.bottom() - size.height()},
                               {inner.left(), inner.bottom() - size.height()}};
    for (const QPointF& corner : corners) {
        const QRectF legend(corner, size);
        const bool covers = std::any_of(marks.begin(), marks.end(),
                                        [&](const QRectF& mark) { return legend.intersects(mark); });
        if (!covers)
            return legend;
    }
    return std::nullopt;
}

}  // namespace terrovane::plots
