// Photos and documents in the archive: layout 9 on a file of layout 8, each file kept once by its digest,
// an attachment going with its owner and a file with its last attachment, read back by Python's sqlite3.
#include "ArchiveFixtures.h"
#include "Attachments.h"
#include "ContentKey.h"
#include "Schema.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::archive::testing {
namespace {

class AttachmentsTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        SiteFields site;
        site.name = "Mast 7";
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
        PointFields point;
        point.name = "Leg A";
        ASSERT_TRUE(AddPoint(*archive, siteId, point, pointId, error)) << error;
    }

    static AttachmentFile File(const std::string& bytes, std::optional<Position> position = std::nullopt) {
        AttachmentFile file;
        file.bytes = bytes;
        file.thumbnail = "thumb of " + bytes;
        file.width = 4000;
        file.height = 3000;
        file.taken = "2024-05-17 09:30:05";
        file.position = position;
        return file;
    }

    std::int64_t Attached(AttachedTo kind, std::int64_t id, const std::string& bytes,
                          const std::string& name) {
        const auto attached = Attach(*archive, {{kind, id}, name, "", File(bytes)});
        EXPECT_TRUE(attached) << attached.Error().Text();
        return attached ? attached.Value() : 0;
    }

    std::string Files() const {
        return ReadArchive(Path(),
                           "SELECT digest, size, length(thumbnail) FROM attachment_files ORDER BY id");
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::int64_t pointId = 0;
    std::string error;
};

// What a program of layout 8 left: none of the attachments' tables.
constexpr const char* kBackToLayoutEight = R"py(
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("DROP TRIGGER attachment_files_unused")
for table in ("attachments", "attachment_bytes", "attachment_files"):
    db.execute("DROP TABLE " + table)
db.execute("PRAGMA user_version = 8")
db.commit()
)py";

TEST_F(AttachmentsTest, AFileOfLayoutEightGainsTheTablesAndKeepsItsSitesAndTypedResults) {
    TypedResultFields typed;
    typed.point = pointId;
    typed.method = "3-pole";
    typed.values = {{"Re", 4.2, false}};
    typed.measured = "2024-03-01 09:15";
    ASSERT_TRUE(AddTypedResult(*archive, typed));
    archive.reset();
    RunCommand("/usr/bin/python3 -c " + terrovane::testing::ShellQuoted(kBackToLayoutEight) + " " +
               terrovane::testing::ShellQuoted(Path()));
    ASSERT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[8]]");

    archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[" + std::to_string(kSchemaVersion) + "]]");
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT name FROM sqlite_schema WHERE name LIKE 'attachment%' AND type = "
                          "'table' ORDER BY name"),
              R"([["attachment_bytes"], ["attachment_files"], ["attachments"]])");
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT s.name, p.name, t.method FROM typed_results t JOIN points p ON p.id "
                          "= t.point_id JOIN sites s ON s.id = p.site_id"),
              R"([["Mast 7", "Leg A", "3-pole"]])");
    EXPECT_GT(Attached(AttachedTo::Point, pointId, "photo", "pit.jpg"), 0);
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA foreign_key_check"), "[]");
}

TEST_F(AttachmentsTest, TheSamePhotoTwiceIsKeptOnceAndComesBackByteForByte) {
    // Its length from the literal itself: the zero byte inside must travel, the closing one must not.
    static constexpr char kBytes[] = "\xFF\xD8\xFF\xE0 a photo\0with a zero byte";
    const std::string photo(kBytes, sizeof kBytes - 1);
    const std::int64_t onSite = Attached(AttachedTo::Site, siteId, photo, "IMG_0001.jpg");
    const std::int64_t onPoint = Attached(AttachedTo::Point, pointId, photo, "copy of it.jpg");
    EXPECT_NE(onSite, onPoint);
    // Attached to the same owner again: nothing new.
    EXPECT_EQ(Attached(AttachedTo::Site, siteId, photo, "IMG_0001 (2).jpg"), onSite);
    const std::string digest =
        HexText(Sha256({reinterpret_cast<const std::uint8_t*>(photo.data()), photo.size()}));
    EXPECT_EQ(Files(), "[[\"" + digest + "\", " + std::to_string(photo.size()) + ", " +
                           std::to_string(File(photo).thumbnail.size()) + "]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM attachments"), "[[2]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT lower(hex(bytes)) FROM attachment_bytes"),
              "[[\"" + HexText({reinterpret_cast<const std::uint8_t*>(photo.data()), photo.size()}) + "\"]]");

    const auto bytes = AttachmentBytes(*archive, onPoint);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes.Value(), photo);
    const auto rows = Attachments(*archive, {AttachedTo::Point, pointId});
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows.Value().size(), 1u);
    EXPECT_EQ(rows.Value()[0].name, "copy of it.jpg");
    EXPECT_EQ(rows.Value()[0].digest, digest);
    EXPECT_EQ(rows.Value()[0].taken, "2024-05-17 09:30:05");
}

