#include "PanelReading.h"

#include "Mode.h"
#include "Numbers.h"

namespace terrovane::format {
namespace {

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
    const record::Mode mode = record::ModeOf(record);
    const bool clamp = mode == record::Mode::ThreePoleClamp || mode == record::Mode::FourPoleClamp;
    if (x < 0)
        return Dashes();
    if (x < 3)
        return Digits(numbers::Fixed(x, 3, 4), PanelUnit::Ohm);
    if (x < 30)
        return Digits(numbers::Fixed(x, 2, 4), PanelUnit::Ohm);
    if (x < 300)
        return Digits(numbers::Fixed(x, 1, 3), PanelUnit::Ohm);
    if (x < 3000)
        return Digits(numbers::Fixed(x, 0, 4), PanelUnit::Ohm);
    if (clamp && x > 20000)
        return Digits(numbers::Fixed(20.0, 2), PanelUnit::KiloOhm, true);
    if (x < 30000)
        return Digits(numbers::Fixed(x * 0.001, 2, 4), PanelUnit::KiloOhm);
    if (x <= 300000)
        return Digits(numbers::Fixed(x * 0.001, 1, 4), PanelUnit::KiloOhm);
    return Digits(numbers::Fixed(300.0, 1, 4), PanelUnit::KiloOhm, true);
}

PanelReading TwoClampResistance(double x) {
    if (x < 0)
        return Digits("", PanelUnit::Ohm);
    if (x < 3)
        return Digits(numbers::Fixed(x, 3), PanelUnit::Ohm);
    if (x < 30)
        return Digits(numbers::Fixed(x, 2), PanelUnit::Ohm);
    if (x < 100)
        return Digits(numbers::Fixed(x, 1), PanelUnit::Ohm);
    if (x <= 150)
        return Digits(numbers::Fixed(x, 0), PanelUnit::Ohm);
    return Digits(">" + numbers::Fixed(150.0, 0), PanelUnit::Ohm, true);
}

// Rac and resistivity share their bands up to the kilo-ohm band's top.
PanelReading AcResistance(double x, double kiloBandTop, int capDecimals, double cap) {
    if (x < 0)
        return Digits("", PanelUnit::None);
    if (x < 3)
        return Digits(numbers::Fixed(x, 3), PanelUnit::Ohm);
    if (x < 30)
        return Digits(numbers::Fixed(x, 2), PanelUnit::Ohm);
    if (x < 300)
        return Digits(numbers::Fixed(x, 1), PanelUnit::Ohm);
    if (x < 3000)
        return Digits(numbers::Fixed(x, 0), PanelUnit::Ohm);
    if (x < 30000)
        return Digits(numbers::Fixed(x * 0.001, 2), PanelUnit::KiloOhm);
    if (x < kiloBandTop)
        return Digits(numbers::Fixed(x * 0.001, 1), PanelUnit::KiloOhm);
    return Digits(numbers::Fixed(cap, capDecimals), PanelUnit::KiloOhm, true);
}

// The DC resistances test from the top with strict comparisons.
PanelReading DcResistance(double x) {
    if (x > 3000)
        return Digits(numbers::Fixed(3000.0, 0), PanelUnit::Ohm, true);
    if (x > 299.9)
        return Digits(numbers::Fixed(x, 0), PanelUnit::Ohm);
    if (x > 30)
        return Digits(numbers::Fixed(x, 1), PanelUnit::Ohm);
    if (x > 3)
        return Digits(numbers::Fixed(x, 2), PanelUnit::Ohm);
    if (x >= 0)
        return Digits(numbers::Fixed(x, 3), PanelUnit::Ohm);
    return Dashes(PanelUnit::Ohm);
}

PanelReading LoopResistance(double x) {
    if (x == 0)
        return Digits(numbers::Fixed(0.0, 3), PanelUnit::Ohm);
    if (x < 0)
        return Digits("", PanelUnit::Ohm);
    return Digits(numbers::Fixed(x, 1), PanelUnit::Ohm);
}

// Current, jamming voltage: a missing reading shows dashes, a reading above the cap shows the cap.
PanelReading CappedWithDashes(double x, double cap) {
    if (IsMissing(x))
        return Dashes();
    if (x > cap)
        return Digits(numbers::Fixed(cap, 1), PanelUnit::None, true);
    return Digits(numbers::Fixed(x, 1), PanelUnit::None);
}

PanelReading JammingFrequencyReading(double x) {
    if (IsMissing(x))
        return {};
    if (x > 999.9)
        return Digits(numbers::Fixed(999.9, 1), PanelUnit::None, true);
    return Digits(numbers::Fixed(x, 1), PanelUnit::None);
}

PanelReading LabelReading(int label) {
    if (label == 0)
        return {};
    return Digits(std::to_string(label), PanelUnit::None);
}

PanelReading TestFrequencyReading(const MeasurementRecord& record) {
    const record::Mode mode = record::ModeOf(record);
    const bool hasFrequency = record::MeasuresEarthResistance(mode) || mode == record::Mode::TwoPoleAc ||
                              mode == record::Mode::Resistivity;
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
    const record::Mode mode = record::ModeOf(record);
    if (mode == record::Mode::TwoClamp)
        return TwoClampResistance(Re(&record));
    if (record::MeasuresEarthResistance(mode))
        return EarthResistance(record);
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
            return AcResistance(Rac(&r), 300000, 0, 300.0);
        case Quantity::Resistivity:
            return AcResistance(Resistivity(&r), 1000000, 1, 999.9);
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
        return {true, numbers::Fixed(x * 0.001, 1), false};
    if (x <= 300000)
        return {true, numbers::Fixed(x * 0.001, 0), false};
    return {true, numbers::Fixed(300.0, 0), true};
}

SmallFieldReading DistanceReading(int distance) {
    if (distance == 0)
        return {true, "", false};
    if (distance == DistanceOver)
        return {true, "99", true};
    return {true, std::to_string(distance), false};
}

}  // namespace terrovane::format
