#include "Verdict.h"

#include "Problems.h"
#include "Quantity.h"
#include "Reading.h"
#include "ResultsOutput.h"
#include "Settings.h"

namespace terrovane::archive {

const char* VerdictWord(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return "pass";
        case Verdict::Fail:
            return "fail";
        case Verdict::None:
            break;
    }
    return "none";
}

Verdict Judge(const record::MeasurementRecord& record, const std::optional<Limit>& limit) {
    const format::Reading re = format::ReadingOf(format::Quantity::Re, &record);
    if (!limit) {
        return Verdict::None;
    }
    if (re.IsOverRange()) {
        // Above a bound at or above the limit is above the limit; above a lower bound could be either.
        return re.value >= limit->ohms ? Verdict::Fail : Verdict::None;
    }
    if (!re.IsMeasured()) {
        return Verdict::None;
    }
    return static_cast<float>(re.value) <= static_cast<float>(limit->ohms) ? Verdict::Pass : Verdict::Fail;
}

namespace {

std::string Ohms(double value) {
    return value >= 1000 ? NumberText(value / 1000) + " kohm" : NumberText(value) + " ohm";
}

}  // namespace

const std::vector<const char*>& ValidityTexts() {
    static const std::vector<const char*> texts = {kFailedReading, kJammingAbove, kRsAbove, kRhAbove};
    return texts;
}

std::vector<std::string> ValidityNotes(const record::MeasurementRecord& record,
                                       const ValidityThresholds& thresholds) {
    std::vector<std::string> notes;
    if (format::Re(&record) == format::InvalidReading) {
        notes.push_back(kFailedReading);
    }
    const double jamming = format::JammingVoltage(&record);
    if (jamming != format::InvalidReading && jamming > thresholds.jammingVolts) {
        notes.push_back(Problem(kJammingAbove, {NumberText(jamming), NumberText(thresholds.jammingVolts)}));
    }
    for (const auto& [above, quantity] :
         {std::pair{kRsAbove, format::Quantity::Rs}, std::pair{kRhAbove, format::Quantity::Rh}}) {
        const format::Reading reading = format::ReadingOf(quantity, &record);
        // Over range is only known to be above its bound, which is what the note says then.
        const std::string shown = reading.IsOverRange() ? "> " + Ohms(reading.value) : Ohms(reading.value);
        if ((reading.IsMeasured() || reading.IsOverRange()) && reading.value > thresholds.auxiliaryOhms) {
            notes.push_back(Problem(above, {shown, Ohms(thresholds.auxiliaryOhms)}));
        }
    }
    return notes;
}

ValidityThresholds ValidityThresholdsIn(const platform::Settings& settings) {
    ValidityThresholds thresholds;
    thresholds.jammingVolts = settings.JammingVoltageLimit().value_or(thresholds.jammingVolts);
    thresholds.auxiliaryOhms = settings.AuxiliaryResistanceLimit().value_or(thresholds.auxiliaryOhms);
    return thresholds;
}

}  // namespace terrovane::archive
