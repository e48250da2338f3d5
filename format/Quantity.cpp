#include "Quantity.h"

#include <initializer_list>

namespace terrovane::format {
namespace {

using record::ValueIndex;

bool ModeIn(const MeasurementRecord& record, std::initializer_list<std::uint32_t> modes) {
    for (auto mode : modes) {
        if (record.mode == mode)
            return true;
    }
    return false;
}

// A reading of a quantity that belongs only to some modes; NaN compares false and so counts as invalid.
double Reading(const MeasurementRecord* record, ValueIndex index,
               std::initializer_list<std::uint32_t> modes) {
    if (record == nullptr || !ModeIn(*record, modes))
        return NotApplicable;
    const double value = record->values[index];
    return value >= 0 ? value : InvalidReading;
}

}  // namespace

double Re(const MeasurementRecord* r) {
    return Reading(r, record::kRe, {1, 2, 3, 4, 5});
}
double Rs(const MeasurementRecord* r) {
    return Reading(r, record::kRs, {1, 2, 3, 4});
}
double Rh(const MeasurementRecord* r) {
    return Reading(r, record::kRh, {1, 2, 3, 4});
}
double Rac(const MeasurementRecord* r) {
    return Reading(r, record::kRac, {6});
}
double R1(const MeasurementRecord* r) {
    return Reading(r, record::kR1, {7, 8});
}
double R2(const MeasurementRecord* r) {
    return Reading(r, record::kR2, {7, 8});
}
double Resistivity(const MeasurementRecord* r) {
    return Reading(r, record::kResistivity, {9});
}
double Rk(const MeasurementRecord* r) {
    return Reading(r, record::kRk, {1, 3, 6, 7});
}
double Iac(const MeasurementRecord* r) {
    return Reading(r, record::kIac, {10});
}

double JammingFrequency(const MeasurementRecord* r) {
    if (r == nullptr)
        return NotApplicable;
    const double value = r->values[record::kJammingFrequency];
    return value >= 0 ? value : InvalidReading;
}

double JammingVoltage(const MeasurementRecord* r) {
    if (r == nullptr)
        return NotApplicable;
    const double value = r->values[record::kJammingVoltage];
    return value >= 1 ? value : InvalidReading;  // the instrument cannot measure below 1 V
}

int Distance(const MeasurementRecord* r) {
    if (r == nullptr || r->mode != 9)
        return 0;
    return r->integerValue > 99 ? DistanceOver : static_cast<int>(r->integerValue);
}

int TestVoltage(const MeasurementRecord* r) {
    if (r == nullptr)
        return 0;
    if (ModeIn(*r, {6, 7, 8}))
        return 20;  // two-pole methods always test at 20 V
    switch (r->voltageCode) {
        case 1:
            return 20;
        case 2:
            return 48;
        default:
            return 0;
    }
}

int TestFrequency(const MeasurementRecord* r) {
    if (r == nullptr || ModeIn(*r, {7, 8, 10}))
        return 0;
    switch (r->frequencyCode) {
        case 1:
            return 94;
        case 2:
            return 105;
        case 3:
            return 111;
        case 4:
            return 128;
        case 5:
            return kAutomaticFrequency;
        default:
            return 0;
    }
}

double QuantityValue(Quantity quantity, const MeasurementRecord* r) {
    switch (quantity) {
        case Quantity::Re:
            return Re(r);
        case Quantity::Rs:
            return Rs(r);
        case Quantity::Rh:
            return Rh(r);
        case Quantity::Rac:
            return Rac(r);
        case Quantity::R1:
            return R1(r);
        case Quantity::R2:
            return R2(r);
        case Quantity::Resistivity:
            return Resistivity(r);
        case Quantity::Rk:
            return Rk(r);
        case Quantity::JammingFrequency:
            return JammingFrequency(r);
        case Quantity::JammingVoltage:
            return JammingVoltage(r);
        case Quantity::Iac:
            return Iac(r);
        case Quantity::Distance:
            return Distance(r);
        case Quantity::TestVoltage:
            return TestVoltage(r);
        case Quantity::TestFrequency:
            return TestFrequency(r);
    }
    return NotApplicable;
}

std::optional<Quantity> MainQuantity(std::uint32_t mode) {
    if (mode >= 1 && mode <= 5)
        return Quantity::Re;
    switch (mode) {
        case 6:
            return Quantity::Rac;
        case 7:
        case 8:
            return Quantity::R1;
        case 9:
            return Quantity::Resistivity;
        case 10:
            return Quantity::Iac;
        default:
            return std::nullopt;
    }
}

}  // namespace terrovane::format
