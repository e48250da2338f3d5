// The lower layers' own sentences (the archive's refusals, the reasons a result is doubtful, the analyses'
// notes) reach a person in their language, with what varies filled in; other words pass as they are, and
// the English the lower layers report stays as callers and files know it.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Archive.h"
#include "ArchiveProblemText.h"
#include "LanguageChoice.h"
#include "MessageBox.h"
#include "NoteText.h"
#include "NoteTexts.h"
#include "Problems.h"
#include "Sites.h"
#include "Sounding.h"
#include "StatedText.h"
#include "Verdict.h"
#include "Visits.h"

namespace terrovane::texts {
namespace {

using translations::Language;

class ArchiveProblemTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        store_ =
            archive::Archive::Open((dir_.path() + QStringLiteral("/archive.sqlite")).toStdString(), error);
        ASSERT_NE(store_, nullptr) << error;
    }
    void TearDown() override { translations::InstallLanguage(Language::Chinese); }

    // The error of adding a site with these fields.
    std::string AddSiteError(const std::string& name) {
        archive::SiteFields fields;
        fields.name = name;
        std::int64_t id = 0;
        std::string error;
        EXPECT_FALSE(archive::AddSite(*store_, fields, id, error));
        return error;
    }

    QTemporaryDir dir_;
    std::unique_ptr<archive::Archive> store_;
};

TEST_F(ArchiveProblemTextTest, TheArchivesRefusalsAreSaidInTheRunningLanguageWithTheirNames) {
    archive::SiteFields werk;
    werk.name = "Werk %2 Süd";
    std::int64_t id = 0;
    std::string error;
    ASSERT_TRUE(archive::AddSite(*store_, werk, id, error)) << error;
    const std::string taken = AddSiteError("Werk %2 Süd");
    const std::string unnamed = AddSiteError("  ");
    ASSERT_FALSE(archive::FindPoint(*store_, "Werk %2 Süd", "P 1", error));
    const std::string noPoint = error;
    // What the command line's scripts and the callers read stays English.
    EXPECT_EQ(taken, "there is already a site named \"Werk %2 Süd\"");
    EXPECT_EQ(noPoint, "there is no test point \"P 1\" at site \"Werk %2 Süd\"");

    ASSERT_TRUE(translations::InstallLanguage(Language::German));
    EXPECT_EQ(ArchiveProblemText(taken), QStringLiteral("es gibt bereits eine Anlage namens „Werk %2 Süd“"));
    EXPECT_EQ(ArchiveProblemText(unnamed), QStringLiteral("eine Anlage braucht einen Namen"));
    EXPECT_EQ(ArchiveProblemText(noPoint),
              QStringLiteral("es gibt keinen Prüfpunkt „P 1“ in der Anlage „Werk %2 Süd“"));
    ASSERT_TRUE(translations::InstallLanguage(Language::Chinese));
    EXPECT_EQ(ArchiveProblemText(noPoint), QStringLiteral("站点 “Werk %2 Süd” 没有测试点 “P 1”"));
}

// A refusal travels as its fixed text and arguments: it is said in the running language from them, even
// when a typed value reads like another problem's sentence, and its English stays what scripts read.
TEST_F(ArchiveProblemTextTest, AFailureIsSaidFromItsFixedTextNotReadBackFromASentence) {
    archive::SiteFields fields;
    fields.name = "Werk";
    std::int64_t site = 0;
    std::string error;
    ASSERT_TRUE(archive::AddSite(*store_, fields, site, error)) << error;
    archive::Visit visit;
    visit.site = site;
    visit.date = "there is no site \"Werk\"";
    const auto refused = archive::AddVisit(*store_, visit);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Error().code, archive::ErrorCode::Refused);
    EXPECT_STREQ(refused.Error().problem, archive::kVisitDateNotADate);
    EXPECT_EQ(refused.Error().arguments, std::vector<std::string>{visit.date});
    EXPECT_EQ(refused.Error().Text(),
              "a visit's date is written YYYY-MM-DD and must exist, not \"there is no site \"Werk\"\"");
    const archive::Status missing = archive::DeleteVisit(*store_, 4711);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Error().code, archive::ErrorCode::NoSuchItem);
    EXPECT_STREQ(missing.Error().problem, archive::kNoVisit);

    ASSERT_TRUE(translations::InstallLanguage(Language::German));
    EXPECT_EQ(FailureText(refused.Error()),
              QStringLiteral("das Datum eines Besuchs wird JJJJ-MM-TT geschrieben und muss existieren, nicht "
                             "\"there is no site \"Werk\"\""));
    EXPECT_EQ(FailureText(missing.Error()), QStringLiteral("es gibt keinen Besuch 4711"));
    // The library's own failures keep the words they came with.
    EXPECT_EQ(FailureText(archive::FailureOf(5, "database is locked")), QStringLiteral("database is locked"));
}

