// The site report's pages of engineering answers: the stored soil model with its layer table and plot,
// and the points' fall-of-potential curves with their values.
#include "SiteReportAnalyses.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "FopPlotPainting.h"
#include "FopSummaryText.h"
#include "NoteText.h"
#include "PageBasics.h"
#include "SiteReportGrid.h"
#include "SoilCovariance.h"
#include "SoilPlotPainting.h"

namespace terrovane::sitereport {
namespace {

constexpr std::size_t kCurvesPerPage = 2;

QString Sigma(double sigma) {
    if (std::isnan(sigma))
        return QCoreApplication::translate("SiteReport", "not estimated");
    if (std::isinf(sigma))
        return QCoreApplication::translate("SiteReport", "undetermined");
    return QStringLiteral("± %1").arg(sigma, 0, 'g', 3);
}

class Mm {
  public:
    explicit Mm(double dotsPerMm) : mm_(dotsPerMm) {}
    QRectF operator()(double x, double y, double w, double h) const {
        return {x * mm_, y * mm_, w * mm_, h * mm_};
    }

  private:
    double mm_;
};

void Text(QPainter& painter, const QRectF& box, const QString& text, int flags = Qt::AlignLeft) {
    painter.drawText(box, flags | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(box.width())));
}

// How many notes of left-out readings a page lists before counting the rest, so the plot keeps its room.
constexpr std::size_t kLeftOutShown = 6;

// `text` wrapped to the width from `y` mm down, in at most three lines of `lineMm`; returns where the next
// line goes. Half a page's column is too narrow for a sentence of advice on one line.
double WrappedText(QPainter& painter, const QString& text, const Mm& mm, double x, double y, double width,
                   double lineMm) {
    const QRectF box = mm(x, y, width, lineMm * 3);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF used = painter.boundingRect(box, flags, text);
    painter.drawText(box, flags, text);
    const double dotsPerMm = mm(0, 0, 1, 1).width();
    return y + std::clamp(used.height() / dotsPerMm, lineMm, lineMm * 3);
}

// The readings an analysis left out and why under `heading`, each note wrapped to the width, from `y` mm
// down; returns where the next line goes.
double DrawLeftOut(QPainter& painter, const QString& heading, const std::vector<std::string>& notes,
                   const Mm& mm, double x, double y, double width) {
    if (notes.empty())
        return y;
    painter.setFont(Font(9, true));
    Text(painter, mm(x, y, width, kLine), heading);
    y += kLine;
    painter.setFont(Font(8));
    const double lineMm = kLine * 0.8;
    for (std::size_t i = 0; i < notes.size() && i < kLeftOutShown; ++i)
        y = WrappedText(painter, texts::AnalysisNoteText(notes[i]), mm, x, y, width, lineMm);
    if (notes.size() > kLeftOutShown) {
        Text(painter, mm(x, y, width, lineMm),
             QCoreApplication::translate("SiteReport", "and %n more", nullptr,
                                         static_cast<int>(notes.size() - kLeftOutShown)));
        y += lineMm;
    }
    return y;
}

plots::SoilPlotData SoilData(const archive::StoredSoilModel& model) {
    plots::SoilPlotData data;
    data.band = !model.logCovariance.empty();
    analysis::LayeredEarth earth;
    for (const archive::StoredSoilLayer& layer : model.layers) {
        earth.resistivities.push_back(layer.resistivity);
        if (layer.thickness)
            earth.thicknesses.push_back(*layer.thickness);
    }
    for (const archive::StoredSoundingPoint& point : model.points)
        data.measured.push_back({point.spacing, point.apparentResistivity});
    const auto [first, last] = plots::CurveSpan(data.measured);
    data.curve = plots::SoilCurve(earth, model.logCovariance, first, last);
    return data;
}

void DrawSoilPage(QPainter& painter, const archive::StoredSoilModel& model, const Mm& mm, double width,
                  double height) {
    painter.setFont(Font(14, true));
    Text(painter, mm(0, 0, width, 8), QCoreApplication::translate("SiteReport", "Soil model"));
    painter.setFont(Font(10));
    Text(painter, mm(0, 10, width, kLine),
         QCoreApplication::translate("SiteReport", "Stored %1; layers: %2; RMS error %3 %")
             .arg(Q(model.savedAt.substr(0, 16)).replace(QLatin1Char('T'), QLatin1Char(' ')))
             .arg(Q(model.layerChoice))
             .arg(model.rmsPercent, 0, 'f', 2));
    double columns[] = {14, 46, 46, 30};
    const QString titles[] = {QCoreApplication::translate("SiteReport", "Layer"),
                              QCoreApplication::translate("SiteReport", "Resistivity (Ω·m)"),
                              QCoreApplication::translate("SiteReport", "Thickness (m)"),
                              QCoreApplication::translate("SiteReport", "Depth to base (m)")};
    double y = 18;
    double x = 0;
    painter.setFont(Font(9, true));
    // A column is as wide as its title needs ("Tiefe der Unterkante (m)"): the page has room to spare.
    const double dotsPerMm = mm(0, 0, 1, 1).width();
    for (std::size_t c = 0; c < std::size(columns); ++c) {
        columns[c] = std::max(columns[c], painter.fontMetrics().horizontalAdvance(titles[c]) / dotsPerMm + 4);
    }
    for (std::size_t c = 0; c < std::size(columns); ++c) {
        Text(painter, mm(x, y, columns[c], kLine), titles[c]);
        x += columns[c];
    }
    painter.setFont(Font(9));
    double depth = 0;
    for (std::size_t i = 0; i < model.layers.size(); ++i) {
        const archive::StoredSoilLayer& layer = model.layers[i];
        y += kLine;
        QString cells[4] = {
            QString::number(i + 1),
            QStringLiteral("%1 %2").arg(layer.resistivity, 0, 'g', 4).arg(Sigma(layer.resistivitySigma)),
            QCoreApplication::translate("SiteReport", "below"), QString()};
        if (layer.thickness) {
            depth += *layer.thickness;
            cells[2] =
                QStringLiteral("%1 %2").arg(*layer.thickness, 0, 'g', 3).arg(Sigma(*layer.thicknessSigma));
            cells[3] = QString::number(depth, 'g', 3);
        }
        x = 0;
        for (std::size_t c = 0; c < std::size(columns); ++c) {
            Text(painter, mm(x, y, columns[c], kLine), cells[c]);
            x += columns[c];
        }
    }
    if (!model.leftOut.empty())
        y = DrawLeftOut(painter,
                        QCoreApplication::translate("SiteReport", "Left out of the sounding, and why:"),
                        model.leftOut, mm, 0, y + kLine * 1.5, width) -
            kLine;
    painter.setFont(Font(8));
    const double plotTop = y + kLine * 2;
    plots::PaintSoilPlot(painter, mm(0, plotTop, std::min(width, 200.0), height - plotTop), SoilData(model));
}

void DrawCurve(QPainter& painter, const PointCurve& entry, const Mm& mm, double x, double width,
               double height) {
    const archive::StoredFopCurve& curve = entry.curve;
    std::vector<analysis::FopReading> readings;
    for (const archive::StoredFopReading& reading : curve.readings)
        readings.push_back({reading.distance, reading.resistance});
    const analysis::FopAnalysis analysis = analysis::AnalyseFallOfPotential(readings, curve.currentProbe);
    painter.setFont(Font(12, true));
    Text(painter, mm(x, 0, width, 7),
         QCoreApplication::translate("SiteReport", "Fall of potential: ") + Q(entry.point));
    painter.setFont(Font(9));
    Text(painter, mm(x, 8, width, kLine),
         QCoreApplication::translate("SiteReport", "Stored %1; current probe D = %2 m; %3 readings")
             .arg(Q(curve.savedAt.substr(0, 16)).replace(QLatin1Char('T'), QLatin1Char(' ')))
             .arg(curve.currentProbe, 0, 'g', 6)
             .arg(curve.readings.size()));
    double y = 8 + kLine;
    for (const QString& line : texts::FopSummaryText(analysis))
        y = WrappedText(painter, line, mm, x, y, width, kLine * 0.85);
    y = DrawLeftOut(painter, QCoreApplication::translate("SiteReport", "Left off the curve, and why:"),
                    curve.leftOut, mm, x, y + 1, width);
    plots::FopPlotData data;
    data.readings = readings;
    data.currentProbe = curve.currentProbe;
    if (analysis.Ok())
        data.resistanceAt618 = analysis.resistanceAt618;
    painter.setFont(Font(8));
    plots::PaintFopPlot(painter, mm(x, y + 2, width, height - y - 2), data);
}

// The report's own steps still pass a failure on as its English line, which the texts layer says in the
// user's language.
bool Said(const archive::Failure& failure, std::string& error) {
    error = failure.Text();
    return false;
}

}  // namespace

