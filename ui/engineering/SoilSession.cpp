#include "SoilSession.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "Mode.h"
#include "NoteTexts.h"
#include "Numbers.h"
#include "RecordTexts.h"

namespace terrovane::engineering {
namespace {

std::string Number(double value) {
    if (!std::isfinite(value))
        return "";
    return numbers::General(value, 6);
}

}  // namespace

analysis::GatheredSounding SoundingOfResults(const std::vector<archive::ResultRow>& rows,
                                             const archive::ValidityThresholds& thresholds) {
    std::vector<analysis::SourcedRecord> records;
    int passed = 0;
    for (const archive::ResultRow& row : rows) {
        const auto record = record::MeasurementRecord::FromPacket(row.packet);
        if (record::ModeOf(record) != record::Mode::Resistivity) {
            ++passed;
            continue;
        }
        records.push_back(
            {analysis::ArchivedSource(static_cast<std::size_t>(row.slot), format::FormatRecordDate(record)),
             record, archive::ValidityNotes(record, thresholds)});
    }
    analysis::GatheredSounding gathered = analysis::SoundingFromRecords(records);
    if (passed > 0)
        gathered.notes.insert(
            gathered.notes.begin(),
            QCoreApplication::translate("SoilWindow", "%n result(s) are no resistivity reading and left out",
                                        nullptr, passed)
                .toStdString());
    return gathered;
}

analysis::SoilFit FitForChoice(const analysis::Sounding& sounding, const std::string& choice) {
    if (choice == "auto")
        return analysis::FitSoilAuto(sounding);
    if (choice == "1" || choice == "2" || choice == "3")
        return analysis::FitSoil(sounding, static_cast<int>(*numbers::ParseInteger(choice)));
    analysis::SoilFit refused;
    refused.error = "the number of layers is 1, 2, 3 or auto";
    return refused;
}

archive::StoredSoilModel StoredModelOf(const analysis::SoilFit& fit, std::int64_t site,
                                       const std::string& choice) {
    archive::StoredSoilModel model;
    model.site = site;
    model.layerChoice = choice;
    model.rmsPercent = fit.rmsPercent;
    for (const analysis::FittedLayer& layer : fit.layers)
        model.layers.push_back(
            {layer.resistivity, layer.resistivitySigma, layer.thickness, layer.thicknessSigma});
    for (const analysis::FittedPoint& point : fit.points)
        model.points.push_back({point.spacing, point.measured});
    model.logCovariance = fit.logCovariance;
    model.leftOut = fit.leftOut;  // so the site report can say what the sounding left out
    return model;
}

analysis::Sounding SoundingOf(const archive::StoredSoilModel& model) {
    analysis::Sounding sounding;
    for (const archive::StoredSoundingPoint& point : model.points)
        sounding.push_back({point.spacing, point.apparentResistivity});
    return sounding;
}

std::string SoilModelCsv(const analysis::SoilFit& fit) {
    std::string csv = "layer,resistivity_ohm_m,resistivity_sigma,thickness_m,thickness_sigma\n";
    for (std::size_t i = 0; i < fit.layers.size(); ++i) {
        const analysis::FittedLayer& layer = fit.layers[i];
        csv += std::to_string(i + 1) + "," + Number(layer.resistivity) + "," +
               Number(layer.resistivitySigma) + "," + (layer.thickness ? Number(*layer.thickness) : "") +
               "," + (layer.thicknessSigma ? Number(*layer.thicknessSigma) : "") + "\n";
    }
    csv += "\nrms_percent\n" + Number(fit.rmsPercent) + "\n";
    // A Schlumberger reading is where its AB/2 and MN/2 put it.
    const bool schlumberger =
        std::any_of(fit.points.begin(), fit.points.end(), [](const analysis::FittedPoint& point) {
            return point.array == analysis::SoundingArray::Schlumberger;
        });
    csv += schlumberger ? "\nab2_m,mn2_m," : "\nspacing_m,";
    csv += "measured_ohm_m,model_ohm_m,residual_percent\n";
    for (const analysis::FittedPoint& point : fit.points)
        csv += Number(point.spacing) + "," + (schlumberger ? Number(point.mn2) + "," : "") +
               Number(point.measured) + "," + Number(point.model) + "," + Number(point.residualPercent) +
               "\n";
    return csv;
}

}  // namespace terrovane::engineering
