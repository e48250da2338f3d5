#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "ByteCompare.h"
#include "Fixtures.h"
#include "GbkText.h"
#include "HandoffDir.h"
#include "HandoffFiles.h"
#include "MessageRecorder.h"

namespace terrovane::handoff {
namespace {

using testing::ImageWith;
using testing::ReadBytes;
using testing::SampleRecord;
using testing::WriteBytes;

class HandoffFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { qputenv("TERROVANE_HANDOFF_DIR", QFile::encodeName(dir_.path() + "/handoff")); }
    void TearDown() override { qunsetenv("TERROVANE_HANDOFF_DIR"); }
    std::string Path(const char* name) const { return platform::HandoffPath(name).value(); }

    QTemporaryDir dir_;
};

TEST_F(HandoffFilesTest, HandoffDirIsCreatedPrivate) {
    const std::string dir = platform::HandoffDir().value();
    EXPECT_EQ(dir, (dir_.path() + "/handoff").toStdString());
    EXPECT_EQ(QFile::permissions(QString::fromStdString(dir)) & 0x0077, 0);  // no group or other bits
}

TEST_F(HandoffFilesTest, RecordFileIsTheImageByteForByte) {
    const auto image = ImageWith({{0, SampleRecord(1)}, {99, SampleRecord(9)}});
    std::string error;
    ASSERT_TRUE(WriteRecordFile(image, &error)) << error;
    EXPECT_TRUE(testing::BytesEqual(image, ReadBytes(Path(kRecordFileName))));
    // Nothing but data.inf is left in the folder (the temporary file was renamed over it).
    EXPECT_EQ(QDir(QString::fromStdString(platform::HandoffDir().value())).entryList(QDir::Files),
              QStringList{"data.inf"});
}

TEST_F(HandoffFilesTest, UnwritableRecordFileIsReportedAndOldFileKept) {
    const auto first = ImageWith({{3, SampleRecord(2)}});
    ASSERT_TRUE(WriteRecordFile(first));
    const QString dir = QString::fromStdString(platform::HandoffDir().value());
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    std::string error;
    const bool written = WriteRecordFile(ImageWith({}), &error);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    EXPECT_FALSE(written);
    EXPECT_NE(error.find("data.inf"), std::string::npos);
    EXPECT_TRUE(testing::BytesEqual(first, ReadBytes(Path(kRecordFileName))));
}

TEST_F(HandoffFilesTest, OnlyPacketsMarkedUAreUnpackedWhateverTheirMarkers) {
    auto image = ImageWith({{0, SampleRecord(1)}, {5, SampleRecord(6)}, {7, SampleRecord(7)}});
    record::PacketOf(image, 5)[0] = 'X';  // damaged "OK" marker
    record::PacketOf(image, 5)[69] = 0;
    record::PacketOf(image, 7)[record::RecordPacket::kValidMarkOffset] = 0;
    ASSERT_TRUE(WriteRecordFile(image));
    record::RecordTable table;
    ASSERT_TRUE(LoadRecordFile(table));
    EXPECT_EQ(table.OccupiedCount(), 2);
    ASSERT_TRUE(table.IsOccupied(5));
    EXPECT_EQ(table.At(5)->mode, 6u);
    EXPECT_EQ(table.At(5)->values[record::kRac], 40.f);
    EXPECT_FALSE(table.IsOccupied(7));
    // data.inf stays in place: a second run prints the same records.
    record::RecordTable again;
    EXPECT_TRUE(LoadRecordFile(again));
    EXPECT_EQ(again.OccupiedCount(), 2);
}

TEST_F(HandoffFilesTest, RecordFileOfAnyOtherLengthYieldsNoRecords) {
    const auto image = ImageWith({{0, SampleRecord(1)}});
    for (const std::size_t size : {std::size_t{0}, std::size_t{7199}, std::size_t{7201}}) {
        std::vector<std::uint8_t> bytes(image.begin(), image.end());
        bytes.resize(size, 'U');
        WriteBytes(Path(kRecordFileName), bytes);
        record::RecordTable table;
        EXPECT_FALSE(LoadRecordFile(table)) << size;
        EXPECT_EQ(table.OccupiedCount(), 0) << size;
    }
    record::RecordTable table;
    QFile::remove(QString::fromStdString(Path(kRecordFileName)));
    EXPECT_FALSE(LoadRecordFile(table));
}

TEST_F(HandoffFilesTest, HeaderFileRoundTripsInGbk) {
    const HeaderTexts texts{"变电站 A", "SN-0001", "张三"};
    ASSERT_TRUE(SaveHeaderFile(texts));
    const auto bytes = ReadBytes(Path(kHeaderFileName));
    ASSERT_EQ(bytes.size(), 768u);
    const std::string gbk = platform::Utf8ToGbk("变电站 A");
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + gbk.size()), gbk);
    EXPECT_EQ(gbk.size(), 8u);  // two bytes per Chinese character
    EXPECT_EQ(bytes[gbk.size()], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[256])), "SN-0001");
    EXPECT_EQ(LoadHeaderFile(), texts);
}