TEST_F(AttachmentsTest, AFileLeavesWithItsLastAttachmentAndAttachmentsGoWithTheirOwner) {
    const std::int64_t onSite = Attached(AttachedTo::Site, siteId, "shared", "a.jpg");
    const std::int64_t onPoint = Attached(AttachedTo::Point, pointId, "shared", "a.jpg");
    Attached(AttachedTo::Point, pointId, "the point's own", "b.png");
    ASSERT_TRUE(Detach(*archive, onSite).Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM attachment_files"), "[[2]]");
    const Status again = Detach(*archive, onSite);
    ASSERT_FALSE(again.Ok());
    EXPECT_EQ(again.Error().code, ErrorCode::NoSuchItem);
    ASSERT_TRUE(Detach(*archive, onPoint).Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*), sum(size) FROM attachment_files"), "[[1, 15]]");
    // The point deleted, its attachment and the file go too.
    ASSERT_TRUE(DeletePoint(*archive, pointId, error)) << error;
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT (SELECT count(*) FROM attachments), (SELECT count(*) FROM "
                          "attachment_files), (SELECT count(*) FROM attachment_bytes)"),
              "[[0, 0, 0]]");
    const auto gone = Attachments(*archive, {AttachedTo::Point, pointId});
    ASSERT_FALSE(gone);
    EXPECT_EQ(gone.Error().code, ErrorCode::NoSuchItem);
}

TEST_F(AttachmentsTest, ATypedResultsPhotosStayWithItsCorrectionAndCaptionsAreChecked) {
    TypedResultFields typed;
    typed.point = pointId;
    typed.method = "3-pole";
    typed.values = {{"Re", 4.2, false}};
    typed.measured = "2024-03-01 09:15";
    const auto first = AddTypedResult(*archive, typed);
    ASSERT_TRUE(first);
    const std::int64_t id = Attached(AttachedTo::TypedResult, first.Value(), "clamp photo", "clamp.jpg");
    typed.values = {{"Re", 5.0, false}};
    const auto second = CorrectTypedResult(*archive, first.Value(), typed);
    ASSERT_TRUE(second);
    const auto rows = Attachments(*archive, {AttachedTo::TypedResult, second.Value()});
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows.Value().size(), 1u);
    const auto row = AttachmentById(*archive, id);
    ASSERT_TRUE(row);
    EXPECT_EQ(row.Value().owner.kind, AttachedTo::TypedResult);
    EXPECT_EQ(row.Value().owner.id, second.Value());

    ASSERT_TRUE(SetAttachmentCaption(*archive, id, "  Clamp on the down conductor  ").Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT caption FROM attachments"), R"([["Clamp on the down conductor"]])");
    const Status tooLong = SetAttachmentCaption(*archive, id, std::string(501, 'x'));
    ASSERT_FALSE(tooLong.Ok());
    EXPECT_EQ(tooLong.Error().code, ErrorCode::Refused);
    EXPECT_TRUE(SetAttachmentCaption(*archive, id, std::string(500, 'x')).Ok());
    const auto missing = Attach(*archive, {{AttachedTo::Result, 999}, "x.jpg", "", File("x")});
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Error().Text(), "there is no result 999");
}

}  // namespace
}  // namespace terrovane::archive::testing
