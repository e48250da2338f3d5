// The site report's page of the earthing grid assessment kept with the site.
#include "SiteReportGrid.h"
#include "PageBasics.h"

#include <QCoreApplication>
#include <QPainter>

#include "SafetyMapPainting.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace terrovane::sitereport {
namespace {

QString Number(double value) {
    return QString::number(value, 'g', 4);
}
QString Volts(double value) {
    return QCoreApplication::translate("SiteReport", "%1 V").arg(value, 0, 'f', 1);
}

// Writes lines of text top down, `dotsPerMm` to the millimetre.
class Writer {
  public:
    Writer(QPainter& painter, double dotsPerMm, double width)
        : painter_(painter), mm_(dotsPerMm), width_(width) {}

    void Line(const QString& text, double x = 0, double w = -1) {
        const QRectF box(x * mm_, y_ * mm_, (w < 0 ? width_ - x : w) * mm_, kLine * mm_);
        painter_.drawText(
            box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            painter_.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(box.width())));
    }
    void Next(double lines = 1) { y_ += kLine * lines; }
    double Y() const { return y_; }
    void Title(const QString& text) {
        painter_.setFont(Font(14, true));
        const QRectF box(0, 0, width_ * mm_, 8 * mm_);
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ = 10;
    }

  private:
    QPainter& painter_;
    double mm_;
    double width_;
    double y_ = 0;
};

QString ShapeText(const archive::StoredGridAssessment& a) {
    if (a.shape == "square")
        return QCoreApplication::translate("SiteReport", "square");
    if (a.shape == "l-shaped")
        return QCoreApplication::translate("SiteReport", "L-shaped (a corner of %1 m x %2 m cut out)")
            .arg(Number(a.cutoutLengthM), Number(a.cutoutWidthM));
    return QCoreApplication::translate("SiteReport", "rectangular");
}

QString RodsText(const archive::StoredGridAssessment& a) {
    if (a.rodCount == 0)
        return QCoreApplication::translate("SiteReport", "Rods: none");
    const QString where =
        a.rodPlacement == "inside"    ? QCoreApplication::translate("SiteReport", "inside the grid")
        : a.rodPlacement == "corners" ? QCoreApplication::translate("SiteReport", "at the corners")
                                      : QCoreApplication::translate("SiteReport", "on the perimeter");
    return QCoreApplication::translate("SiteReport", "Rods: %1 of %2 m, %3 m in diameter, %4")
        .arg(a.rodCount)
        .arg(Number(a.rodLengthM), Number(a.rodDiameterM), where);
}

QString FaultText(const archive::StoredGridAssessment& a) {
    const QString current =
        a.givenGridCurrentA
            ? QCoreApplication::translate("SiteReport", "grid current %1 A").arg(Number(*a.givenGridCurrentA))
            : QCoreApplication::translate("SiteReport",
                                          "fault current 3I0 %1 A, split factor %2, X/R %3 at %4 Hz")
                  .arg(Number(a.faultCurrentA), Number(a.splitFactor), Number(a.xOverR),
                       Number(a.frequencyHz));
    return QCoreApplication::translate("SiteReport", "Fault: %1 for %2 s; body of %3 kg")
        .arg(current, Number(a.durationS))
        .arg(a.bodyKg);
}

QString SoilText(const archive::StoredGridAssessment& a) {
    const QString rho = Number(a.soilResistivity);
    if (a.soilMethod == "single-layer")
        return QCoreApplication::translate("SiteReport", "Soil: %1 Ω·m, the stored one-layer model").arg(rho);
    if (a.soilMethod == "wenner-at-equivalent-radius")
        return QCoreApplication::translate("SiteReport",
                                           "Soil: %1 Ω·m, the %2-layer model's Wenner apparent resistivity "
                                           "at the equivalent radius %3 m")
            .arg(rho)
            .arg(a.soilLayers)
            .arg(a.soilSpacingM, 0, 'f', 1);
    return QCoreApplication::translate("SiteReport", "Soil: %1 Ω·m, as typed").arg(rho);
}

struct Row {
    QString name;
    QString tolerable;
    QString computed;
};

