#include "PanelReading.h"

#include "PrintfText.h"

namespace terrovane::format {
namespace {

using detail::PrintfText;

PanelReading Digits(std::string text, PanelUnit unit, bool overRange = false) {
    PanelReading reading;
    reading.digits = std::move(text);
    reading.unit = unit;
    reading.overRange = overRange;
    return reading;
}

PanelReading Dashes(PanelUnit unit = PanelUnit::None) {
    PanelReading reading;
    reading.unit = unit;
    reading.dashes = true;
    return reading;
}

PanelReading NotDrawn() {
    PanelReading reading;
    reading.drawn = false;
    return reading;
}

bool IsMissing(double x) {
    return x == NotApplicable || x == InvalidReading;
}

// Earth resistance of the stake and clamp methods: the clamp modes cap at 20 kΩ, the stake modes at 300 kΩ.
PanelReading EarthResistance(const MeasurementRecord& record) {
    if (TestVoltage(&record) == 0)
        return NotDrawn();
    const double x = Re(&record);
    const bool clamp = record.mode == 3 || record.mode == 4;
    if (x < 0)
        return Dashes();
    if (x < 3)
        return Digits(PrintfText("%4.3f", x), PanelUnit::Ohm);
    if (x < 30)
        return Digits(PrintfText("%4.2f", x), PanelUnit::Ohm);
    if (x < 300)
        return Digits(PrintfText("%3.1f", x), PanelUnit::Ohm);
    if (x < 3000)
        return Digits(PrintfText("%4.0f", x), PanelUnit::Ohm);
    if (clamp && x > 20000)
        return Digits(PrintfText("%.2f", 20.0), PanelUnit::KiloOhm, true);
    if (x < 30000)
        return Digits(PrintfText("%4.2f", x * 0.001), PanelUnit::KiloOhm);
    if (x <= 300000)
        return Digits(PrintfText("%4.1f", x * 0.001), PanelUnit::KiloOhm);
    return Digits(PrintfText("%4.1f", 300.0), PanelUnit::KiloOhm, true);
}

PanelReading TwoClampResistance(double x) {
    if (x < 0)
        return Digits("", PanelUnit::Ohm);
    if (x < 3)
        return Digits(PrintfText("%.3f", x), PanelUnit::Ohm);
    if (x < 30)
        return Digits(PrintfText("%.2f", x), PanelUnit::Ohm);
    if (x < 100)
        return Digits(PrintfText("%.1f", x), PanelUnit::Ohm);
    if (x <= 150)
        return Digits(PrintfText("%.0f", x), PanelUnit::Ohm);
    return Digits(PrintfText(">%.0f", 150.0), PanelUnit::Ohm, true);
}

// Rac and resistivity share their bands up to the kilo-ohm band's top.
PanelReading AcResistance(double x, double kiloBandTop, const char* capFormat, double cap) {
    if (x < 0)
        return Digits("", PanelUnit::None);
    if (x < 3)
        return Digits(PrintfText("%.3f", x), PanelUnit::Ohm);
    if (x < 30)
        return Digits(PrintfText("%.2f", x), PanelUnit::Ohm);
    if (x < 300)
        return Digits(PrintfText("%.1f", x), PanelUnit::Ohm);
    if (x < 3000)
        return Digits(PrintfText("%.0f", x), PanelUnit::Ohm);
    if (x < 30000)
        return Digits(PrintfText("%.2f", x * 0.001), PanelUnit::KiloOhm);
    if (x < kiloBandTop)
        return Digits(PrintfText("%.1f", x * 0.001), PanelUnit::KiloOhm);
    return Digits(PrintfText(capFormat, cap), PanelUnit::KiloOhm, true);
}

// The DC resistances test from the top with strict comparisons.
PanelReading DcResistance(double x) {
    if (x > 3000)
        return Digits(PrintfText("%.0f", 3000.0), PanelUnit::Ohm, true);
    if (x > 299.9)
        return Digits(PrintfText("%.0f", x), PanelUnit::Ohm);
    if (x > 30)
        return Digits(PrintfText("%.1f", x), PanelUnit::Ohm);
    if (x > 3)
        return Digits(PrintfText("%.2f", x), PanelUnit::Ohm);
    if (x >= 0)
        return Digits(PrintfText("%.3f", x), PanelUnit::Ohm);
    return Dashes(PanelUnit::Ohm);
}

PanelReading LoopResistance(double x) {
    if (x == 0)
        return Digits(PrintfText("%.3f", 0.0), PanelUnit::Ohm);
    if (x < 0)
        return Digits("", PanelUnit::Ohm);
    return Digits(PrintfText("%.1f", x), PanelUnit::Ohm);
}

// Current, jamming voltage: a missing reading shows dashes, a reading above the cap shows the cap.
PanelReading CappedWithDashes(double x, double cap) {
    if (IsMissing(x))
        return Dashes();
    if (x > cap)
        return Digits(PrintfText("%.1f", cap), PanelUnit::None, true);
    return Digits(PrintfText("%.1f", x), PanelUnit::None);
}

PanelReading JammingFrequencyReading(double x) {
    if (IsMissing(x))
        return {};
    if (x > 999.9)
        return Digits(PrintfText("%.1f", 999.9), PanelUnit::None, true);
    return Digits(PrintfText("%.1f", x), PanelUnit::None);
}

PanelReading LabelReading(int label) {
    if (label == 0)
        return {};
    return Digits(PrintfText("%d", label), PanelUnit::None);
}

PanelReading TestFrequencyReading(const MeasurementRecord& record) {
    const bool hasFrequency = (record.mode >= 1 && record.mode <= 6) || record.mode == 9;
    if (!hasFrequency)
        return NotDrawn();
    const int label = TestFrequency(&record);
    if (label != kAutomaticFrequency)
        return LabelReading(label);
    PanelReading reading;
    reading.automaticFrequency = true;
    return reading;
}

PanelReading EarthReading(const MeasurementRecord& record) {
    if (record.mode >= 1 && record.mode <= 4)
        return EarthResistance(record);
    if (record.mode == 5)
        return TwoClampResistance(Re(&record));
    return NotDrawn();
}

}  // namespace

PanelReading FormatPanelReading(Quantity quantity, const MeasurementRecord* record) {
    if (record == nullptr)
        return NotDrawn();
    const MeasurementRecord& r = *record;
    switch (quantity) {
        case Quantity::Re:
            return EarthReading(r);
        case Quantity::Rac:
            return AcResistance(Rac(&r), 300000, "%.0f", 300.0);
        case Quantity::Resistivity:
            return AcResistance(Resistivity(&r), 1000000, "%.1f", 999.9);
        case Quantity::R1:
            return DcResistance(R1(&r));
        case Quantity::R2:
            return DcResistance(R2(&r));
        case Quantity::Rk:
            return LoopResistance(Rk(&r));
        case Quantity::Iac:
            return CappedWithDashes(Iac(&r), 2.2);
        case Quantity::JammingVoltage:
            return CappedWithDashes(JammingVoltage(&r), 50.0);
        case Quantity::JammingFrequency:
            return JammingFrequencyReading(JammingFrequency(&r));
        case Quantity::TestVoltage:
            return LabelReading(TestVoltage(&r));
        case Quantity::TestFrequency:
            return TestFrequencyReading(r);
        case Quantity::Rs:
        case Quantity::Rh:
        case Quantity::Distance:
            break;  // small fields: AuxReading, DistanceReading
    }
    return NotDrawn();
}

SmallFieldReading AuxReading(double x) {
    if (IsMissing(x) || x < 0)
        return {};
    if (x <= 100000)
        return {true, PrintfText("%.1f", x * 0.001), false};
    if (x <= 300000)
        return {true, PrintfText("%.0f", x * 0.001), false};
    return {true, PrintfText("%.0f", 300.0), true};
}

SmallFieldReading DistanceReading(int distance) {
    if (distance == 0)
        return {true, "", false};
    if (distance == DistanceOver)
        return {true, PrintfText("%d", 99), true};
    return {true, PrintfText("%d", distance), false};
}

}  // namespace terrovane::format
