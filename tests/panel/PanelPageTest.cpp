#include <gtest/gtest.h>

#include "PanelControls.h"
#include "PanelPage.h"

namespace terrovane::panel {
namespace {

using Ids = std::set<int>;

record::MeasurementRecord Record(std::uint32_t mode) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.voltageCode = 1;
    r.frequencyCode = 2;
    r.validMark = 'U';
    r.values = {12.34f, 1520, 87200, 3.215f, 299.5f, 4000, 152300, 0.04f, 50.0f, 12.6f, 1.37f};
    return r;
}

// The frame every mode 1 page carries: labels, kilo-ohm fields and the slot number.
Ids ModeOneFrame() {
    return {kLabel3Pole, kLabelRA,  kLabelRS,  kLabelRH,    kRhKiloOhm,
            kRsKiloOhm,  kRhDigits, kRsDigits, kSlotDigits, kReadLabel};
}

Ids With(Ids base, std::initializer_list<int> more) {
    base.insert(more);
    return base;
}

TEST(PanelPages, ShowCyclesEveryModeOnePageAndWrapsAround) {
    const auto record = Record(1);
    DisplayState state;
    state.cycleAllPages = true;
    struct Page {
        Ids extra;
        std::string digits;
    };
    const Page pages[] = {
        {{kLetterR, kSubE, kMainDigits, kOhm}, "12.34"},
        {{kLetterR, kSubK, kMainDigits, kOhm}, "0.0"},
        {{kLetterF, kSubM, kHertz, kMainDigits}, "105"},
        {{kLetterU, kSubSmallM, kVolt, kMainDigits}, "20"},
        {{kLetterU, kJammingMark, kVolt, kMainDigits}, "12.6"},
        {{kJammingMark, kLetterF, kHertz, kMainDigits}, "50.0"},
        {{kLetterR, kSubE, kMainDigits, kOhm}, "12.34"},
    };
    for (std::size_t press = 0; press < std::size(pages); ++press) {
        const PanelView view = CurrentPageView(record, state, 7);
        Ids expected = ModeOneFrame();
        expected.insert(pages[press].extra.begin(), pages[press].extra.end());
        EXPECT_EQ(view.visible, expected) << "press " << press;
        EXPECT_EQ(view.texts.at(kMainDigits), pages[press].digits) << "press " << press;
        EXPECT_EQ(view.texts.at(kSlotDigits), "07");
        EXPECT_EQ(view.texts.at(kRhDigits), "87.2");
        EXPECT_EQ(view.texts.at(kRsDigits), "1.5");
    }
}

TEST(PanelPages, ResistanceButtonCyclesOnlyTheShortPages) {
    DisplayState state;
    const auto stake = Record(1);
    for (const char* expected : {"12.34", "0.0", "12.34", "0.0"}) {
        EXPECT_EQ(CurrentPageView(stake, state, 0).texts.at(kMainDigits), expected);
    }
    const auto fourPole = Record(2);
    for (int press = 0; press < 3; ++press) {
        const auto view = CurrentPageView(fourPole, state, 0);
        EXPECT_TRUE(view.IsVisible(kSubE));
        EXPECT_TRUE(view.IsVisible(kLabel4Pole));
    }
    const auto dc = Record(7);
    for (int sub : {kSub1, kSub2, kSubK, kSub1})
        EXPECT_TRUE(CurrentPageView(dc, state, 0).IsVisible(sub));
}

TEST(PanelPages, LimitsPerMode) {
    const std::uint32_t all[] = {6, 5, 6, 5, 5, 6, 6, 5, 5, 3};
    const std::uint32_t shortLimits[] = {2, 1, 1, 1, 1, 2, 3, 2, 1, 1};
    for (std::uint32_t mode = 1; mode <= 10; ++mode) {
        EXPECT_EQ(PageLimit(mode, true), all[mode - 1]);
        EXPECT_EQ(PageLimit(mode, false), shortLimits[mode - 1]);
    }
    EXPECT_EQ(PageLimit(0, true), 0u);
    EXPECT_EQ(PageLimit(11, false), 0u);
}

TEST(PanelPages, ClampRecordOverTwentyKiloOhm) {
    auto record = Record(3);
    record.values[record::kRe] = 25000;
    DisplayState state;
    const PanelView view = CurrentPageView(record, state, 12);
    const Ids expected = {kMainDigits, kKiloOhm,  kOverMark, kLimitWord,  kLetterR,  kSubE,
                          kLabel3Pole, kLabelRA,  kClamp,    kLabelRH,    kLabelRS,  kRhKiloOhm,
                          kRsKiloOhm,  kRhDigits, kRsDigits, kSlotDigits, kReadLabel};
    EXPECT_EQ(view.visible, expected);
    EXPECT_EQ(view.texts.at(kMainDigits), "20.00");
    EXPECT_EQ(view.texts.at(kSlotDigits), "12");
}

TEST(PanelPages, InvalidAndMissingReadings) {
    auto record = Record(1);
    record.values[record::kRe] = -1;
    record.values[record::kRh] = -1;
    record.values[record::kRs] = 350000;
    DisplayState state;
    const PanelView invalid = CurrentPageView(record, state, 0);
    Ids expected = With(ModeOneFrame(), {kLetterR, kSubE, kDash1, kDash2, kDash3, kDash4, kRsOverMark});
    expected.erase(kRhDigits);
    EXPECT_EQ(invalid.visible, expected);
    EXPECT_FALSE(invalid.IsVisible(kMainDigits));
    EXPECT_FALSE(invalid.IsVisible(kRhDigits));  // hidden field, its label and unit still shown
    EXPECT_TRUE(invalid.IsVisible(kLabelRH));
    EXPECT_TRUE(invalid.IsVisible(kRhKiloOhm));
    EXPECT_TRUE(invalid.IsVisible(kRsOverMark));
    EXPECT_EQ(invalid.texts.at(kRsDigits), "300");

    record.values[record::kRe] = 5;
    record.voltageCode = 0;
    state = {};
    const PanelView noVoltage = CurrentPageView(record, state, 0);
    EXPECT_FALSE(noVoltage.IsVisible(kLetterR));
    EXPECT_FALSE(noVoltage.IsVisible(kMainDigits));
    EXPECT_TRUE(noVoltage.IsVisible(kLabel3Pole));
}

TEST(PanelPages, ResistivityWithDistanceOverNinetyNine) {
    auto record = Record(9);
    record.integerValue = 150;
    DisplayState state;
    const PanelView view = CurrentPageView(record, state, 3);
    const Ids expected = {kLetterRho, kMetre,       kMainDigits,   kKiloOhm,    kRsDigits, kRsOverMark,
                          kLabelRho,  kLabelLength, kDistanceUnit, kSlotDigits, kReadLabel};
    EXPECT_EQ(view.visible, expected);
    EXPECT_EQ(view.texts.at(kRsDigits), "99");
    EXPECT_EQ(view.texts.at(kMainDigits), "152.3");

    record.integerValue = 0;
    EXPECT_EQ(CurrentPageView(record, state, 3).texts.at(kRsDigits), "");  // shown, empty
}

TEST(PanelPages, FrequencyStepShowsAutomaticFrequencyAndTogglesToJamming) {
    auto record = Record(1);
    record.frequencyCode = 5;
    DisplayState state;
    const PanelView automatic = FrequencyStepView(record, state, 0);
    EXPECT_TRUE(automatic.IsVisible(kAutomaticFrequency));
    EXPECT_TRUE(automatic.IsVisible(kLetterF));
    EXPECT_TRUE(automatic.IsVisible(kSubM));
    EXPECT_FALSE(automatic.IsVisible(kHertz));
    EXPECT_FALSE(automatic.IsVisible(kMainDigits));
    const PanelView jamming = FrequencyStepView(record, state, 0);
    EXPECT_TRUE(jamming.IsVisible(kJammingMark));
    EXPECT_EQ(jamming.texts.at(kMainDigits), "50.0");
    EXPECT_TRUE(FrequencyStepView(record, state, 0).IsVisible(kAutomaticFrequency));  // back to page 0

    const auto dc = Record(7);
    state.frequencyPage = 0;
    const PanelView dcView = FrequencyStepView(dc, state, 4);
    EXPECT_EQ(dcView.visible, (Ids{kLabel2Pole, kDirectCurrent, kLabelR, kSlotDigits, kReadLabel}));
}

TEST(PanelPages, VoltageStepAndCurrentStep) {
    auto record = Record(10);
    DisplayState state;
    EXPECT_EQ(VoltageStepView(record, state, 0).texts.at(kMainDigits), "20");
    EXPECT_TRUE(VoltageStepView(record, state, 0).IsVisible(kJammingMark));

    EXPECT_EQ(CurrentStepView(record, 0).texts.at(kMainDigits), "1.4");
    record.values[record::kIac] = 3.5f;
    const PanelView over = CurrentStepView(record, 0);
    EXPECT_EQ(over.texts.at(kMainDigits), "2.2");
    EXPECT_TRUE(over.IsVisible(kRhOverMark));
    record.values[record::kIac] = -3;
    const PanelView invalid = CurrentStepView(record, 0);
    EXPECT_FALSE(invalid.IsVisible(kMainDigits));
    EXPECT_TRUE(invalid.IsVisible(kAmpere));
    EXPECT_FALSE(CurrentStepView(Record(1), 0).IsVisible(kAmpere));
}

TEST(PanelPages, UnknownModeShowsOnlyTheSlot) {
    DisplayState state;
    state.cycleAllPages = true;
    EXPECT_EQ(CurrentPageView(Record(0), state, 99).visible, (Ids{kSlotDigits, kReadLabel}));
    EXPECT_EQ(CurrentPageView(Record(42), state, 5).texts.at(kSlotDigits), "05");
}

}  // namespace
}  // namespace terrovane::panel
