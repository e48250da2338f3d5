#include "CellText.h"

#include "Numbers.h"

namespace terrovane::format {
namespace {

bool IsMissing(double x) {
    return x == NotApplicable || x == InvalidReading;
}

std::string Kilo(double ohms, int decimals, int width = 0) {
    return numbers::Fixed(ohms * 0.001, decimals, width) + "k";
}

std::string EarthCell(const MeasurementRecord& record) {
    const double x = Re(&record);
    if (IsMissing(x) || TestVoltage(&record) == 0)
        return {};
    const bool clamp = record.mode == 3 || record.mode == 4;
    if (x < 3)
        return numbers::Fixed(x, 3, 4);
    if (x < 30)
        return numbers::Fixed(x, 2, 4);
    if (x < 300)
        return numbers::Fixed(x, 1, 3);
    if (x < 3000)
        return numbers::Fixed(x, 0, 4);
    if (x <= 300000 && clamp && x > 20000)
        return ">20.00k";
    if (x < 30000)
        return Kilo(x, 2, 4);
    if (x <= 300000)
        return Kilo(x, 1, 4);
    return ">300k";
}

std::string TwoClampCell(double x) {
    if (IsMissing(x))
        return {};
    if (x < 3)
        return numbers::Fixed(x, 3);
    if (x < 30)
        return numbers::Fixed(x, 2);
    if (x < 100)
        return numbers::Fixed(x, 1);
    if (x < 150)
        return numbers::Fixed(x, 0);
    return ">150.0";
}

std::string ReCell(const MeasurementRecord& record) {
    if (record.mode >= 1 && record.mode <= 4)
        return EarthCell(record);
    if (record.mode == 5)
        return TwoClampCell(Re(&record));
    return {};
}

std::string SmallResistanceCell(double x, const char* overText) {
    if (IsMissing(x))
        return {};
    if (x <= 100000)
        return Kilo(x, 1);
    if (x <= 300000)
        return Kilo(x, 0);
    return overText;
}

std::string AcCell(double x, double kiloBandTop, const char* overText) {
    if (x < 0)
        return {};
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
    if (x < kiloBandTop)
        return Kilo(x, 1);
    return overText;
}

std::string DcCell(double x) {
    if (IsMissing(x))
        return {};
    if (x > 3000)
        return ">3000";
    if (x > 299.9)
        return numbers::Fixed(x, 0);
    if (x > 30)
        return numbers::Fixed(x, 1);
    if (x > 3)
        return numbers::Fixed(x, 2);
    return numbers::Fixed(x, 3);
}

std::string LoopCell(double x) {
    if (IsMissing(x))
        return {};
    if (x == 0)
        return "0.000";
    return numbers::Fixed(x, 1);
}

std::string CappedCell(double x, double cap, const char* overText) {
    if (IsMissing(x))
        return {};
    if (x > cap)
        return overText;
    return numbers::Fixed(x, 1);
}

std::string DistanceCell(int distance) {
    if (distance == 0)
        return {};
    if (distance == DistanceOver)
        return ">99";
    return std::to_string(distance);
}

std::string FrequencyLabelCell(int label) {
    if (label == 0)
        return {};
    if (label == kAutomaticFrequency)
        return "AFE";
    return std::to_string(label);
}

}  // namespace

std::string FormatCellText(Quantity quantity, const MeasurementRecord* record) {
    if (record == nullptr)
        return {};
    const MeasurementRecord* r = record;
    switch (quantity) {
        case Quantity::TestVoltage:
            return TestVoltage(r) == 0 ? "" : std::to_string(TestVoltage(r));
        case Quantity::TestFrequency:
            return FrequencyLabelCell(TestFrequency(r));
        case Quantity::Re:
            return ReCell(*r);
        case Quantity::Rs:
            return SmallResistanceCell(Rs(r), ">300.0k");
        case Quantity::Rh:
            return SmallResistanceCell(Rh(r), ">300k");
        case Quantity::Rac:
            return AcCell(Rac(r), 300000, ">300.0k");
        case Quantity::Resistivity:
            return AcCell(Resistivity(r), 1000000, ">999.9k");
        case Quantity::R1:
            return DcCell(R1(r));
        case Quantity::R2:
            return DcCell(R2(r));
        case Quantity::Rk:
            return LoopCell(Rk(r));
        case Quantity::JammingFrequency:
            return CappedCell(JammingFrequency(r), 999.9, ">999.9");
        case Quantity::JammingVoltage:
            return CappedCell(JammingVoltage(r), 50.0, ">50.0");
        case Quantity::Iac:
            return CappedCell(Iac(r), 2.2, ">2.2");
        case Quantity::Distance:
            return DistanceCell(Distance(r));
    }
    return {};
}

}  // namespace terrovane::format
