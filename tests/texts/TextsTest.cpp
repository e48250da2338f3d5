// The one boundary from codes to text: fixed texts are translated first and filled after, counts take
// their plural, and numbers typed in a window are read with the locale's own separator where it is safe.
#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include "FopSummaryText.h"
#include "LanguageChoice.h"
#include "MessageText.h"
#include "RefusalText.h"
#include "ResultWords.h"

namespace terrovane::texts {
namespace {

using translations::Language;

// Installs a language for one test and takes it away again, so the tests do not lean on each other.
class InLanguage {
  public:
    explicit InLanguage(Language language) { EXPECT_TRUE(translations::InstallLanguage(language)); }
    ~InLanguage() { translations::InstallLanguage(Language::Chinese); }
};

platform::Message Alert(const char* text, std::vector<std::string> arguments) {
    platform::Message message{text, "Terrovane"};
    message.arguments = std::move(arguments);
    return message;
}

TEST(MessageTextTest, TheFixedTextIsTranslatedAndThenFilledWithItsArguments) {
    const auto message = Alert("The results could not be exported: %1", {"disk I/O error %2"});
    EXPECT_EQ(platform::FilledText(message), "The results could not be exported: disk I/O error %2");
    {
        InLanguage german(Language::German);
        EXPECT_EQ(MessageText(message),
                  QStringLiteral("Die Ergebnisse konnten nicht exportiert werden: disk I/O error %2"));
    }
    {
        InLanguage chinese(Language::Chinese);
        EXPECT_EQ(MessageText(message), QStringLiteral("无法导出结果：disk I/O error %2"));
    }
    // The details are translated and filled the same way; a text of the original's stays as it is.
    platform::Message question{"Read Data error, please retry", "TIP"};
    question.details = "The label could not be stored: %1";
    question.detailArguments = {"A1"};
    InLanguage german(Language::German);
    EXPECT_EQ(MessageDetails(question),
              QStringLiteral("Die Kennzeichnung konnte nicht gespeichert werden: A1"));
}

TEST(MessageTextTest, ACountedTextTakesTheLanguagesPlural) {
    platform::Message question{
        "Test point \"%1\" has %n result(s). Delete the point? Its results stay in the archive, unassigned.",
        "TIP"};
    question.arguments = {"A1"};
    question.count = 1;
    EXPECT_EQ(platform::FilledText(question),
              "Test point \"A1\" has 1 result(s). Delete the point? Its results stay in the archive, "
              "unassigned.");
    {
        InLanguage english(Language::English);
        EXPECT_TRUE(
            MessageText(question).startsWith(QStringLiteral("Test point \"A1\" has 1 result. Delete")));
    }
    InLanguage german(Language::German);
    EXPECT_TRUE(MessageText(question).startsWith(QStringLiteral("Der Prüfpunkt „A1“ hat 1 Ergebnis. ")));
    question.count = 3;
    EXPECT_TRUE(MessageText(question).startsWith(QStringLiteral("Der Prüfpunkt „A1“ hat 3 Ergebnisse. ")));
}

TEST(MessageTextTest, ArgumentsFillEachPlaceholderOnceAndLeaveTheRestAlone) {
    EXPECT_EQ(platform::FillArguments("%2 of %1, 100%", {"a", "b"}), "b of a, 100%");
    EXPECT_EQ(platform::FillArguments("%1 and %3", {"%3"}), "%3 and %3");
    EXPECT_EQ(platform::FillArguments("%", {}), "%");
}

TEST(ResultWordsTest, CountsTakeTheirPluralAndWordsTheirLanguage) {
    InLanguage english(Language::English);
    EXPECT_EQ(VerdictCountsText({1, 2, 0, 0}), QStringLiteral("1 passed, 2 failed, 0 without limit"));
    EXPECT_EQ(VerdictCountsText({0, 0, 1, 1}),
              QStringLiteral("0 passed, 0 failed, 1 without limit, 1 not tested"));
    EXPECT_EQ(VerdictText(archive::Verdict::Fail), QStringLiteral("fail"));
    EXPECT_EQ(PointKindText(archive::PointKind::TowerLeg), QStringLiteral("tower leg"));
    InLanguage german(Language::German);
    EXPECT_EQ(VerdictCountsText({1, 2, 0, 3}),
              QStringLiteral("1 bestanden, 2 nicht bestanden, 0 ohne Grenzwert, 3 nicht geprüft"));
    EXPECT_EQ(VerdictText(archive::Verdict::Pass), QStringLiteral("bestanden"));
    EXPECT_EQ(PointKindText(archive::PointKind::Rod), QStringLiteral("Staberder"));
    InLanguage chinese(Language::Chinese);
    EXPECT_EQ(VerdictText(archive::Verdict::Fail), QStringLiteral("不合格"));
}

TEST(RefusalTextTest, EachRefusalIsSaidWithItsNumbersInTheRunningLanguage) {
    const analysis::Refusal fewPoints{analysis::RefusalReason::TooFewPoints, {"2", "3", "1"}};
    const analysis::Refusal repeated{analysis::RefusalReason::SpacingRepeated, {"4", "2.5", "1"}};
    EXPECT_EQ(analysis::RefusalSentence(fewPoints), "2 layers have 3 parameters, but there is 1 point");
    EXPECT_EQ(analysis::RefusalSentence(repeated), "point 4: the spacing 2.5 m is already point 1's");
    InLanguage english(Language::English);
    EXPECT_EQ(RefusalText(fewPoints), QStringLiteral("2 layers need 3 points, but there is only 1."));
    EXPECT_EQ(RefusalText({}), QString());
    InLanguage german(Language::German);
    EXPECT_EQ(RefusalText(repeated),
              QStringLiteral("Punkt 4: Der Abstand 2.5 m ist bereits der von Punkt 1."));
}

TEST(FopSummaryTextTest, TheCurvesValuesAndNotesAreSaidInTheRunningLanguage) {
    // A straight rise: no plateau between 52 % and 72 % of D.
    std::vector<analysis::FopReading> readings;
    for (int x = 5; x <= 45; x += 5)
        readings.push_back({static_cast<double>(x), static_cast<double>(x)});
    const analysis::FopAnalysis rising = analysis::AnalyseFallOfPotential(readings, 50);
    ASSERT_TRUE(rising.Ok());
    InLanguage german(Language::German);
    const QStringList lines = FopSummaryText(rising);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Widerstand bei 61,8 % von D: 30.90 Ω"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Plateau: nein, Streuung "))) << lines[1].toStdString();
    EXPECT_TRUE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("Die Sonde liegt nicht im Plateau")));
    const analysis::FopAnalysis refused = analysis::AnalyseFallOfPotential({{10, 1}}, 50);
    EXPECT_EQ(FopSummaryText(refused),
              QStringList{QStringLiteral("Es werden mindestens zwei Messwerte gebraucht.")});
}

}  // namespace
}  // namespace terrovane::texts
