// Reading a number typed into a field: the locale's separator taken, nothing read as a group separator.
#include <gtest/gtest.h>

#include "TypedNumber.h"

namespace terrovane::keyboard {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(TypedNumberTest, TheLocalesSeparatorIsTakenOnlyWhereItCannotBeConfused) {
    EXPECT_EQ(ReadTypedNumber(QStringLiteral(" 2.5 "), kGerman), 2.5);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("2,5"), kGerman), 2.5);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("65,5"), kGerman), 65.5);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("-1,5e3"), kGerman), -1500);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("0.125"), kGerman), 0.125);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("1000.5"), kGerman), 1000.5);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("1,000"), kEnglish), std::nullopt);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("1.000,5"), kGerman), std::nullopt);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("1,2,3"), kGerman), std::nullopt);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("2,5"), QLocale::c()), std::nullopt);
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("nan"), kGerman), std::nullopt);
    EXPECT_EQ(ReadTypedNumber(QString(), kGerman), std::nullopt);
}

// Where the point groups digits, a point before three digits may mean a thousand: refused, never read as
// a number a thousand times smaller. Under English the same text is an ordinary decimal.
TEST(TypedNumberTest, APointThatMayGroupDigitsIsRefusedWhereThePointGroups) {
    for (const char* grouped : {"1.000", "12.500", "-100.000", "1.000.000"}) {
        EXPECT_EQ(ReadTypedNumber(QString::fromLatin1(grouped), kGerman), std::nullopt) << grouped;
        EXPECT_TRUE(LooksGrouped(QString::fromLatin1(grouped), kGerman)) << grouped;
    }
    EXPECT_EQ(ReadTypedNumber(QStringLiteral("1.000"), kEnglish), 1.0);
    EXPECT_FALSE(LooksGrouped(QStringLiteral("1.000"), kEnglish));
    EXPECT_FALSE(LooksGrouped(QStringLiteral("0.250"), kGerman));
}

TEST(TypedNumberTest, ShownNumbersUseTheLocalesSeparatorAndNoGrouping) {
    EXPECT_EQ(ShownNumber(1234.5, 2, kGerman), QStringLiteral("1234,50"));
    EXPECT_EQ(ShownNumber(1234.5, 2, QLocale::c()), QStringLiteral("1234.50"));
    EXPECT_EQ(ShownSignificant(3.8, 6, kGerman), QStringLiteral("3,8"));
    EXPECT_EQ(ShownSignificant(12345, 6, kEnglish), QStringLiteral("12345"));
    // What a window shows is read back as the same number.
    EXPECT_EQ(ReadTypedNumber(ShownNumber(70, 2, kGerman), kGerman), 70.0);
    EXPECT_EQ(ReadTypedNumber(ShownSignificant(1500, 6, kGerman), kGerman), 1500.0);
}

// The instrument's values in the archive's list: its digits, the locale's separator; words stay words.
TEST(TypedNumberTest, WrittenDecimalsAreShownWithTheLocalesSeparator) {
    EXPECT_EQ(ShownDecimal(QStringLiteral("4.87"), kGerman), QStringLiteral("4,87"));
    EXPECT_EQ(ShownDecimal(QStringLiteral("4.87"), QLocale::c()), QStringLiteral("4.87"));
    for (const char* kept : {"AFE", "00", "09-01-07", "10:20:30", "> 300 k\u03a9", "1.2.3"})
        EXPECT_EQ(ShownDecimal(QString::fromUtf8(kept), kGerman), QString::fromUtf8(kept)) << kept;
}

}  // namespace
}  // namespace terrovane::keyboard
