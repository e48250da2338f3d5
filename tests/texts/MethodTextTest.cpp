// How a result was measured, in words: every instrument mode is a method the typed results know, whatever
// is not recorded says so, and a listing's view and the record it came from say the same.
#include <gtest/gtest.h>

#include "LanguageChoice.h"
#include "MethodText.h"
#include "Mode.h"
#include "ResultMethod.h"
#include "TypedMethods.h"

namespace terrovane::texts {
namespace {

using translations::Language;

class MethodLanguage {
  public:
    explicit MethodLanguage(Language language) { EXPECT_TRUE(translations::InstallLanguage(language)); }
    ~MethodLanguage() { translations::InstallLanguage(Language::Chinese); }
};

std::string Said(const archive::ResultMethod& method) {
    return MethodText(method).toStdString();
}

TEST(MethodTextTest, EveryInstrumentModeIsAMethodTheTypedResultsKnow) {
    for (std::uint32_t code = 1; code <= 10; ++code) {
        const std::string method = archive::MethodCodeOf(code);
        const archive::TypedMethod* known = archive::FindTypedMethod(method);
        ASSERT_NE(known, nullptr) << code;
        EXPECT_EQ(known->earthResistance, record::MeasuresEarthResistance(record::ModeOf(code))) << code;
    }
    EXPECT_EQ(archive::MethodCodeOf(0), "");
    EXPECT_EQ(archive::MethodCodeOf(11), "");
}

TEST(MethodTextTest, WhatIsNotRecordedSaysSoAndRsRhAreJudgedAgainstTheLimit) {
    const MethodLanguage english(Language::English);
    archive::ResultMethod method;
    method.method = "3-pole";
    method.earthResistance = true;
    method.auxiliaryLimit = 50000;
    EXPECT_EQ(Said(method),
              "3-pole earth resistance; probe distances not recorded; test frequency not recorded; "
              "Rs and Rh not recorded");
    method.currentProbe = 40;
    method.frequency = "128 Hz";
    method.rs = archive::TypedValue{"Rs", 1200, false};
    method.rsShown = "1.20 kΩ";
    EXPECT_EQ(Said(method),
              "3-pole earth resistance; probes: current 40 m, potential not recorded; test "
              "frequency 128 Hz; Rs 1.20 kΩ, Rh not recorded: not judged, one is missing");
    // At the limit holds; above it, or over the instrument's range, the reading is doubtful.
    method.rh = archive::TypedValue{"Rh", 50000, false};
    method.rhShown = "50.0 kΩ";
    EXPECT_NE(Said(method).find("Rs 1.20 kΩ, Rh 50.0 kΩ: valid, both at most 50 kΩ"), std::string::npos);
    method.rh = archive::TypedValue{"Rh", 300000, true};
    method.rhShown = "> 300 kΩ";
    EXPECT_NE(Said(method).find("Rs 1.20 kΩ, Rh > 300 kΩ: doubtful, above 50 kΩ"), std::string::npos);
    // A method that measures no earth resistance is named alone; one not known says so.
    EXPECT_EQ(Said({"resistivity", false, false, {}, {}, "", {}, {}, "", "", 50000}), "Soil resistivity");
    EXPECT_EQ(Said({}), "method not recorded");
}

TEST(MethodTextTest, AReadOutsViewAndItsRecordSayTheSame) {
    const MethodLanguage english(Language::English);
    record::MeasurementRecord record;
    record.mode = 1;
    record.year = 0x24;
    record.month = 0x05;
    record.day = 0x03;
    record.voltageCode = 2;
    record.frequencyCode = 5;  // the instrument's automatic frequency: a code, not a number of hertz
    record.validMark = 'U';
    record.values[record::kRe] = 4.2f;
    record.values[record::kRs] = 1530.0f;
    record.values[record::kRh] = 64000.0f;
    const archive::ValidityThresholds thresholds{10, 20000};
    const std::string fromRecord = Said(archive::MethodOf(record, thresholds));
    EXPECT_EQ(Said(archive::MethodOf(archive::DescribeRecord(3, record, thresholds), thresholds)),
              fromRecord);
    EXPECT_NE(fromRecord.find("test frequency AFE;"), std::string::npos) << fromRecord;
    EXPECT_NE(fromRecord.find("doubtful, above 20 kΩ"), std::string::npos) << fromRecord;
}

TEST(MethodTextTest, AVisitsConditionsInEachLanguage) {
    archive::Visit visit;
    visit.date = "2026-05-03";
    {
        const MethodLanguage english(Language::English);
        EXPECT_EQ(VisitConditionsText(visit).toStdString(),
                  "Visit of 2026-05-03: weather not recorded; air not recorded; soil not recorded");
        visit.weather = "sunny";
        visit.airTemperature = -2.5;
        visit.soil = archive::SoilCondition::Frozen;
        EXPECT_EQ(VisitConditionsText(visit).toStdString(),
                  "Visit of 2026-05-03: weather sunny; air -2.5 °C; soil frozen");
    }
    const MethodLanguage german(Language::German);
    EXPECT_EQ(VisitConditionsText(visit).toStdString(),
              "Begehung am 2026-05-03: Wetter sunny; Luft -2.5 °C; Boden gefroren");
}

}  // namespace
}  // namespace terrovane::texts
