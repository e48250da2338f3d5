// Storing read-outs: what lands in the file, duplicates, file modes.
#include <sys/stat.h>

#include <filesystem>

#include "ArchiveFixtures.h"
#include "ArchivePath.h"
#include "ContentKey.h"

namespace terrovane::archive::testing {
namespace {

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string hex = HexText(bytes);
    for (char& c : hex) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return hex;
}

TEST(ContentKeyTest, IsTheSha256OfThePacket) {
    const std::string abc = "abc";
    EXPECT_EQ(HexText(Sha256({reinterpret_cast<const std::uint8_t*>(abc.data()), abc.size()})),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 72 bytes cross the 56-byte padding boundary into a second block.
    const std::vector<std::uint8_t> packet(72, 'a');
    EXPECT_EQ(HexText(Sha256(packet)), "d66304b6180365e47c858f6c84d3da065caf4b3350c9f45277a1af82e3dbb055");
    EXPECT_EQ(HexText(Sha256({})), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST_F(ArchiveTest, StoresTheImageTheSlotsAndTheDecodedFieldsInAWalFileOnlyTheUserReads) {
    auto archive = OpenArchive("data/Terrovane/archive.sqlite");
    auto image = ImageWith({{3, MakeResult(1, 23, 5, 12.5f)}, {57, MakeResult(9, 2, 7, 2500.0f)}});
    record::PacketOf(image, 57)[60] = 0xAB;  // uninterpreted bytes are kept as read
    const StoreOutcome outcome = StoreImage(*archive, image);
    ASSERT_TRUE(outcome.stored) << outcome.error;
    EXPECT_EQ(outcome.newResults, 2);
    EXPECT_EQ(outcome.knownResults, 0);

    const std::string file = Path("data/Terrovane/archive.sqlite");
    EXPECT_EQ(ReadArchive(file, "--check"), HealthyCurrentLayout());
    EXPECT_EQ(ReadArchive(file, "SELECT id, read_at, port, hex(image) FROM readouts"),
              R"([[1, "2024-05-17T09:30:05+02:00", "/dev/ttyUSB0", ")" + Hex(image) + "\"]]");
    EXPECT_EQ(ReadArchive(file, "SELECT slot, result_id FROM readout_slots ORDER BY slot"),
              "[[3, 1], [57, 2]]");
    EXPECT_EQ(ReadArchive(file,
                          "SELECT first_readout, first_slot, mode, measured_on, measured_time, voltage_code, "
                          "frequency_code, v0, v6, v9, distance, hex(content_key), hex(packet) FROM results "
                          "WHERE id = 2"),
              R"([[1, 57, 9, "2009-01-02", "10:07:00", 1, 2, 0.0, 2500.0, 0.5, 0, ")" +
                  Hex(ContentKey(record::PacketOf(image, 57))) + R"(", ")" +
                  Hex(record::PacketOf(image, 57)) + "\"]]");

    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(Path("data/Terrovane").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

// The descriptors this process holds on the archive's files, from /proc/self/fd.
int DescriptorsOn(const std::string& path) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        count += target.rfind(path, 0) == 0 ? 1 : 0;
    }
    return count;
}

TEST_F(ArchiveTest, AnIdleArchiveHoldsNoDescriptorSoNoLockCanBeDroppedUnderIt) {
    auto archive = OpenArchive();
    EXPECT_EQ(DescriptorsOn(Path()), 0);
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 2)).stored);
    std::string error;
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results({}, {}, -1, 0, rows, error)) << error;
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 1, "Pole 1", std::nullopt, error)) << error;
    EXPECT_EQ(archive->Labels(error), std::vector<std::string>{"Pole 1"});
    EXPECT_EQ(DescriptorsOn(Path()), 0);
    // The last connection checkpoints and removes the journal, so no other program needs it.
    EXPECT_FALSE(std::filesystem::exists(Path() + "-wal"));
    EXPECT_EQ(rows.size(), 2u);
}

TEST_F(ArchiveTest, ReadingTheSameResultsAgainLinksThemInsteadOfStoringThemTwice) {
    auto archive = OpenArchive();
    const auto first = ImageWith({{0, MakeResult(1, 1, 0, 1.0f)}, {1, MakeResult(2, 1, 1, 2.0f)}});
    // The second read-out: slot 0 erased, slot 1 still there, a new result in slot 2.
    const auto second = ImageWith({{1, MakeResult(2, 1, 1, 2.0f)}, {2, MakeResult(3, 1, 2, 3.0f)}});
    ASSERT_TRUE(StoreImage(*archive, first).stored);
    StoreOutcome outcome = StoreImage(*archive, second, "2024-05-18T08:00:00+02:00");
    ASSERT_TRUE(outcome.stored) << outcome.error;
    EXPECT_EQ(outcome.newResults, 1);
    EXPECT_EQ(outcome.knownResults, 1);
    outcome = StoreImage(*archive, second, "2024-05-19T08:00:00+02:00");
    EXPECT_EQ(outcome.newResults, 0);
    EXPECT_EQ(outcome.knownResults, 2);

    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM results"), "[[3]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT readout_id, slot, result_id FROM readout_slots ORDER BY 1, 2"),
              "[[1, 0, 1], [1, 1, 2], [2, 1, 2], [2, 2, 3], [3, 1, 2], [3, 2, 3]]");
    // Each read-out gives back the very bytes that were read, and its results in slot order.
    std::string error;
    EXPECT_EQ(archive->Image(1, error), first);
    EXPECT_EQ(archive->Image(3, error), second);
    EXPECT_FALSE(archive->Image(4, error));
    EXPECT_NE(error.find("no read-out 4"), std::string::npos);
    std::vector<ReadOutRow> readouts;
    ASSERT_TRUE(archive->ReadOuts({}, -1, 0, readouts, error)) << error;
    ASSERT_EQ(readouts.size(), 3u);
    EXPECT_EQ(readouts[0].id, 3);
    EXPECT_EQ(readouts[0].results, (std::vector<std::int64_t>{2, 3}));
    EXPECT_EQ(readouts[2].results, (std::vector<std::int64_t>{1, 2}));
}

TEST_F(ArchiveTest, AnEmptyReadOutIsStoredWithoutResults) {
    auto archive = OpenArchive();
    const StoreOutcome outcome = StoreImage(*archive, ImageWith({}));
    ASSERT_TRUE(outcome.stored);
    EXPECT_EQ(outcome.newResults + outcome.knownResults, 0);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*), (SELECT count(*) FROM results) FROM readouts"),
              "[[1, 0]]");
}

TEST_F(ArchiveTest, TheDefaultPlaceFollowsTheEnvironment) {
    ::setenv("TERROVANE_ARCHIVE", "/x/a.sqlite", 1);
    EXPECT_EQ(DefaultArchivePath(), "/x/a.sqlite");
    ::unsetenv("TERROVANE_ARCHIVE");
    ::setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(DefaultArchivePath(), "/data/Terrovane/archive.sqlite");
    ::unsetenv("XDG_DATA_HOME");
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : ".";
    EXPECT_EQ(DefaultArchivePath(), home + "/.local/share/Terrovane/archive.sqlite");
}

TEST(NowTest, CarriesTheZoneOffset) {
    const std::string now = NowIso8601();
    ASSERT_EQ(now.size(), 25u) << now;
    EXPECT_EQ(now[10], 'T');
    EXPECT_TRUE(now[19] == '+' || now[19] == '-') << now;
    EXPECT_EQ(now[22], ':');
}

}  // namespace
}  // namespace terrovane::archive::testing
