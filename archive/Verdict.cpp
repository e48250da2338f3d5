#include "Verdict.h"

#include "Quantity.h"
#include "ResultsOutput.h"

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
    const double re = format::Re(&record);
    if (!limit || re == format::NotApplicable || re == format::InvalidReading) {
        return Verdict::None;
    }
    return static_cast<float>(re) <= static_cast<float>(limit->ohms) ? Verdict::Pass : Verdict::Fail;
}

namespace {

std::string Ohms(double value) {
    return value >= 1000 ? NumberText(value / 1000) + " kohm" : NumberText(value) + " ohm";
}

}  // namespace

std::vector<std::string> ValidityNotes(const record::MeasurementRecord& record,
                                       const ValidityThresholds& thresholds) {
    std::vector<std::string> notes;
    if (format::Re(&record) == format::InvalidReading) {
        notes.push_back("the instrument stored a failed reading");
    }
    const double jamming = format::JammingVoltage(&record);
    if (jamming != format::InvalidReading && jamming > thresholds.jammingVolts) {
        notes.push_back("jamming voltage " + NumberText(jamming) + " V above " +
                        NumberText(thresholds.jammingVolts) + " V");
    }
    for (const auto& [name, value] :
         {std::pair{"Rs", format::Rs(&record)}, std::pair{"Rh", format::Rh(&record)}}) {
        if (value >= 0 && value > thresholds.auxiliaryOhms) {
            notes.push_back(std::string(name) + " " + Ohms(value) + " above " +
                            Ohms(thresholds.auxiliaryOhms));
        }
    }
    return notes;
}

}  // namespace terrovane::archive
