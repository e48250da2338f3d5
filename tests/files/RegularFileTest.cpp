#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "RegularFile.h"

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;

class RegularFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = (fs::temp_directory_path() / ("regular-file-" + std::to_string(::getpid()))).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::ofstream(In("plain")) << "0123456789";
        fs::create_symlink(In("plain"), In("link"));
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string In(const std::string& name) const { return dir_ + "/" + name; }

    std::string dir_;
};

TEST_F(RegularFileTest, ReadsAtMostTheBytesAskedForAndTellsTheSize) {
    const auto head = ReadRegularFile(In("plain"), 4, Links::Refuse);
    ASSERT_EQ(head.status, FileStatus::Read) << head.error;
    EXPECT_EQ(head.bytes, "0123");
    EXPECT_EQ(head.size, 10u);
    EXPECT_EQ(ReadRegularFile(In("plain"), 100, Links::Refuse).bytes, "0123456789");
    EXPECT_EQ(ReadRegularFile(In("none"), 100, Links::Refuse).status, FileStatus::Missing);
}

TEST_F(RegularFileTest, SymlinkIsFollowedOnlyWhenAsked) {
    EXPECT_EQ(ReadRegularFile(In("link"), 100, Links::Follow).bytes, "0123456789");
    const auto refused = ReadRegularFile(In("link"), 100, Links::Refuse);
    EXPECT_EQ(refused.status, FileStatus::Refused);
    EXPECT_EQ(refused.error, In("link") + ": is a symbolic link, which is not followed");
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_EQ(CheckRegularFile(In("link"), Links::Refuse).status, FileStatus::Refused);
}

// None of these may block the reader or feed it without end.
TEST_F(RegularFileTest, FifoFolderAndDevicesAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(In("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", In("zero"));
    for (const auto& [path, reason] :
         {std::pair{In("fifo"), "is not a regular file"}, std::pair{dir_, "is a folder"},
          std::pair{std::string("/dev/zero"), "is not a regular file"},
          std::pair{In("zero"), "is not a regular file"}}) {
        const auto read = ReadRegularFile(path, 1 << 20, Links::Follow);
        EXPECT_EQ(read.status, FileStatus::Refused) << path;
        EXPECT_EQ(read.error, path + ": " + reason);
    }
}

}  // namespace
}  // namespace terrovane::platform
