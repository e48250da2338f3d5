// The one way a number goes into JSON, and the text a document becomes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Json.h"

namespace terrovane::numbers {
namespace {

std::string Text(double value, int significant = 0) {
    return JsonText(JsonNumber(value, significant));
}

TEST(JsonNumber, WholeNumbersAreIntegersAndTheRestTheirShortestDigits) {
    EXPECT_EQ(Text(300000.0), "300000");
    EXPECT_EQ(Text(-12.0), "-12");
    EXPECT_EQ(Text(0.1), "0.1");
    EXPECT_EQ(Text(1e20), "1e+20");
    EXPECT_EQ(Text(2.5e-7), "2.5e-07");
    // The instrument's single-precision value, not the digits of its widening to double.
    EXPECT_EQ(Text(static_cast<double>(4.87f)), "4.87");
    EXPECT_EQ(Text(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(Text(std::nan("")), "null");
}

TEST(JsonNumber, SignificantDigitsRoundAsPrintfWould) {
    EXPECT_EQ(Text(1234.5678, 6), "1234.57");
    EXPECT_EQ(Text(0.000123456789, 3), "0.000123");
    EXPECT_EQ(Text(2.0000001, 6), "2");
    EXPECT_EQ(Text(-0.1 - 0.2, 6), "-0.3");
}

TEST(JsonText, EscapesWhatJsonMustAndMendsBrokenUtf8) {
    const Json document = {{"b", "say \"hi\"\\\n\x01"},
                           {"a",
                            "\xff"
                            "ok"},
                           {"z", "Ω·m"}};
    EXPECT_EQ(JsonText(document), R"({"b":"say \"hi\"\\\n\u0001","a":")"
                                  "\xef\xbf\xbd"
                                  R"(ok","z":"Ω·m"})");
}

}  // namespace
}  // namespace terrovane::numbers