std::vector<Row> FigureRows(const archive::StoredGridAssessment& a) {
    std::vector<Row> rows = {
        {QCoreApplication::translate("SiteReport", "Touch voltage (mesh voltage Em)"),
         Volts(a.tolerableTouchV), Volts(a.meshVoltageV)},
        {QCoreApplication::translate("SiteReport", "Step voltage Es"), Volts(a.tolerableStepV),
         Volts(a.stepVoltageV)},
        {QCoreApplication::translate("SiteReport", "Ground potential rise"), QString(), Volts(a.gprV)}};
    if (a.permissibleTouchV)
        rows.push_back({QCoreApplication::translate("SiteReport", "Permissible touch voltage (EN 50522)"),
                        Volts(*a.permissibleTouchV), Volts(a.meshVoltageV)});
    const auto ohms = [](double value) {
        return QCoreApplication::translate("SiteReport", "%1 Ω").arg(value, 0, 'f', 3);
    };
    rows.push_back({QCoreApplication::translate("SiteReport", "Grid resistance Rg (Sverak)"), QString(),
                    ohms(a.gridResistanceOhm)});
    if (a.schwarzResistanceOhm)
        rows.push_back({QCoreApplication::translate("SiteReport", "Grid resistance (Schwarz)"), QString(),
                        ohms(*a.schwarzResistanceOhm)});
    rows.push_back({QCoreApplication::translate("SiteReport", "Grid current IG"), QString(),
                    QCoreApplication::translate("SiteReport", "%1 A").arg(a.gridCurrentA, 0, 'f', 1)});
    rows.push_back({QCoreApplication::translate("SiteReport", "Surface layer factor Cs"), QString(),
                    QString::number(a.surfaceFactor, 'f', 3)});
    return rows;
}

QString LayersText(const electrode::Soil& soil) {
    if (soil.resistivities.size() == 1)
        return QCoreApplication::translate("SiteReport", "uniform, %1 Ω·m")
            .arg(Number(soil.resistivities[0]));
    QStringList layers;
    for (std::size_t i = 0; i < soil.resistivities.size(); ++i)
        layers << (i < soil.thicknesses.size()
                       ? QCoreApplication::translate("SiteReport", "%1 Ω·m of %2 m")
                             .arg(Number(soil.resistivities[i]), Number(soil.thicknesses[i]))
                       : QCoreApplication::translate("SiteReport", "%1 Ω·m below")
                             .arg(Number(soil.resistivities[i])));
    return layers.join(QStringLiteral(", "));
}

QString Place(const electrode::Point& at) {
    return QCoreApplication::translate("SiteReport", "(%1 m, %2 m)")
        .arg(QString::number(at.x, 'f', 1), QString::number(at.y, 'f', 1));
}

// The touch and step maps side by side below the figures, each with its caption and limit.
void DrawMaps(QPainter& painter, const GridMap& map, double dotsPerMm, double top, double width,
              double height) {
    painter.setFont(Font(9));
    const auto line = [&](const QString& text, double y) {
        const QRectF box(0, y * dotsPerMm, width * dotsPerMm, kLine * dotsPerMm);
        painter.drawText(
            box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            painter.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(box.width())));
    };
    line(QCoreApplication::translate("SiteReport",
                                     "Computed in the soil (%1): largest touch voltage %2 at %3, "
                                     "largest step voltage %4 at %5")
             .arg(LayersText(map.soil), Volts(map.touch.volts), Place(map.touch.at), Volts(map.step.volts),
                  Place(map.step.at)),
         top);
    line(QCoreApplication::translate(
             "SiteReport",
             "Hatched and bordered: the ground at or above the limit. The grid's corner "
             "is at 0, 0; the maps reach 3 m beyond it."),
         top + kLine);
    const double mapsTop = top + 2.5 * kLine;
    const double column = (width - 6) / 2;
    const double mapHeight = std::min(height - mapsTop - kLine, column);
    if (!(mapHeight > 20))
        return;
    struct Shown {
        QString caption;
        const std::vector<double>* values;
        double limit;
    };
    const Shown shown[] = {
        {QCoreApplication::translate("SiteReport", "Touch voltage, limit %1").arg(Volts(map.touchLimit)),
         &map.raster.touch, map.touchLimit},
        {QCoreApplication::translate("SiteReport", "Step voltage, limit %1").arg(Volts(map.stepLimit)),
         &map.raster.step, map.stepLimit}};
    for (int i = 0; i < 2; ++i) {
        const double left = i * (column + 6);
        painter.setFont(Font(9, true));
        painter.drawText(QRectF(left * dotsPerMm, mapsTop * dotsPerMm, column * dotsPerMm, kLine * dotsPerMm),
                         Qt::AlignLeft | Qt::AlignVCenter, shown[i].caption);
        painter.setFont(Font(8));
        plots::SafetyMapData data;
        data.raster = &map.raster;
        data.values = shown[i].values;
        data.limit = shown[i].limit;
        data.conductors = map.conductors;
        plots::PaintSafetyMap(painter,
                              QRectF(left * dotsPerMm, (mapsTop + kLine) * dotsPerMm, column * dotsPerMm,
                                     mapHeight * dotsPerMm),
                              data);
    }
}

}  // namespace

