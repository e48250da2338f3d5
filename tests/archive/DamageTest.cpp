// A damaged file, a crash in the middle of storing, a full disk, and paths that are not plain files.
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "ArchiveFixtures.h"

namespace terrovane::archive::testing {
namespace {

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

TEST_F(ArchiveTest, AFileThatIsNoDatabaseIsMovedAsideWithItsJournalAndANewOneStarted) {
    const std::string garbage(5000, 'x');
    WriteFile(Path(), garbage);
    WriteFile(Path() + "-wal", "stale journal");
    std::string error;
    std::string aside;
    auto archive = Archive::Open(Path(), error, &aside);
    ASSERT_NE(archive, nullptr) << error;
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(aside.rfind(Path() + ".corrupt-", 0), 0u) << aside;
    EXPECT_EQ(ReadFile(aside), garbage);  // nothing is deleted
    EXPECT_EQ(ReadFile(aside + "-wal"), "stale journal");
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 5)).stored);
    EXPECT_EQ(ReadArchive(Path(), "--check"), HealthyCurrentLayout());

    // A second damaged file in the same second gets a name of its own.
    archive.reset();
    WriteFile(Path(), garbage + "y");
    std::remove((Path() + "-wal").c_str());
    std::remove((Path() + "-shm").c_str());
    std::string second;
    ASSERT_NE(Archive::Open(Path(), error, &second), nullptr) << error;
    EXPECT_NE(second, aside);
    EXPECT_EQ(ReadFile(aside), garbage);
    EXPECT_EQ(ReadFile(second), garbage + "y");
}

TEST_F(ArchiveTest, DamageFoundWhileStoringMovesTheFileAsideAndStoresInANewOne) {
    {
        auto archive = OpenArchive();
        for (int i = 0; i < 40; ++i) {
            ASSERT_TRUE(StoreImage(*archive, DistinctImage(i)).stored);
        }
    }
    // Wreck the pages behind the header: the file still opens, its tables do not read.
    std::string bytes = ReadFile(Path());
    ASSERT_GT(bytes.size(), 200000u);
    for (std::size_t i = 4096; i < bytes.size(); i += 3) {
        bytes[i] = static_cast<char>(0xA5);
    }
    WriteFile(Path(), bytes);
    std::string error;
    std::string openedAside;
    auto archive = Archive::Open(Path(), error, &openedAside);
    ASSERT_NE(archive, nullptr) << error;
    const StoreOutcome outcome = StoreImage(*archive, DistinctImage(99, 3));
    ASSERT_TRUE(outcome.stored) << outcome.error;
    const std::string aside = openedAside.empty() ? outcome.movedAside : openedAside;
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(ReadFile(aside), bytes);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM readouts"), "[[1]]");
}

TEST_F(ArchiveTest, ASymbolicLinkAFolderOrAPipeIsNeverUsedAsTheArchive) {
    WriteFile(Path("elsewhere"), "the user's own file");
    ASSERT_EQ(::symlink(Path("elsewhere").c_str(), Path("link.sqlite").c_str()), 0);
    std::string error;
    EXPECT_EQ(Archive::Open(Path("link.sqlite"), error), nullptr);
    EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(Path("elsewhere")), "the user's own file");

    std::filesystem::create_directory(Path("folder.sqlite"));
    EXPECT_EQ(Archive::Open(Path("folder.sqlite"), error), nullptr);
    ASSERT_EQ(::mkfifo(Path("pipe.sqlite").c_str(), 0600), 0);
    EXPECT_EQ(Archive::Open(Path("pipe.sqlite"), error), nullptr);  // returns at once, no reader to wait for
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
}

TEST_F(ArchiveTest, AFolderOthersMayWriteToOrOfAnotherUserIsRefusedWithTheWayOut) {
    const std::string shared = Path("shared");
    std::filesystem::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
    std::string error;
    EXPECT_EQ(Archive::Open(shared + "/archive.sqlite", error), nullptr);
    EXPECT_EQ(error, "The archive folder " + shared +
                         " can be written by other users, so it is not used; make it yours alone with: chmod "
                         "go-w '" +
                         shared + "'");
    EXPECT_FALSE(std::filesystem::exists(shared + "/archive.sqlite"));

    // Checked on every use, not only when the archive is first opened.
    ASSERT_EQ(::chmod(shared.c_str(), 0755), 0);
    auto archive = Archive::Open(shared + "/archive.sqlite", error);
    ASSERT_NE(archive, nullptr) << error;
    ASSERT_EQ(::chmod(shared.c_str(), 0775), 0);
    const auto image = DistinctImage(1, 2);
    const StoreOutcome outcome = archive->Store({"", "", &image});
    EXPECT_FALSE(outcome.stored);
    EXPECT_NE(outcome.error.find("can be written by other users"), std::string::npos) << outcome.error;

    if (::geteuid() != 0) {
        GTEST_SKIP() << "handing a folder to another user needs root";
    }
    const std::string foreign = Path("foreign");
    std::filesystem::create_directory(foreign);
    ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    EXPECT_EQ(Archive::Open(foreign + "/archive.sqlite", error), nullptr);
    EXPECT_EQ(error, "The archive folder " + foreign +
                         " belongs to another user, so it is not used; set TERROVANE_ARCHIVE to a file in a "
                         "folder of your own.");
}

