#include "Reading.h"

#include <cmath>

#include "Mode.h"
#include "Numbers.h"

namespace terrovane::format {
namespace {

Reading Measured(double value, double stored) {
    return {ReadingKind::Measured, value, stored, nullptr};
}

Reading Over(double bound, double stored) {
    return {ReadingKind::OverRange, bound, stored, nullptr};
}

Reading NotApplicableReading() {
    return {};
}

Reading InvalidOf(double stored) {
    return {ReadingKind::Invalid, 0, stored, nullptr};
}

// The stored element of a value quantity (what the instrument put there, whatever the accessor says).
double StoredValue(Quantity quantity, const MeasurementRecord& r) {
    switch (quantity) {
        case Quantity::Re:
            return r.values[record::kRe];
        case Quantity::Rs:
            return r.values[record::kRs];
        case Quantity::Rh:
            return r.values[record::kRh];
        case Quantity::Rac:
            return r.values[record::kRac];
        case Quantity::R1:
            return r.values[record::kR1];
        case Quantity::R2:
            return r.values[record::kR2];
        case Quantity::Resistivity:
            return r.values[record::kResistivity];
        case Quantity::Rk:
            return r.values[record::kRk];
        case Quantity::JammingFrequency:
            return r.values[record::kJammingFrequency];
        case Quantity::JammingVoltage:
            return r.values[record::kJammingVoltage];
        case Quantity::Iac:
            return r.values[record::kIac];
        case Quantity::Distance:
            return r.integerValue;
        case Quantity::TestVoltage:
            return r.voltageCode;
        case Quantity::TestFrequency:
            return r.frequencyCode;
    }
    return 0;
}

// The top of the range each quantity's cell text shows as a number, and whether the top itself is still
// a number (at most) or already over range (below). The cell texts' ranges, one place.
struct Range {
    double top;
    bool topIncluded;
    double bound;  // what the instrument shows after ">"
};

std::optional<Range> RangeOf(Quantity quantity, const MeasurementRecord& r, double x) {
    switch (quantity) {
        case Quantity::Re:
            if (record::ModeOf(r) == record::Mode::TwoClamp)
                return Range{150, false, 150};
            // The clamp modes stop at 20 kOhm, but above 300 kOhm every earth mode shows ">300k".
            if ((record::ModeOf(r) == record::Mode::ThreePoleClamp ||
                 record::ModeOf(r) == record::Mode::FourPoleClamp) &&
                x <= 300000)
                return Range{20000, true, 20000};
            return Range{300000, true, 300000};
        case Quantity::Rs:
        case Quantity::Rh:
            return Range{300000, true, 300000};
        case Quantity::Rac:
            return Range{300000, false, 300000};
        case Quantity::Resistivity:
            return Range{1000000, false, 999900};
        case Quantity::R1:
        case Quantity::R2:
            return Range{3000, true, 3000};
        case Quantity::JammingFrequency:
            return Range{999.9, true, 999.9};
        case Quantity::JammingVoltage:
            return Range{50, true, 50};
        case Quantity::Iac:
            return Range{2.2, true, 2.2};
        default:
            return std::nullopt;  // Rk has no over range
    }
}

Reading ValueReading(Quantity quantity, const MeasurementRecord& r) {
    const double stored = StoredValue(quantity, r);
    const double x = QuantityValue(quantity, &r);
    if (x == NotApplicable)
        return NotApplicableReading();
    if (x == InvalidReading)
        return InvalidOf(stored);
    // Without a test voltage the instrument shows no earth resistance at all.
    if (quantity == Quantity::Re && record::ModeOf(r) != record::Mode::TwoClamp && TestVoltage(&r) == 0)
        return InvalidOf(stored);
    const auto range = RangeOf(quantity, r, x);
    if (range && (x > range->top || (x == range->top && !range->topIncluded)))
        return Over(range->bound, stored);
    if (!std::isfinite(x))
        return InvalidOf(stored);
    return Measured(x, stored);
}

}  // namespace

Reading ReadingOf(Quantity quantity, const MeasurementRecord* record) {
    if (record == nullptr)
        return NotApplicableReading();
    const MeasurementRecord& r = *record;
    switch (quantity) {
        case Quantity::TestVoltage: {
            const int label = TestVoltage(&r);
            return label == 0 ? NotApplicableReading() : Measured(label, r.voltageCode);
        }
        case Quantity::TestFrequency: {
            const int label = TestFrequency(&r);
            if (label == 0)
                return NotApplicableReading();
            Reading reading = Measured(label, r.frequencyCode);
            if (label == kAutomaticFrequency)
                reading.code = "AFE";  // the instrument chooses the frequency itself
            return reading;
        }
        case Quantity::Distance: {
            if (Distance(&r) == 0)
                return NotApplicableReading();
            // Above 99 m only the display stops at ">99": the instrument stored the metres it was given.
            return Measured(r.integerValue, r.integerValue);
        }
        default:
            return ValueReading(quantity, r);
    }
}

const char* QuantityUnit(Quantity quantity) {
    switch (quantity) {
        case Quantity::Resistivity:
            return "\xCE\xA9\xC2\xB7m";  // Ω·m
        case Quantity::Iac:
            return "A";
        case Quantity::JammingVoltage:
        case Quantity::TestVoltage:
            return "V";
        case Quantity::JammingFrequency:
        case Quantity::TestFrequency:
            return "Hz";
        case Quantity::Distance:
            return "m";
        default:
            return "\xCE\xA9";  // Ω
    }
}

std::string OverRangeText(Quantity quantity, const Reading& reading) {
    if (!reading.IsOverRange())
        return {};
    const std::string unit = QuantityUnit(quantity);
    const bool ohms = unit.rfind("\xCE\xA9", 0) == 0;
    if (ohms && reading.value >= 1000)
        return "> " + numbers::General(reading.value / 1000) + " k" + unit;
    return "> " + numbers::General(reading.value) + " " + unit;
}

}  // namespace terrovane::format
