#include "Quantity.h"

#include <initializer_list>

#include "Mode.h"

namespace terrovane::format {
namespace {

using record::Mode;
using record::ValueIndex;

bool ModeIn(const MeasurementRecord& record, std::initializer_list<Mode> modes) {
    const Mode mode = record::ModeOf(record);
    for (Mode candidate : modes) {
        if (mode == candidate)
            return true;
    }
    return false;
}

// A reading of a quantity that belongs only to some modes; NaN compares false and so counts as invalid.
double StoredReading(const MeasurementRecord* record, ValueIndex index, std::initializer_list<Mode> modes) {
    if (record == nullptr || !ModeIn(*record, modes))
        return NotApplicable;
    const double value = record->values[index];
    return value >= 0 ? value : InvalidReading;
}

}  // namespace

double Re(const MeasurementRecord* r) {
    return StoredReading(
        r, record::kRe,
        {Mode::ThreePole, Mode::FourPole, Mode::ThreePoleClamp, Mode::FourPoleClamp, Mode::TwoClamp});
}
double Rs(const MeasurementRecord* r) {
    return StoredReading(r, record::kRs,
                         {Mode::ThreePole, Mode::FourPole, Mode::ThreePoleClamp, Mode::FourPoleClamp});
}
double Rh(const MeasurementRecord* r) {
    return StoredReading(r, record::kRh,
                         {Mode::ThreePole, Mode::FourPole, Mode::ThreePoleClamp, Mode::FourPoleClamp});
}
double Rac(const MeasurementRecord* r) {
    return StoredReading(r, record::kRac, {Mode::TwoPoleAc});
}
double R1(const MeasurementRecord* r) {
    return StoredReading(r, record::kR1, {Mode::TwoPoleDc, Mode::FourPoleDc});
}
double R2(const MeasurementRecord* r) {
    return StoredReading(r, record::kR2, {Mode::TwoPoleDc, Mode::FourPoleDc});
}
double Resistivity(const MeasurementRecord* r) {
    return StoredReading(r, record::kResistivity, {Mode::Resistivity});
}
double Rk(const MeasurementRecord* r) {
    return StoredReading(r, record::kRk,
                         {Mode::ThreePole, Mode::ThreePoleClamp, Mode::TwoPoleAc, Mode::TwoPoleDc});
}
double Iac(const MeasurementRecord* r) {
    return StoredReading(r, record::kIac, {Mode::AcCurrent});
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
    if (r == nullptr || record::ModeOf(*r) != Mode::Resistivity)
        return 0;
    return r->integerValue > 99 ? DistanceOver : static_cast<int>(r->integerValue);
}

int TestVoltage(const MeasurementRecord* r) {
    if (r == nullptr)
        return 0;
    if (ModeIn(*r, {Mode::TwoPoleAc, Mode::TwoPoleDc, Mode::FourPoleDc}))
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
    if (r == nullptr || ModeIn(*r, {Mode::TwoPoleDc, Mode::FourPoleDc, Mode::AcCurrent}))
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

std::optional<Quantity> MainQuantity(std::uint32_t code) {
    const Mode mode = record::ModeOf(code);
    if (record::MeasuresEarthResistance(mode))
        return Quantity::Re;
    switch (mode) {
        case Mode::TwoPoleAc:
            return Quantity::Rac;
        case Mode::TwoPoleDc:
        case Mode::FourPoleDc:
            return Quantity::R1;
        case Mode::Resistivity:
            return Quantity::Resistivity;
        case Mode::AcCurrent:
            return Quantity::Iac;
        default:
            return std::nullopt;
    }
}

}  // namespace terrovane::format
