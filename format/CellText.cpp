#include "CellText.h"

#include "PrintfText.h"
#include "Reading.h"

namespace terrovane::format {
namespace {

using detail::PrintfText;

std::string Kilo(const char* format, double ohms) {
    return PrintfText(format, ohms * 0.001) + "k";
}

// The instrument's texts for a value beyond its range; which values those are is ReadingOf's to say.
std::string OverRangeCell(Quantity quantity, const MeasurementRecord& record, const Reading& reading) {
    switch (quantity) {
        case Quantity::Re:
            if (record.mode == 5)
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
            return PrintfText(">%.1f", 50.0);
        case Quantity::Iac:
            return ">2.2";
        default:
            return {};
    }
}

std::string EarthCell(double x) {
    if (x < 3)
        return PrintfText("%4.3f", x);
    if (x < 30)
        return PrintfText("%4.2f", x);
    if (x < 300)
        return PrintfText("%3.1f", x);
    if (x < 3000)
        return PrintfText("%4.0f", x);
    if (x < 30000)
        return Kilo("%4.2f", x);
    return Kilo("%4.1f", x);
}

std::string TwoClampCell(double x) {
    if (x < 3)
        return PrintfText("%.3f", x);
    if (x < 30)
        return PrintfText("%.2f", x);
    if (x < 100)
        return PrintfText("%.1f", x);
    return PrintfText("%.0f", x);
}

std::string SmallResistanceCell(double x) {
    return x <= 100000 ? Kilo("%.1f", x) : Kilo("%.0f", x);
}

std::string AcCell(double x) {
    if (x < 3)
        return PrintfText("%.3f", x);
    if (x < 30)
        return PrintfText("%.2f", x);
    if (x < 300)
        return PrintfText("%.1f", x);
    if (x < 3000)
        return PrintfText("%.0f", x);
    if (x < 30000)
        return Kilo("%.2f", x);
    return Kilo("%.1f", x);
}

std::string DcCell(double x) {
    if (x > 299.9)
        return PrintfText("%.0f", x);
    if (x > 30)
        return PrintfText("%.1f", x);
    if (x > 3)
        return PrintfText("%.2f", x);
    return PrintfText("%.3f", x);
}

std::string LoopCell(double x) {
    return x == 0 ? "0.000" : PrintfText("%.1f", x);
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
            return record.mode == 5 ? TwoClampCell(x) : EarthCell(x);
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
            return PrintfText("%.1f", x);
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
