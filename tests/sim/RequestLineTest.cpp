#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RequestLine.h"

namespace terrovane::sim {
namespace {

// Feeds the bytes and returns each line ended on the way.
std::vector<std::string> LinesOf(RequestLine& request, const std::string& bytes) {
    std::vector<std::string> lines;
    for (const char byte : bytes) {
        if (!request.Take(static_cast<std::uint8_t>(byte)))
            continue;
        lines.push_back(request.Text());
        request.Clear();
    }
    return lines;
}

TEST(RequestLineTest, EndsAtCarriageReturnAndSwallowsOnlyTheLineFeedRightAfterIt) {
    RequestLine request;
    EXPECT_EQ(LinesOf(request, "OK\r\nDAT_REC 1\r\r\nA\nB\r"),
              (std::vector<std::string>{"OK", "DAT_REC 1", "", "A\nB"}));
    // The swallowing holds across separate deliveries too.
    EXPECT_EQ(LinesOf(request, "X\r"), std::vector<std::string>{"X"});
    EXPECT_EQ(LinesOf(request, "\nY\r"), std::vector<std::string>{"Y"});
}

TEST(RequestLineTest, DropsWhatGoesBeyondTheLongestLine) {
    RequestLine request;
    const std::string tooLong(RequestLine::kMaxLine + 40, 'Z');
    const auto lines = LinesOf(request, tooLong + "\rOK\r");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(RequestLine::kMaxLine, 'Z'));
    EXPECT_EQ(lines[1], "OK");
}

}  // namespace
}  // namespace terrovane::sim
