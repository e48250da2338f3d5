#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AtomicFile.h"
#include "SmallDisk.h"  // FolderListing

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;
using testing::FolderListing;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned ModeOf(const std::string& path) {
    struct stat entry {};
    ::lstat(path.c_str(), &entry);
    return entry.st_mode & 07777;
}

class AtomicFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = (fs::temp_directory_path() / ("atomic-file-" + std::to_string(::getpid()))).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string In(const std::string& name) const { return dir_ + "/" + name; }

    std::string dir_;
};

TEST_F(AtomicFileTest, NewFileGetsTheUmaskAndReplacedFileKeepsItsMode) {
    const mode_t savedMask = ::umask(027);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(In("new"), "first", error)) << error;
    ::umask(savedMask);
    EXPECT_EQ(ModeOf(In("new")), 0640u);
    ::chmod(In("new").c_str(), 0604);
    ASSERT_TRUE(WriteFileAtomically(In("new"), "second", error)) << error;
    EXPECT_EQ(Contents(In("new")), "second");
    EXPECT_EQ(ModeOf(In("new")), 0604u);
    EXPECT_EQ(FolderListing(dir_), "new");  // no temporary file left behind
}

TEST_F(AtomicFileTest, SymlinkAndOtherNonRegularTargetsAreRefusedUntouched) {
    { std::ofstream(In("victim")) << "precious"; }
    fs::create_symlink(In("victim"), In("link"));
    fs::create_directory(In("folder"));
    ::mkfifo(In("fifo").c_str(), 0600);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(In("link"), "planted", error));
    EXPECT_EQ(error, In("link") + ": is a symbolic link, which is not followed");
    EXPECT_EQ(Contents(In("victim")), "precious");
    EXPECT_TRUE(fs::is_symlink(In("link")));
    EXPECT_FALSE(WriteFileAtomically(In("folder"), "x", error));
    EXPECT_EQ(error, In("folder") + ": is a folder");
    EXPECT_FALSE(WriteFileAtomically(In("fifo"), "x", error));
    EXPECT_EQ(error, In("fifo") + ": is not a regular file");
    EXPECT_FALSE(WriteFileAtomically(In("missing/file"), "x", error));
    EXPECT_EQ(error, In("missing/file") + ": No such file or directory");
    EXPECT_EQ(FolderListing(dir_), "fifo folder link victim");
}

TEST_F(AtomicFileTest, AbandonedFileLeavesTheOldOneAndNoTemporary) {
    { std::ofstream(In("kept")) << "old"; }
    {
        AtomicFile file(In("kept"));
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("new", 3));
        EXPECT_TRUE(file.ReplacesAFile());
    }  // never committed
    EXPECT_EQ(Contents(In("kept")), "old");
    EXPECT_EQ(FolderListing(dir_), "kept");
}

TEST_F(AtomicFileTest, WriterByDescriptorPathReachesTheTemporaryFile) {
    AtomicFile file(In("by-path"));
    ASSERT_TRUE(file.Open());
    { std::ofstream(file.DescriptorPath()) << "through the name"; }
    EXPECT_FALSE(fs::exists(In("by-path")));  // nothing at the target before the commit
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(Contents(In("by-path")), "through the name");
}

}  // namespace
}  // namespace terrovane::platform