TEST_F(HandoffFilesTest, EmptyTextsGiveZeroBytesAndLoadEmpty) {
    ASSERT_TRUE(SaveHeaderFile({}));
    EXPECT_EQ(ReadBytes(Path(kHeaderFileName)), std::vector<std::uint8_t>(768, 0));
    EXPECT_EQ(LoadHeaderFile(), HeaderTexts{});
}

TEST_F(HandoffFilesTest, ThirtyTwoCharacterObjectFillsThirtyTwoBytes) {
    ASSERT_TRUE(SaveHeaderFile({std::string(32, 'x'), "", ""}));
    const auto bytes = ReadBytes(Path(kHeaderFileName));
    EXPECT_EQ(std::count(bytes.begin(), bytes.begin() + 256, 'x'), 32);
    EXPECT_EQ(std::count(bytes.begin() + 32, bytes.begin() + 256, 0), 224);
}

TEST_F(HandoffFilesTest, HeaderFileLengthRules) {
    std::vector<std::uint8_t> bytes(768, 'a');  // no zero byte in any field
    bytes[256] = 'b';
    bytes[512] = 'c';
    WriteBytes(Path(kHeaderFileName), bytes);
    auto texts = LoadHeaderFile();
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->object, std::string(256, 'a'));  // exactly one field, never into the next
    EXPECT_EQ(texts->serialNumber, "b" + std::string(255, 'a'));

    bytes.resize(767);  // still accepted; the tester field is then 255 bytes
    WriteBytes(Path(kHeaderFileName), bytes);
    texts = LoadHeaderFile();
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->tester, "c" + std::string(254, 'a'));

    bytes.resize(766);
    WriteBytes(Path(kHeaderFileName), bytes);
    EXPECT_FALSE(LoadHeaderFile());
    bytes.resize(900, 'z');  // bytes beyond 768 are ignored
    WriteBytes(Path(kHeaderFileName), bytes);
    ASSERT_TRUE(LoadHeaderFile());
    EXPECT_EQ(LoadHeaderFile()->tester.size(), 256u);
}

// The readings of bytes in hand give what the loaders give from the same bytes on disk.
TEST_F(HandoffFilesTest, BytesInHandReadAsTheFilesDo) {
    ASSERT_TRUE(SaveHeaderFile({"变电站 A", "SN-7", "张三"}));
    const auto header = ReadBytes(Path(kHeaderFileName));
    const std::string headerBytes(header.begin(), header.end());
    EXPECT_EQ(ParseHeaderBytes(headerBytes), LoadHeaderFile());
    EXPECT_EQ(ParseHeaderBytes(headerBytes)->object, "变电站 A");
    EXPECT_FALSE(ParseHeaderBytes(headerBytes.substr(0, 766)));

    const auto image = ImageWith({{5, SampleRecord(3)}});
    const std::string imageBytes(image.begin(), image.end());
    record::RecordTable table;
    ASSERT_TRUE(UnpackRecordBytes(imageBytes, table));
    EXPECT_EQ(table.OccupiedCount(), 1);
    EXPECT_TRUE(table.IsOccupied(5));
    record::RecordTable untouched;
    EXPECT_FALSE(UnpackRecordBytes(imageBytes + '\0', untouched));
    EXPECT_EQ(untouched.OccupiedCount(), 0);
}