bool LoadStoredAnalyses(archive::Archive& archive, std::int64_t site,
                        const std::vector<archive::PointRow>& points, StoredAnalyses& out,
                        std::string& error) {
    out = {};
    const archive::Result<std::vector<archive::StoredSoilModel>> models = archive::SoilModels(archive, site);
    if (!models)
        return Said(models.Error(), error);
    if (!models.Value().empty()) {
        out.soilModel = models.Value().front();
        if (const archive::Status covariance = archive::LoadSoilCovariance(archive, *out.soilModel);
            !covariance)
            return Said(covariance.Error(), error);
    }
    const archive::Result<std::vector<archive::StoredGridAssessment>> assessments =
        archive::GridAssessments(archive, site);
    if (!assessments)
        return Said(assessments.Error(), error);
    if (!assessments.Value().empty()) {
        out.gridAssessment = assessments.Value().front();
        out.gridMap = ComputeGridMap(*out.gridAssessment, out.soilModel);
    }
    for (const archive::PointRow& point : points) {
        const archive::Result<std::vector<archive::StoredFopCurve>> curves =
            archive::FopCurves(archive, point.id);
        if (!curves)
            return Said(curves.Error(), error);
        if (!curves.Value().empty())
            out.curves.push_back({point.fields.name, curves.Value().front()});
    }
    return true;
}