void DrawGridPage(QPainter& painter, const archive::StoredGridAssessment& a, const GridMap* map,
                  double dotsPerMm, double width, double height) {
    Writer out(painter, dotsPerMm, width);
    out.Title(QCoreApplication::translate("SiteReport", "Earthing grid safety"));
    painter.setFont(Font(10));
    const QString standard = a.standard == "en50522"
                                 ? QCoreApplication::translate("SiteReport", "EN 50522:2010")
                                 : QCoreApplication::translate("SiteReport", "IEEE Std 80-2013");
    out.Line(
        QCoreApplication::translate("SiteReport", "Stored %1; judged after %2")
            .arg(QString::fromStdString(a.savedAt.substr(0, 16)).replace(QLatin1Char('T'), QLatin1Char(' ')),
                 standard));
    out.Next(1.5);
    painter.setFont(Font(9));
    out.Line(QCoreApplication::translate("SiteReport",
                                         "Grid: %1, %2 m x %3 m, %4 x %5 conductors of %6 m, %7 m deep")
                 .arg(ShapeText(a), Number(a.lengthM), Number(a.widthM))
                 .arg(a.conductorsWidthwise)
                 .arg(a.conductorsLengthwise)
                 .arg(Number(a.conductorDiameterM), Number(a.depthM)));
    out.Next();
    out.Line(RodsText(a));
    out.Next();
    out.Line(a.surfaceResistivity && a.surfaceThicknessM
                 ? QCoreApplication::translate("SiteReport", "Surface layer: %1 Ω·m, %2 m thick")
                       .arg(Number(*a.surfaceResistivity), Number(*a.surfaceThicknessM))
                 : QCoreApplication::translate("SiteReport", "Surface layer: none"));
    out.Next();
    out.Line(FaultText(a));
    out.Next();
    out.Line(SoilText(a));
    out.Next(1.5);
    const double columns[] = {80, 40, 40};
    painter.setFont(Font(9, true));
    out.Line(QCoreApplication::translate("SiteReport", "Tolerable"), columns[0], columns[1]);
    out.Line(QCoreApplication::translate("SiteReport", "Computed"), columns[0] + columns[1], columns[2]);
    painter.setFont(Font(9));
    for (const Row& row : FigureRows(a)) {
        out.Next();
        out.Line(row.name, 0, columns[0]);
        out.Line(row.tolerable, columns[0], columns[1]);
        out.Line(row.computed, columns[0] + columns[1], columns[2]);
    }
    out.Next(2);
    painter.save();
    painter.setFont(Font(12, true));
    const bool safe = a.verdict == "safe";
    painter.setPen(safe ? QColor(0x1b, 0x7a, 0x2e) : QColor(0xc0, 0x1c, 0x1c));
    // Safe on the model's resistivity but not across its uncertainty: never to be read as either.
    const bool notShown = a.verdict == "not-shown-safe";
    out.Line(safe       ? QCoreApplication::translate("SiteReport", "Verdict: safe")
             : notShown ? QCoreApplication::translate(
                              "SiteReport", "Verdict: not shown safe (the soil is not known well enough)")
                        : QCoreApplication::translate("SiteReport", "Verdict: not safe"));
    painter.restore();
    if (map != nullptr)
        DrawMaps(painter, *map, dotsPerMm, out.Y() + 2 * kLine, width, height);
}

}  // namespace terrovane::sitereport
