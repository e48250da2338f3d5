#include "PanelPage.h"

#include <cstdio>

#include "Mode.h"
#include "Numbers.h"
#include "PanelControls.h"
#include "PanelReading.h"

namespace terrovane::panel {
namespace {

using format::PanelReading;
using format::PanelUnit;
using record::Mode;
using Q = Quantity;

// The pictures that name a page's quantity (and its fixed unit, where the reading brings none).
std::vector<int> FixedPictures(Quantity page) {
    switch (page) {
        case Q::Re:
            return {kLetterR, kSubE};
        case Q::Rac:
            return {kLetterR, kSubWave};
        case Q::R1:
            return {kLetterR, kSub1};
        case Q::R2:
            return {kLetterR, kSub2};
        case Q::Resistivity:
            return {kLetterRho, kMetre};
        case Q::Rk:
            return {kLetterR, kSubK, kOhm};
        case Q::Iac:
            return {kAmpere};
        case Q::TestFrequency:
            return {kLetterF, kSubM, kHertz};
        case Q::TestVoltage:
            return {kLetterU, kSubSmallM, kVolt};
        case Q::JammingVoltage:
            return {kLetterU, kJammingMark, kVolt};
        case Q::JammingFrequency:
            return {kJammingMark, kLetterF, kHertz};
        default:
            return {};
    }
}

void AddReading(PanelView& view, const PanelReading& reading) {
    if (reading.digits)
        view.ShowText(kMainDigits, *reading.digits);
    if (reading.unit == PanelUnit::Ohm)
        view.Show(kOhm);
    if (reading.unit == PanelUnit::KiloOhm)
        view.Show(kKiloOhm);
    if (reading.overRange) {
        view.Show(kOverMark);
        view.Show(kLimitWord);
    }
    if (reading.dashes) {
        for (int id : {kDash1, kDash2, kDash3, kDash4})
            view.Show(id);
    }
}

void AddSmallField(PanelView& view, int field, int overMark, const format::SmallFieldReading& reading) {
    if (!reading.shown)
        return;
    view.ShowText(field, reading.text);
    if (reading.overMark)
        view.Show(overMark);
}

void AddKiloFields(PanelView& view, const MeasurementRecord& record) {
    AddSmallField(view, kRhDigits, kRhOverMark, format::AuxReading(format::Rh(&record)));
    AddSmallField(view, kRsDigits, kRsOverMark, format::AuxReading(format::Rs(&record)));
}

std::vector<int> ModeFrame(std::uint32_t code) {
    switch (record::ModeOf(code)) {
        case Mode::ThreePole:
            return {kLabel3Pole, kLabelRA, kLabelRS, kLabelRH, kRhKiloOhm, kRsKiloOhm};
        case Mode::FourPole:
            return {kLabel4Pole, kLabelRA, kLabelRS, kLabelRH, kRhKiloOhm, kRsKiloOhm};
        case Mode::ThreePoleClamp:
            return {kLabel3Pole, kLabelRA, kClamp, kLabelRS, kLabelRH, kRhKiloOhm, kRsKiloOhm};
        case Mode::FourPoleClamp:
            return {kLabel4Pole, kLabelR, kClamp, kLabelRS, kLabelRH, kRhKiloOhm, kRsKiloOhm};
        case Mode::TwoClamp:
            return {kLabelRA, kClamp, kSecondClamp};
        case Mode::TwoPoleAc:
            return {kLabelR, kLabel2Pole, kAlternating};
        case Mode::TwoPoleDc:
            return {kLabel2Pole, kDirectCurrent, kLabelR};
        case Mode::FourPoleDc:
            return {kLabel4Pole, kDirectCurrent, kLabelR};
        case Mode::Resistivity:
            return {kLabelRho, kLabelLength, kDistanceUnit};
        default:
            return {};
    }
}

bool IsKnownMode(std::uint32_t code) {
    return record::ModeOf(code) != Mode::Unknown;
}

// How many pages one press of Show steps through before it starts again, unless every page is cycled.
std::uint32_t ShortPageCount(Mode mode) {
    switch (mode) {
        case Mode::ThreePole:
        case Mode::TwoPoleAc:
        case Mode::FourPoleDc:
            return 2;
        case Mode::TwoPoleDc:
            return 3;
        default:
            return 1;
    }
}

}  // namespace

std::vector<Quantity> ModePages(std::uint32_t code) {
    switch (record::ModeOf(code)) {
        case Mode::ThreePole:
        case Mode::ThreePoleClamp:
            return {Q::Re, Q::Rk, Q::TestFrequency, Q::TestVoltage, Q::JammingVoltage, Q::JammingFrequency};
        case Mode::FourPole:
        case Mode::FourPoleClamp:
        case Mode::TwoClamp:
            return {Q::Re, Q::TestFrequency, Q::TestVoltage, Q::JammingVoltage, Q::JammingFrequency};
        case Mode::TwoPoleAc:
            return {Q::Rac, Q::Rk, Q::TestFrequency, Q::TestVoltage, Q::JammingVoltage, Q::JammingFrequency};
        case Mode::TwoPoleDc:
            return {Q::R1, Q::R2, Q::Rk, Q::TestVoltage, Q::JammingVoltage, Q::JammingFrequency};
        case Mode::FourPoleDc:
            return {Q::R1, Q::R2, Q::TestVoltage, Q::JammingVoltage, Q::JammingFrequency};
        case Mode::Resistivity:
            return {Q::Resistivity, Q::TestFrequency, Q::TestVoltage, Q::JammingVoltage, Q::JammingFrequency};
        case Mode::AcCurrent:
            return {Q::Iac, Q::JammingFrequency, Q::TestVoltage};
        default:
            return {};
    }
}

std::uint32_t PageLimit(std::uint32_t code, bool cycleAllPages) {
    if (!IsKnownMode(code))
        return 0;
    return cycleAllPages ? static_cast<std::uint32_t>(ModePages(code).size())
                         : ShortPageCount(record::ModeOf(code));
}

void AddPage(PanelView& view, Quantity page, const MeasurementRecord& record) {
    const PanelReading reading = format::FormatPanelReading(page, &record);
    if (!reading.drawn)
        return;
    for (int id : FixedPictures(page))
        view.Show(id);
    if (reading.automaticFrequency) {
        view.visible.erase(kHertz);  // automatic frequency has no number and so no unit
        view.Show(kAutomaticFrequency);
    }
    AddReading(view, reading);
}

std::string SlotNumberText(std::uint16_t slot) {
    char text[16];
    std::snprintf(text, sizeof text, slot < 10 ? "0%d" : "%d", int(slot));
    return text;
}

void AddModeAndSlot(PanelView& view, const MeasurementRecord& record, std::uint16_t slot) {
    const Mode mode = record::ModeOf(record);
    if (record::MeasuresEarthResistance(mode) && mode != Mode::TwoClamp)
        AddKiloFields(view, record);
    if (mode == Mode::Resistivity)
        AddSmallField(view, kRsDigits, kRsOverMark, format::DistanceReading(format::Distance(&record)));
    for (int id : ModeFrame(record.mode))
        view.Show(id);
    view.ShowText(kSlotDigits, SlotNumberText(slot));
    view.Show(kReadLabel);
}

PanelView CurrentPageView(const MeasurementRecord& record, DisplayState& state, std::uint16_t slot) {
    PanelView view;
    if (IsKnownMode(record.mode)) {
        std::uint32_t& counter = state.pageCounters[record.mode - 1];
        if (counter >= PageLimit(record.mode, state.cycleAllPages))
            counter = 0;
        const Quantity page = ModePages(record.mode)[counter];
        if (!(page == Q::Re && format::Re(&record) == format::NotApplicable))
            AddPage(view, page, record);
        ++counter;
    }
    AddModeAndSlot(view, record, slot);
    return view;
}

namespace {

PanelView ToggleStepView(const MeasurementRecord& record, std::uint32_t& toggle, Quantity first,
                         Quantity second, std::uint16_t slot) {
    PanelView view;
    if (toggle >= 2)
        toggle = 0;
    AddPage(view, toggle == 0 ? first : second, record);
    ++toggle;
    AddModeAndSlot(view, record, slot);
    return view;
}

}  // namespace

PanelView VoltageStepView(const MeasurementRecord& record, DisplayState& state, std::uint16_t slot) {
    return ToggleStepView(record, state.voltagePage, Q::TestVoltage, Q::JammingVoltage, slot);
}

PanelView FrequencyStepView(const MeasurementRecord& record, DisplayState& state, std::uint16_t slot) {
    return ToggleStepView(record, state.frequencyPage, Q::TestFrequency, Q::JammingFrequency, slot);
}

PanelView CurrentStepView(const MeasurementRecord& record, std::uint16_t slot) {
    PanelView view;
    const double current = format::Iac(&record);
    if (record::ModeOf(record) == Mode::AcCurrent && current != format::NotApplicable) {
        if (current != format::InvalidReading) {
            view.ShowText(kMainDigits, numbers::Fixed(current > 2.2 ? 2.2 : current, 1, 2));
            if (current > 2.2)
                view.Show(kRhOverMark);
        }
        view.Show(kAmpere);
    }
    AddModeAndSlot(view, record, slot);
    return view;
}

}  // namespace terrovane::panel