int AnalysisPageCount(const StoredAnalyses& analyses) {
    return (analyses.soilModel ? 1 : 0) + (analyses.gridAssessment ? 1 : 0) +
           static_cast<int>((analyses.curves.size() + kCurvesPerPage - 1) / kCurvesPerPage);
}

void DrawAnalysisPage(QPainter& painter, const StoredAnalyses& analyses, double dotsPerMm, double width,
                      double height, double footer, int page) {
    const Mm mm(dotsPerMm);
    painter.save();
    painter.setPen(Qt::black);
    const double body = height - footer - 2;
    if (analyses.soilModel && page == 0) {
        DrawSoilPage(painter, *analyses.soilModel, mm, width, body);
        painter.restore();
        return;
    }
    const int gridPage = analyses.soilModel ? 1 : 0;
    if (analyses.gridAssessment && page == gridPage) {
        DrawGridPage(painter, *analyses.gridAssessment, analyses.gridMap ? &*analyses.gridMap : nullptr,
                     dotsPerMm, width, body);
        painter.restore();
        return;
    }
    const int curvePages = page - gridPage - (analyses.gridAssessment ? 1 : 0);
    const std::size_t first = static_cast<std::size_t>(curvePages) * kCurvesPerPage;
    const double column = (width - 10) / kCurvesPerPage;
    for (std::size_t i = first; i < analyses.curves.size() && i < first + kCurvesPerPage; ++i)
        DrawCurve(painter, analyses.curves[i], mm, static_cast<double>(i - first) * (column + 10), column,
                  body);
    painter.restore();
}

}  // namespace terrovane::sitereport
