#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "CLocaleScope.h"
#include "Numbers.h"

namespace terrovane::numbers {
namespace {

// printf in the C locale: what every file held before the numbers had a module of their own.
template <typename... Args>
std::string Printed(const char* format, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// Values where rounding, the sign or the notation is easy to get wrong, then many at random.
std::vector<double> Samples() {
    std::vector<double> values{0.0,
                               -0.0,
                               0.5,
                               1.5,
                               2.5,
                               -2.5,
                               0.125,
                               0.375,
                               1.005,
                               2.675,
                               0.0005,
                               -0.0004,
                               -0.0005,
                               9.995,
                               99.95,
                               999.95,
                               1e-5,
                               1e-4,
                               123456.,
                               1e15,
                               1e16,
                               1e21,
                               1e-7,
                               1.23e-9,
                               4.87,
                               1e300,
                               -1e300,
                               5e-324,
                               0.1,
                               0.2,
                               0.30000000000000004,
                               7.5,
                               48.137,
                               11.575};
    std::mt19937_64 random(26);
    std::uniform_real_distribution<double> exponent(-12, 12);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    for (int i = 0; i < 4000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    return values;
}

TEST(Numbers, FixedAndGeneralWriteWhatPrintfWritesInTheCLocale) {
    for (double v : Samples()) {
        for (int decimals : {0, 1, 2, 3, 4, 6, 10}) {
            ASSERT_EQ(Fixed(v, decimals), Printed("%.*f", decimals, v)) << v << " " << decimals;
            ASSERT_EQ(Fixed(v, decimals, 8), Printed("%*.*f", 8, decimals, v)) << v;
            ASSERT_EQ(FixedSigned(v, decimals), Printed("%+.*f", decimals, v)) << v;
            ASSERT_EQ(General(v, decimals), Printed("%.*g", decimals, v)) << v << " " << decimals;
        }
        ASSERT_EQ(General(v), Printed("%g", v)) << v;
        ASSERT_EQ(Fixed(v, -1), Printed("%f", v)) << v;
    }
}

TEST(Numbers, ValuesThatAreNoNumberAreSpelledAsPrintfSpellsThem) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {inf, -inf, nan})
        EXPECT_EQ(Fixed(v, 2), Printed("%.2f", v));
    EXPECT_EQ(Shortest(inf), "inf");
    EXPECT_EQ(Shortest(-inf), "-inf");
}

TEST(Numbers, ShortestReadsBackExactly) {
    EXPECT_EQ(Shortest(0.1), "0.1");
    EXPECT_EQ(Shortest(-0.0), "-0");
    EXPECT_EQ(Shortest(1e20), "1e+20");
    EXPECT_EQ(Shortest(4.87f), "4.87");
    EXPECT_EQ(Shortest(static_cast<double>(4.87f)), "4.869999885559082");
    for (double v : Samples()) {
        ASSERT_EQ(ParseDecimal(Shortest(v)), v) << Shortest(v);
        const float f = static_cast<float>(v);
        if (std::isfinite(f)) {
            ASSERT_EQ(static_cast<float>(*ParseDecimal(Shortest(f))), f) << Shortest(f);
        }
    }
}

TEST(Numbers, ParseDecimalTakesAWholeDecimalNumberOnly) {
    EXPECT_EQ(ParseDecimal("7.5"), 7.5);
    EXPECT_EQ(ParseDecimal("-1.5e3"), -1500.0);
    EXPECT_EQ(ParseDecimal("+.5"), 0.5);
    EXPECT_EQ(ParseDecimal("7."), 7.0);
    EXPECT_EQ(ParseDecimal("1E-2"), 0.01);
    for (const char* bad :
         {"",    "+",   "-",    ".",   "7,5",      "1,60.75", " 7.5", "7.5 ", "7.5x",  "+-1",    "-+1",
          "--1", "inf", "-inf", "nan", "infinity", "0x10",    "1e",   "1e+",  "1e400", "-1e400", "e5"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST(Numbers, ParseIntegerTakesDecimalDigitsWithASign) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("9223372036854775807"), std::numeric_limits<long long>::max());
    for (const char* bad :
         {"", "+", "-", "1.0", "1e3", " 1", "1 ", "0x1f", "+-1", "9223372036854775808", "12a"})
        EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
}

// The one parser serves the narrow, the unsigned and the hexadecimal fields too: the range is the type's.
TEST(Numbers, ParseIntegerKeepsToTheTypesRangeAndBase) {
    EXPECT_EQ(ParseInteger<int>("2147483647"), 2147483647);
    EXPECT_FALSE(ParseInteger<int>("2147483648").has_value());
    EXPECT_FALSE(ParseInteger<unsigned>("-1").has_value());
    EXPECT_EQ(ParseInteger<unsigned>("4294967295"), 4294967295u);
    EXPECT_EQ(ParseInteger<unsigned>("fd", 16), 0xfdu);
    EXPECT_EQ(ParseInteger<int>("-1F", 16), -31);
    EXPECT_FALSE(ParseInteger<int>("0x1f", 16).has_value());
    EXPECT_FALSE(ParseInteger<int>("12", 2).has_value());
}

// Under a locale whose decimal separator is a comma the module still writes and reads points.
TEST(Numbers, TheProcessLocaleChangesNothing) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_ALL, name) != nullptr && *std::localeconv()->decimal_point == ',') {
            found = true;
            break;
        }
    if (!found)
        GTEST_SKIP() << "no locale with a decimal comma is installed (scripts/deps.sh generates de_DE.UTF-8)";
    EXPECT_EQ(Printed("%.1f", 7.5), "7,5");  // the locale is really in force
    EXPECT_EQ(Fixed(7.5, 3), "7.500");
    EXPECT_EQ(General(1234.56, 4), "1235");
    EXPECT_EQ(General(0.25), "0.25");
    EXPECT_EQ(Shortest(48.137), "48.137");
    EXPECT_EQ(ParseDecimal("11.575"), 11.575);
    EXPECT_FALSE(ParseDecimal("11,575").has_value());
    {
        // A library that prints numbers with printf writes them as C does inside the scope, and only there.
        const CLocaleScope cLocale;
        EXPECT_EQ(Printed("%.16g", 39814.41666666666), "39814.41666666666");
    }
    EXPECT_EQ(Printed("%.1f", 7.5), "7,5");
    std::setlocale(LC_ALL, before.c_str());
}

}  // namespace
}  // namespace terrovane::numbers
