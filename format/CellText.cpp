#include "CellText.h"

#include "Mode.h"
#include "Numbers.h"
#include "PrintfText.h"
#include "Reading.h"

namespace terrovane::format {
namespace {

using detail::PrintfText;

std::string Kilo(double ohms, int decimals, int width = 0) {
    return numbers::Fixed(ohms * 0.001, decimals, width) + "k";
}

// The instrument's texts for a value beyond its range; which values those are is ReadingOf's to say.
std::string OverRangeCell(Quantity quantity, const MeasurementRecord& record, const Reading& reading) {
    switch (quantity) {
        case Quantity::Re:
            if (record::ModeOf(record) == record::Mode::TwoClamp)
                return ">150.0";
            return reading.value == 20000 ? ">20.00k" : ">300k";
        case Quantity::Rs:
            return ">300.0k";
        case Quantity::Rh:
            return ">300k";
        case Quantity::Rac:
            return ">300.0k";
        case Quantity::Resistivity:
            return ">999.9k";
        case Quantity::R1:
        case Quantity::R2:
            return ">3000";
        case Quantity::JammingFrequency:
            return ">999.9";
        case Quantity::JammingVoltage:
            return ">" + numbers::Fixed(50.0, 1);
        case Quantity::Iac:
            return ">2.2";
        default:
            return {};
    }
}

std::string EarthCell(double x) {
    if (x < 3)
        return numbers::Fixed(x, 3, 4);
    if (x < 30)
        return numbers::Fixed(x, 2, 4);
    if (x < 300)
        return numbers::Fixed(x, 1, 3);
    if (x < 3000)
        return numbers::Fixed(x, 0, 4);
    if (x < 30000)
        return Kilo(x, 2, 4);
    return Kilo(x, 1, 4);
}

std::string TwoClampCell(double x) {
    if (x < 3)
        return numbers::Fixed(x, 3);
    if (x < 30)
        return numbers::Fixed(x, 2);
    if (x < 100)
        return numbers::Fixed(x, 1);
    return numbers::Fixed(x, 0);
}

std::string SmallResistanceCell(double x) {
    return x <= 100000 ? Kilo(x, 1) : Kilo(x, 0);
}

std::string AcCell(double x) {
    if (x < 3)
        return numbers::Fixed(x, 3);
    if (x < 30)
        return numbers::Fixed(x, 2);
    if (x < 300)
        return numbers::Fixed(x, 1);
    if (x < 3000)
        return numbers::Fixed(x, 0);
    if (x < 30000)
        return Kilo(x, 2);
    return Kilo(x, 1);
}

std::string DcCell(double x) {
    if (x > 299.9)
        return numbers::Fixed(x, 0);
    if (x > 30)
        return numbers::Fixed(x, 1);
    if (x > 3)
        return numbers::Fixed(x, 2);
    return numbers::Fixed(x, 3);
}

std::string LoopCell(double x) {
    return x == 0 ? "0.000" : numbers::Fixed(x, 1);
}

std::string DistanceCell(const MeasurementRecord& record) {
    if (Distance(&record) == DistanceOver)
        return PrintfText(">%d", 99);
    return PrintfText("%d", Distance(&record));
}

std::string MeasuredCell(Quantity quantity, const MeasurementRecord& record, const Reading& reading) {
    const double x = reading.value;
    switch (quantity) {
        case Quantity::TestVoltage:
            return PrintfText("%d", TestVoltage(&record));
        case Quantity::TestFrequency:
            return reading.code != nullptr ? reading.code : PrintfText("%d", TestFrequency(&record));
        case Quantity::Re:
            return record::ModeOf(record) == record::Mode::TwoClamp ? TwoClampCell(x) : EarthCell(x);
        case Quantity::Rs:
        case Quantity::Rh:
            return SmallResistanceCell(x);
        case Quantity::Rac:
        case Quantity::Resistivity:
            return AcCell(x);
        case Quantity::R1:
        case Quantity::R2:
            return DcCell(x);
        case Quantity::Rk:
            return LoopCell(x);
        case Quantity::JammingFrequency:
        case Quantity::JammingVoltage:
        case Quantity::Iac:
            return numbers::Fixed(x, 1);
        case Quantity::Distance:
            return DistanceCell(record);
    }
    return {};
}

}  // namespace

std::string FormatCellText(Quantity quantity, const MeasurementRecord* record) {
    const Reading reading = ReadingOf(quantity, record);
    switch (reading.kind) {
        case ReadingKind::Measured:
            return MeasuredCell(quantity, *record, reading);
        case ReadingKind::OverRange:
            return OverRangeCell(quantity, *record, reading);
        case ReadingKind::NotApplicable:
        case ReadingKind::Invalid:
            break;
    }
    return {};
}

}  // namespace terrovane::format
