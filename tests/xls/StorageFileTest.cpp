#include <cstring>
#include <numeric>

#include <gtest/gtest.h>

#include "ByteCompare.h"
#include "GoldenBytes.h"
#include "StorageFile.h"

namespace terrovane::xls {
namespace {

using namespace golden;
using testing::BytesEqual;

std::int32_t I32At(const Bytes& image, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, image.data() + offset, 4);
    return v;
}

std::int32_t FatEntry(const Bytes& image, std::int32_t s) {
    return I32At(image, 512 + 4 * s);
}

// Byte offset of directory entry i, following the directory's chain from sector 1 in the first FAT sector.
std::size_t EntryOffset(const Bytes& image, int i) {
    std::int32_t sector = 1;
    for (int hop = 0; hop < i / 4; ++hop) {
        sector = FatEntry(image, sector);
    }
    return static_cast<std::size_t>(sector + 1) * 512 + 128 * static_cast<std::size_t>(i % 4);
}

struct Links {
    std::int32_t left, right, child;
};
Links LinksOf(const Bytes& image, int i) {
    const auto at = EntryOffset(image, i);
    return {I32At(image, at + 0x44), I32At(image, at + 0x48), I32At(image, at + 0x4C)};
}

Bytes Pattern(std::size_t n) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) {
        b[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return b;
}

TEST(StorageFile, NewFileIsHeaderFatAndOneDirectorySector) {
    const auto path = TempPath("new.cfb");
    StorageFile file;
    ASSERT_TRUE(file.CreateNew(path.string()));
    Bytes expected = Header(1, -2, 0, {0});
    Append(expected, TableSector({-3, -2}));
    Append(expected, DirectoryEntry("Root Entry", 5, -1, -1, -1, -2, 0));
    Zeros(expected, 3 * 128);
    EXPECT_TRUE(BytesEqual(expected, ReadFile(path)));
    EXPECT_EQ(ReadFile(path).size(), 1536u);
}

TEST(StorageFile, SmallWorkbookStreamGivesTheMiniStreamLayout) {
    const auto path = TempPath("mini886.cfb");
    const Bytes stream = Pattern(886);
    StorageFile file;
    ASSERT_TRUE(file.CreateNew(path.string()));
    ASSERT_EQ(file.MakeStream("Workbook"), Ok);
    ASSERT_EQ(file.WriteStream("Workbook", stream.data(), stream.size()), Ok);

    Bytes expected = Header(1, 3, 1, {0});
    Append(expected, TableSector({-3, -2, 4, -2, -2}));
    Append(expected, DirectoryEntry("Root Entry", 5, -1, -1, 1, 2, 896));
    Append(expected, DirectoryEntry("Workbook", 2, -1, -1, -1, 0, 886));
    Zeros(expected, 2 * 128);
    expected.insert(expected.end(), stream.begin(), stream.begin() + 512);
    std::vector<std::int32_t> miniFat(14);
    std::iota(miniFat.begin(), miniFat.end(), 1);
    miniFat[13] = -2;
    Append(expected, TableSector(miniFat));
    expected.insert(expected.end(), stream.begin() + 512, stream.end());
    Zeros(expected, 3072 - expected.size());
    EXPECT_TRUE(BytesEqual(expected, ReadFile(path)));
    EXPECT_TRUE(BytesEqual(expected, file.Image()));
}

TEST(StorageFile, CutoffIsStrictAt4096Bytes) {
    StorageFile file;
    ASSERT_TRUE(file.CreateNew(TempPath("cutoff.cfb").string()));
    ASSERT_EQ(file.MakeStream("Small"), Ok);
    ASSERT_EQ(file.MakeStream("Big"), Ok);
    const Bytes small = Pattern(4095), big = Pattern(4096);
    ASSERT_EQ(file.WriteStream("Small", small.data(), small.size()), Ok);
    ASSERT_EQ(file.WriteStream("Big", big.data(), big.size()), Ok);
    const Bytes& image = file.Image();
    // Entry 1 is "Big" (shorter name sorts first), entry 2 "Small".
    const auto root = EntryOffset(image, 0), bigEntry = EntryOffset(image, 1),
               smallEntry = EntryOffset(image, 2);
    EXPECT_EQ(I32At(image, root + 0x78), 4096);  // 64 mini sectors
    EXPECT_EQ(I32At(image, smallEntry + 0x74), 0);
    // The mini stream spans 8 sectors, the big stream 8 sectors of its own.
    int miniStreamSectors = 0;
    for (std::int32_t s = I32At(image, root + 0x74); s >= 0; s = FatEntry(image, s)) {
        ++miniStreamSectors;
    }
    EXPECT_EQ(miniStreamSectors, 8);
    int bigSectors = 0;
    for (std::int32_t s = I32At(image, bigEntry + 0x74); s >= 0; s = FatEntry(image, s)) {
        EXPECT_EQ(0, std::memcmp(image.data() + (s + 1) * 512, big.data() + 512 * bigSectors, 512));
        ++bigSectors;
    }
    EXPECT_EQ(bigSectors, 8);
}

TEST(StorageFile, SiblingTreesHangSmallerLeftAndLargerRightOfTheMiddle) {
    StorageFile file;
    ASSERT_TRUE(file.CreateNew(TempPath("siblings.cfb").string()));
    for (const char* name : {"C", "A", "B"}) {
        ASSERT_EQ(file.MakeStream(name), Ok);
    }
    // Entries sort by name: 1 = A, 2 = B, 3 = C.
    EXPECT_EQ(LinksOf(file.Image(), 0).child, 2);
    EXPECT_EQ(LinksOf(file.Image(), 2).left, 1);
    EXPECT_EQ(LinksOf(file.Image(), 2).right, 3);
    EXPECT_EQ(LinksOf(file.Image(), 1).left, -1);
    EXPECT_EQ(LinksOf(file.Image(), 3).right, -1);

    ASSERT_EQ(file.MakeStream("D"), Ok);
    EXPECT_EQ(LinksOf(file.Image(), 0).child, 3);
    EXPECT_EQ(LinksOf(file.Image(), 3).left, 2);
    EXPECT_EQ(LinksOf(file.Image(), 2).left, 1);
    EXPECT_EQ(LinksOf(file.Image(), 3).right, 4);
    EXPECT_EQ(LinksOf(file.Image(), 4).right, -1);
}

TEST(StorageFile, FifthEntryLinksASecondDirectorySector) {
    StorageFile file;
    ASSERT_TRUE(file.CreateNew(TempPath("fifth.cfb").string()));
    for (const char* name : {"A", "B", "C"}) {
        ASSERT_EQ(file.MakeStream(name), Ok);
    }
    EXPECT_EQ(FatEntry(file.Image(), 1), -2);
    const auto before = file.Image().size();
    ASSERT_EQ(file.MakeStorage("D"), Ok);
    EXPECT_EQ(FatEntry(file.Image(), 1), 2);
    EXPECT_EQ(FatEntry(file.Image(), 2), -2);
    EXPECT_EQ(file.Image().size(), before + 512);
    EXPECT_EQ(file.Image()[EntryOffset(file.Image(), 4) + 0x42], 1);  // "D" is a storage
}

TEST(StorageFile, NamesAndPathsFollowTheDirectoryRules) {
    StorageFile file;
    ASSERT_TRUE(file.CreateNew(TempPath("names.cfb").string()));
    EXPECT_EQ(file.MakeStream(std::string(31, 'n')), Ok);
    EXPECT_EQ(file.MakeStream(std::string(32, 'n')), LongName);
    EXPECT_EQ(file.MakeStream("S"), Ok);
    EXPECT_EQ(file.MakeStream("S"), NameTaken);
    EXPECT_EQ(file.MakeStream("Sub\\S"), Ok);  // creates the storage on the way
    EXPECT_EQ(file.MakeStream("Sub\\"), NameMissing);
    EXPECT_EQ(file.EnterStorage("Missing"), NoStorage);
    EXPECT_EQ(file.EnterStorage("S"), NoStorage);  // a stream is not a storage
    ASSERT_EQ(file.EnterStorage("Sub"), Ok);
    const Bytes data = Pattern(10);
    EXPECT_EQ(file.WriteStream("S", data.data(), data.size()), Ok);  // relative to Sub
    EXPECT_EQ(file.WriteStream("\\Nothing", data.data(), data.size()), NoStream);
    EXPECT_EQ(file.EnterStorage(".."), Ok);
    EXPECT_EQ(file.WriteStream("Sub", data.data(), data.size()), NoStream);
    EXPECT_EQ(I32At(file.Image(), EntryOffset(file.Image(), 0) + 0x40) & 0xFFFF, 22);
}

TEST(StorageFile, ShorterRewriteShrinksTheFileAndKeepsEveryStreamIntact) {
    const auto path = TempPath("shrink.cfb");
    StorageFile file;
    ASSERT_TRUE(file.CreateNew(path.string()));
    ASSERT_EQ(file.MakeStream("Long"), Ok);
    ASSERT_EQ(file.MakeStream("Tiny"), Ok);
    const Bytes big = Pattern(20000), small = Pattern(5000), tiny = Pattern(100);
    ASSERT_EQ(file.WriteStream("Long", big.data(), big.size()), Ok);
    ASSERT_EQ(file.WriteStream("Tiny", tiny.data(), tiny.size()), Ok);
    const auto before = ReadFile(path).size();
    ASSERT_EQ(file.WriteStream("Long", small.data(), small.size()), Ok);
    const auto after = ReadFile(path);
    EXPECT_EQ(after.size(), before - 512 * (40 - 10));
    // The shortened stream's chain still reads back its bytes after the sectors moved.
    const auto entry = EntryOffset(after, 1);
    std::size_t read = 0;
    for (std::int32_t s = I32At(after, entry + 0x74); s >= 0; s = FatEntry(after, s), read += 512) {
        EXPECT_EQ(0, std::memcmp(after.data() + (s + 1) * 512, small.data() + read,
                                 std::min<std::size_t>(512, 5000 - read)));
    }
    EXPECT_EQ(read, 5120u);
    // Big to mini and back again leaves no mini FAT behind once the mini stream is gone.
    ASSERT_EQ(file.WriteStream("Tiny", big.data(), big.size()), Ok);
    EXPECT_EQ(I32At(file.Image(), 0x3C), -2);
    EXPECT_EQ(I32At(file.Image(), EntryOffset(file.Image(), 0) + 0x74), -2);
}

}  // namespace
}  // namespace terrovane::xls