// Stores distinct read-outs for ever, writing the seed of each committed one to `fd`.
[[noreturn]] void StoreForEver(const std::string& path, int fd) {
    std::string error;
    auto archive = Archive::Open(path, error);
    for (int seed = 0; archive != nullptr; ++seed) {
        const auto image = DistinctImage(seed);
        if (!archive->Store({"2024-05-17T09:30:05+02:00", "/dev/pts/9", &image}).stored) {
            break;
        }
        if (::write(fd, &seed, sizeof seed) != sizeof seed) {
            break;
        }
    }
    ::_exit(1);
}

TEST_F(ArchiveTest, KillingTheWriterMidwayKeepsEveryReadOutItHadStored) {
    { OpenArchive(); }  // the layout exists before the writer starts
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeFds[0]);
        StoreForEver(Path(), pipeFds[1]);
    }
    ::close(pipeFds[1]);
    std::vector<int> committed;
    int seed = 0;
    while (committed.size() < 25 && ::read(pipeFds[0], &seed, sizeof seed) == sizeof seed) {
        committed.push_back(seed);
    }
    ::kill(child, SIGKILL);  // most likely in the middle of the next transaction
    ::waitpid(child, nullptr, 0);
    while (::read(pipeFds[0], &seed, sizeof seed) == sizeof seed) {
        committed.push_back(seed);
    }
    ::close(pipeFds[0]);
    ASSERT_GE(committed.size(), 25u);

    EXPECT_EQ(ReadArchive(Path(), "--check"), HealthyCurrentLayout());
    auto archive = OpenArchive();
    std::string error;
    for (std::size_t i = 0; i < committed.size(); ++i) {
        EXPECT_EQ(archive->Image(static_cast<std::int64_t>(i) + 1, error), DistinctImage(committed[i])) << i;
    }
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT count(*) >= " + std::to_string(committed.size() * 100) +
                              " FROM readout_slots WHERE readout_id <= " + std::to_string(committed.size())),
              "[[1]]");
    EXPECT_TRUE(StoreImage(*archive, DistinctImage(100000)).stored);
}

// Stores until the disk refuses; the number of read-outs stored, or -1 when a store failed without reason.
int StoreUntilFull(Archive& archive) {
    for (int seed = 0; seed < 1000; ++seed) {
        const auto image = DistinctImage(seed);
        const StoreOutcome outcome = archive.Store({"2024-05-17T09:30:05+02:00", "/dev/pts/9", &image});
        if (!outcome.stored) {
            return outcome.error.empty() ? -1 : seed;
        }
    }
    return -1;
}

TEST_F(ArchiveTest, AFullDiskRefusesTheReadOutAndKeepsTheEarlierOnes) {
    const std::string small = Path("small");
    std::filesystem::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=1m,mode=0700") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
    }
    const std::string file = small + "/archive.sqlite";
    int stored = 0;
    {
        std::string error;
        auto archive = Archive::Open(file, error);
        ASSERT_NE(archive, nullptr) << error;
        stored = StoreUntilFull(*archive);
        EXPECT_GT(stored, 3);
        const auto image = DistinctImage(5000);
        const StoreOutcome outcome = archive->Store({"", "", &image});
        EXPECT_FALSE(outcome.stored);
        EXPECT_NE(outcome.error.find("full"), std::string::npos) << outcome.error;
    }
    EXPECT_EQ(ReadArchive(file, "--check"), HealthyCurrentLayout());
    EXPECT_EQ(ReadArchive(file, "SELECT count(*) FROM readouts"), "[[" + std::to_string(stored) + "]]");
    ::umount2(small.c_str(), MNT_DETACH);
}

TEST_F(ArchiveTest, AFileSizeLimitRefusesTheReadOutAndKeepsTheEarlierOnes) {
    { OpenArchive(); }
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{400 * 1024, 400 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        auto archive = Archive::Open(Path(), error);
        const int stored = archive != nullptr ? StoreUntilFull(*archive) : -2;
        ::write(pipeFds[1], &stored, sizeof stored);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    int stored = -3;
    ASSERT_EQ(::read(pipeFds[0], &stored, sizeof stored), static_cast<ssize_t>(sizeof stored));
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    ASSERT_GT(stored, 0);
    EXPECT_EQ(ReadArchive(Path(), "--check"), HealthyCurrentLayout());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM readouts"), "[[" + std::to_string(stored) + "]]");
    EXPECT_TRUE(IsFile(Path()));
}

}  // namespace
}  // namespace terrovane::archive::testing