TEST_F(ArchiveProblemTextTest, OtherWordsPassAsTheyCame) {
    ASSERT_TRUE(translations::InstallLanguage(Language::German));
    EXPECT_EQ(ArchiveProblemText("database is locked"), QStringLiteral("database is locked"));
    EXPECT_EQ(ArchiveProblemText("there is no site"), QStringLiteral("there is no site"));
}

TEST(StatedTextTest, EveryFixedTextOfTheLowerLayersIsReadBackAsItsTextAndArguments) {
    for (const auto* texts : {&archive::ProblemTexts(), &archive::ValidityTexts(), &analysis::NoteTexts()}) {
        for (const char* text : *texts) {
            const std::vector<std::string> arguments = {"Werk \"A\" at site \"B\"", "17", "> 300 kΩ"};
            const std::string said = platform::FillArguments(text, arguments);
            Stated stated;
            ASSERT_TRUE(ParseStated(said, *texts, stated)) << said;
            EXPECT_STREQ(stated.text, text) << said;
            EXPECT_EQ(platform::FillArguments(stated.text, stated.arguments), said);
        }
    }
}

// A resistivity result of slot `slot` that the instrument showed as over range, or doubtful.
analysis::SourcedRecord Resistivity(std::size_t slot, float rho, std::vector<std::string> doubtful = {}) {
    record::MeasurementRecord r{};
    r.mode = 9;
    r.integerValue = 4;
    r.values[record::kResistivity] = rho;
    return {analysis::SlotSource(slot), r, std::move(doubtful)};
}

TEST(NoteTextTest, LeftOutResultsAreNamedAndExplainedInTheRunningLanguage) {
    record::MeasurementRecord jammed{};
    jammed.mode = 1;
    jammed.values[record::kJammingVoltage] = 12.5f;
    const std::vector<std::string> reasons = archive::ValidityNotes(jammed);
    ASSERT_EQ(reasons.size(), 1u);
    const analysis::GatheredSounding gathered = analysis::SoundingFromRecords(
        {Resistivity(7, 120.0f, reasons), Resistivity(8, 80.0f), Resistivity(9, 90.0f)});
    ASSERT_EQ(gathered.leftOut.size(), 1u);
    ASSERT_EQ(gathered.notes.size(), 1u);
    // The notes themselves stay English: the JSON and the command line's scripts keep them.
    EXPECT_EQ(gathered.leftOut.front(), "slot 07: doubtful (jamming voltage 12.5 V above 10 V); left out");
    EXPECT_EQ(gathered.notes.front(), "2 results at 4 m: their geometric mean is used");
    ASSERT_TRUE(translations::InstallLanguage(Language::German));
    EXPECT_EQ(AnalysisNoteText(gathered.leftOut.front()),
              QStringLiteral("Speicherplatz 07: zweifelhaft (Störspannung 12.5 V über 10 V); ausgelassen"));
    EXPECT_EQ(AnalysisNoteText(gathered.notes.front()),
              QStringLiteral("2 Ergebnisse bei 4 m: ihr geometrisches Mittel wird verwendet"));
    EXPECT_EQ(ValidityNoteText(reasons.front()), QStringLiteral("Störspannung 12.5 V über 10 V"));
    ASSERT_TRUE(translations::InstallLanguage(Language::Chinese));
    EXPECT_EQ(AnalysisNoteText(gathered.leftOut.front()),
              QStringLiteral("存储位 07：可疑（干扰电压 12.5 V 高于 10 V）；已略去"));
    EXPECT_EQ(AnalysisNoteText("a solver's own words"), QStringLiteral("a solver's own words"));

    // An archived result is named by its slot and measuring date, and read back whole in every language;
    // a note stored before under the archive's id still reads.
    const std::string archived =
        analysis::Noted(analysis::kLeftOutNoDistance, {analysis::ArchivedSource(7, "2026-03-14")});
    EXPECT_EQ(archived, "slot 07 of 2026-03-14: no measuring distance; left out");
    EXPECT_TRUE(AnalysisNoteText(archived).startsWith(QStringLiteral("2026-03-14 的存储位 07：")));
    ASSERT_TRUE(translations::InstallLanguage(Language::German));
    EXPECT_TRUE(AnalysisNoteText(archived).startsWith(QStringLiteral("Speicherplatz 07 vom 2026-03-14: ")));
    EXPECT_TRUE(AnalysisNoteText("result 24: no measuring distance; left out")
                    .startsWith(QStringLiteral("Ergebnis 24: ")));
    ASSERT_TRUE(translations::InstallLanguage(Language::Chinese));
}

}  // namespace
}  // namespace terrovane::texts
