// The firm's profile as it travels to and from the team's server: what the server hands on is checked
// before the archive takes it.
#include <gtest/gtest.h>

#include "FirmSync.h"

namespace terrovane::sync {
namespace {

TEST(FirmSyncTest, TheProfileTravelsWholeAndWhatIsNoneIsRefused) {
    archive::FirmProfile firm;
    firm.name = "Nordlicht \"Erdung\" GmbH";
    firm.address = "Hafenstraße 12\n20457 Hamburg";
    firm.prefix = "NLE";
    firm.logo = std::string("\x89PNG\r\n\x1a\n\0\x01\xff", 11);
    firm.logoType = "png";
    const std::string json = FirmServerJson(firm);
    EXPECT_EQ(json.find("logo\":"), std::string::npos) << "the logo's bytes travel apart: " << json;
    const auto back = FirmFromServer(json, "89504e470d0a1a0a0001FF");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->name, firm.name);
    EXPECT_EQ(back->address, firm.address);
    EXPECT_EQ(back->logo, firm.logo);
    EXPECT_EQ(back->logoType, "png");
    EXPECT_TRUE(FirmFromServer(json, "")->logo.empty());

    for (const auto& [json, hex] : std::vector<std::pair<std::string, std::string>>{
             {"[]", ""},
             {R"({"name":"A","address":"","phone":"","email":"","licence":""})", ""},  // no prefix
             {R"({"name":7,"address":"","phone":"","email":"","licence":"","prefix":""})", ""},
             {R"({"name":"A","address":"","phone":"","email":"","licence":"","prefix":""})",
              "0a"},  // no type
             {R"({"name":"A","address":"","phone":"","email":"","licence":"","prefix":"","logo_type":"png"})",
              "0g"},
             {R"({"name":"A","address":"","phone":"","email":"","licence":"","prefix":"","logo_type":"png"})",
              "abc"},
             {"not json", ""}}) {
        EXPECT_FALSE(FirmFromServer(json, hex).has_value()) << json << " " << hex;
    }
}

}  // namespace
}  // namespace terrovane::sync