// Another user who can reach into the folder might plant links to the user's own files under both names.
TEST_F(HandoffFilesTest, PlantedLinksAreNeitherReadNorWrittenThrough) {
    const std::string victim = (dir_.path() + "/victim").toStdString();
    const auto image = ImageWith({{0, SampleRecord(1)}});
    WriteBytes(victim, std::vector<std::uint8_t>(image.begin(), image.end()));
    ASSERT_TRUE(QFile::link(QString::fromStdString(victim), QString::fromStdString(Path(kRecordFileName))));
    ASSERT_TRUE(QFile::link(QString::fromStdString(victim), QString::fromStdString(Path(kHeaderFileName))));

    record::RecordTable table;
    EXPECT_FALSE(LoadRecordFile(table));
    EXPECT_EQ(table.OccupiedCount(), 0);
    EXPECT_FALSE(LoadHeaderFile());
    std::string error;
    EXPECT_FALSE(WriteRecordFile(ImageWith({}), &error));
    EXPECT_EQ(error, Path(kRecordFileName) + ": is a symbolic link, which is not followed");
    EXPECT_FALSE(SaveHeaderFile({"planted", "", ""}));
    EXPECT_TRUE(testing::BytesEqual(image, ReadBytes(victim)));
    EXPECT_EQ(
        HandoffProblems(),
        (std::vector<std::string>{
            Path(kRecordFileName) +
                ": is a symbolic link, which is not followed; it is neither read nor replaced. Remove it.",
            Path(kHeaderFileName) +
                ": is a symbolic link, which is not followed; it is neither read nor replaced. Remove it."}));
}

TEST_F(HandoffFilesTest, FifoInPlaceOfDataInfIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(Path(kRecordFileName).c_str(), 0600), 0);
    record::RecordTable table;
    EXPECT_FALSE(LoadRecordFile(table));  // would block for a writer if it were opened for reading
    EXPECT_EQ(HandoffProblems(), std::vector<std::string>{Path(kRecordFileName) +
                                                          ": is not a regular file; it is neither read nor "
                                                          "replaced. Remove it."});
}

TEST_F(HandoffFilesTest, FolderOthersCanWriteToIsRefusedForEveryFile) {
    const QString dir = QString::fromStdString(platform::HandoffDir().value());
    ASSERT_TRUE(SaveHeaderFile({"kept", "", ""}));
    ASSERT_TRUE(WriteRecordFile(ImageWith({{1, SampleRecord(1)}})));
    const std::string header = Path(kHeaderFileName);
    ::chmod(dir.toLocal8Bit().constData(), 0777);
    std::string error;
    EXPECT_FALSE(WriteRecordFile(ImageWith({}), &error));
    EXPECT_NE(error.find("can be written by other users"), std::string::npos) << error;
    record::RecordTable table;
    EXPECT_FALSE(LoadRecordFile(table));
    EXPECT_FALSE(LoadHeaderFile());
    EXPECT_FALSE(SaveHeaderFile({}));
    ASSERT_EQ(HandoffProblems().size(), 1u);
    EXPECT_EQ(HandoffProblems()[0], error);
    EXPECT_EQ(ReadBytes(header).at(0), 'k');  // nothing was replaced
}

TEST(GbkTextTest, CutNeverSplitsACharacter) {
    const std::string gbk = platform::Utf8ToGbk("a测试");  // 1 + 2 + 2 bytes
    EXPECT_EQ(platform::GbkPrefix(gbk, 4), platform::Utf8ToGbk("a测"));
    EXPECT_EQ(platform::GbkPrefix(gbk, 5), gbk);
    EXPECT_EQ(platform::GbkToUtf8(gbk), "a测试");
    EXPECT_EQ(platform::Utf8ToGbk("€ok"), platform::Utf8ToGbk("€ok"));      // no crash on any input
    EXPECT_EQ(platform::GbkToUtf8(std::string("x\x81")), "x\xEF\xBF\xBD");  // a lead byte cut short
}

// A malformed character (a Latin-1 name typed on the command line, a sequence cut short) becomes one "?"
// and costs nothing after it; a character GBK has no place for costs only itself.
TEST(GbkTextTest, BadCharacterCostsOnlyItself) {
    EXPECT_EQ(platform::Utf8ToGbk("M\xFCller"), "M?ller");
    EXPECT_EQ(platform::Utf8ToGbk("\xE4\xB5 A"), "? A");
    EXPECT_EQ(platform::Utf8ToGbk("\xE6\xB5"), "?");  // cut short at the end
    EXPECT_EQ(platform::Utf8ToGbk("a\xF0\x9F\x98\x80"
                                  "b"),
              "a?b");
    EXPECT_EQ(platform::Utf8ToGbk("\x80\x80x"), "??x");
    EXPECT_EQ(platform::GbkToUtf8(platform::Utf8ToGbk("测\xFF试")), "测?试");
}

}  // namespace
}  // namespace terrovane::handoff
