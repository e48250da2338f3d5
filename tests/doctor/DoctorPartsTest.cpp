// The doctor's readers of system files: account files, access lists, udev rules, bounded reads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Accounts.h"
#include "Acl.h"
#include "FakeSystem.h"
#include "SmallFile.h"
#include "UdevRules.h"

namespace terrovane::doctor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DoctorPartsTest, GroupFileLinesAreReadAndBrokenOnesSkipped) {
    const auto groups = ParseGroupFile(
        "dialout:x:20:alice,bob\nbroken line\nplugdev:x:notanumber:\n"
        "uucp:x:10:\n:x:5:\nvideo:x:44:carol,\n");
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].name, "dialout");
    EXPECT_EQ(groups[0].gid, 20u);
    EXPECT_THAT(groups[0].members, ElementsAre("alice", "bob"));
    EXPECT_THAT(groups[1].members, IsEmpty());
    EXPECT_THAT(groups[2].members, ElementsAre("carol"));
}

TEST(DoctorPartsTest, AccountFromFilesHasItsPrimaryAndListedGroups) {
    testing::FakeSystem system;
    system.SetDialoutMembers("alice");
    const auto alice = AccountFromFiles("alice", system.Paths());
    ASSERT_TRUE(alice.has_value());
    EXPECT_EQ(alice->uid, 4242u);
    EXPECT_THAT(alice->sessionGroups, ElementsAre(4242u, ::getgid()));
    EXPECT_FALSE(AccountFromFiles("mallory", system.Paths()).has_value());
    EXPECT_EQ(UserName(31337, system.Paths()), "31337");  // unknown ids show as numbers
}

std::string AclBytes(std::initializer_list<std::array<unsigned, 3>> entries) {
    std::string bytes = {2, 0, 0, 0};
    for (const auto& [tag, permissions, id] : entries) {
        for (unsigned value : {tag, permissions})
            bytes += {static_cast<char>(value & 0xff), static_cast<char>(value >> 8)};
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((id >> shift) & 0xff);
    }
    return bytes;
}

TEST(DoctorPartsTest, AccessListGrantsTheNamedUserWithinTheMask) {
    // user::rw-, user:1000:rw-, group::rw-, mask::rw-, other::---
    const std::string acl = AclBytes({{0x01, 6, 0xffffffff},
                                      {0x02, 6, 1000},
                                      {0x04, 6, 0xffffffff},
                                      {0x10, 6, 0xffffffff},
                                      {0x20, 0, 0xffffffff}});
    EXPECT_EQ(AclPermissionsFor(acl, 1000), 6u);
    EXPECT_FALSE(AclPermissionsFor(acl, 1001).has_value());
    const std::string masked = AclBytes({{0x02, 6, 1000}, {0x10, 4, 0xffffffff}});
    EXPECT_EQ(AclPermissionsFor(masked, 1000), 4u);
    EXPECT_FALSE(AclPermissionsFor(acl.substr(0, acl.size() - 3), 1000).has_value());  // torn
    EXPECT_FALSE(AclPermissionsFor("", 1000).has_value());
}

TEST(DoctorPartsTest, RuleLinesClaimingTheBridgeInEitherSpelling) {
    const std::string rules =
        "# ENV{PRODUCT}==\"10c4/ea60/*\" in a comment\n"
        "ENV{PRODUCT}==\"10c4/ea60/*\", GOTO=\"x\"\n"
        "ATTRS{idVendor}==\"10C4\", ATTRS{idProduct}==\"EA60\", MODE=\"0666\"\n"
        "ATTRS{idVendor}==\"10c4\", ATTRS{idProduct}==\"ea70\"\n"
        "ENV{PRODUCT}==\"10c4/ea600/*\"\n";
    EXPECT_THAT(LinesMatchingBridge(rules), ElementsAre(2, 3));
}

TEST(DoctorPartsTest, EarlierRuleFolderHidesALaterFileOfTheSameName) {
    testing::FakeSystem system;
    system.WriteFile("usr/lib/udev/rules.d/85-brltty.rules", "x\n");
    system.WriteFile("usr/lib/udev/rules.d/60-serial.rules", "x\n");
    system.Link("etc/udev/rules.d/85-brltty.rules", "/dev/null");
    system.WriteFile("etc/udev/rules.d/README", "not a rule file");
    const auto files = EffectiveRuleFiles(system.Paths().udevRuleDirs);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "60-serial.rules");
    EXPECT_FALSE(files[0].masked);
    EXPECT_EQ(files[1].path, (system.Root() / "etc/udev/rules.d/85-brltty.rules").string());
    EXPECT_TRUE(files[1].masked);
    EXPECT_THAT(files[1].hidden,
                ElementsAre((system.Root() / "usr/lib/udev/rules.d/85-brltty.rules").string()));
}

TEST(DoctorPartsTest, OnlySmallRegularFilesAreRead) {
    testing::FakeSystem system;
    system.WriteFile("small", "idVendor\n");
    system.WriteFile("large", std::string(2000, 'x'));
    const std::string fifo = (system.Root() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadSmallFile((system.Root() / "small").string()), "idVendor\n");
    EXPECT_EQ(ReadAttribute((system.Root() / "small").string()), "idVendor");
    EXPECT_FALSE(ReadSmallFile((system.Root() / "large").string(), 1000).has_value());
    EXPECT_FALSE(ReadSmallFile(fifo).has_value());  // returns at once instead of waiting for a writer
    EXPECT_FALSE(ReadSmallFile(system.Root().string()).has_value());
    EXPECT_FALSE(ReadSmallFile((system.Root() / "absent").string()).has_value());
}

}  // namespace
}  // namespace terrovane::doctor
