// Photos, documents, the report's photo choice and issued reports in the team sync, against the real
// server: they reach the colleagues of their site byte for byte, a member of another site receives no row
// and no byte of them (asked through psql as that member too), a viewer's attachment and a forged digest
// are refused and listed, and a report's revision keeps the earlier one. A typed result's photos travel as
// its site's, and an attachment removed leaves every PC of its site, unless a viewer removed it.
#include "Attachments.h"
#include "IssuedReports.h"
#include "Numbers.h"
#include "ReportPhotos.h"
#include "ServerSchema.h"
#include "Sites.h"
#include "SyncFixture.h"
#include "TypedResults.h"

namespace terrovane::testing {
namespace {

// The layout this program speaks, which the server's functions are asked in.
std::string Layout() {
    return std::to_string(team::kServerLayout);
}

// A JPEG's first bytes and more than two pieces of the transfer after them: enough that a file goes in
// several pieces, and the bytes differ from piece to piece so a piece out of its place shows.
std::string LargePhoto() {
    std::string bytes = "\xFF\xD8\xFF\xE0";
    bytes.reserve(2621440 + 8);
    for (std::size_t at = 0; bytes.size() < 2621440; ++at) {
        bytes.push_back(static_cast<char>((at * 7919) % 251));
    }
    return bytes + "\xFF\xD9";
}

std::string SmallPdf(const std::string& text) {
    return "%PDF-1.4\n% " + text + "\n%%EOF\n";
}

class SyncPhotosTest : public SyncTest {
  protected:
    void SetUp() override {
        SyncTest::SetUp();
        north = AddSite("ann", "North");
        south = AddSite("ann", "South");
        rod = AddPoint("ann", north, "Rod N");
    }

    std::int64_t AttachTo(const std::string& who, archive::AttachmentOwner owner, const std::string& name,
                          const std::string& caption, const std::string& bytes,
                          archive::AttachmentKind kind = archive::AttachmentKind::Jpeg) {
        archive::NewAttachment attachment;
        attachment.owner = owner;
        attachment.name = name;
        attachment.caption = caption;
        attachment.file.kind = kind;
        attachment.file.bytes = bytes;
        if (kind != archive::AttachmentKind::Pdf) {
            attachment.file.thumbnail = "\xFF\xD8 small";
            attachment.file.width = 4000;
            attachment.file.height = 3000;
            attachment.file.taken = "2024-05-17 10:30:00";
        }
        const auto made = archive::Attach(Archive(who), attachment);
        EXPECT_TRUE(made) << made.Error().Text();
        return made ? made.Value() : 0;
    }

    std::int64_t IdOn(const std::string& who, const std::string& sql) {
        const std::string json = Query(who, sql);
        return numbers::ParseInteger<std::int64_t>(json.substr(2, json.size() - 4)).value_or(0);
    }

    std::string BytesOn(const std::string& who, std::int64_t attachment) {
        const auto bytes = archive::AttachmentBytes(Archive(who), attachment);
        return bytes ? bytes.Value() : std::string("(none)");
    }

    void Issue(const std::string& who, std::int64_t site, int revision, const std::string& pdf) {
        archive::NewIssuedReport report;
        report.number = "TV-2024-0001";
        report.revision = revision;
        report.site = site;
        report.siteName = "North";
        report.issuedOn = "2024-05-17";
        report.issuedBy = "Ann";
        report.language = "en";
        report.pdf = pdf;
        const auto kept = archive::KeepIssuedReport(Archive(who), report);
        ASSERT_TRUE(kept) << kept.Error().Text();
    }

    void SyncOk(const std::string& who) {
        const sync::SyncReport report = Sync(who);
        ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
        EXPECT_TRUE(report.inSync) << Query(who, "SELECT * FROM sync_rejected");
    }

    std::int64_t north = 0;
    std::int64_t south = 0;
    std::int64_t rod = 0;
};

TEST_F(SyncPhotosTest, APhotoAndADocumentReachAColleagueOfTheSiteByteForByteAndCaptionsFollow) {
    const std::string photo = LargePhoto();
    const std::string pdf = SmallPdf("drawing");
    AttachTo("ann", {archive::AttachedTo::Point, rod}, "rod.jpg", "Rod after digging", photo);
    AttachTo("ann", {archive::AttachedTo::Site, north}, "plan.pdf", "", pdf, archive::AttachmentKind::Pdf);
    SyncOk("ann");
    Member("ida", team::MemberRole::Inspector, {"North"});
    const sync::SyncReport ida = Sync("ida");
    ASSERT_EQ(ida.error, sync::SyncError::None) << ida.detail;
    EXPECT_TRUE(ida.inSync);

    EXPECT_EQ(
        Query("ida",
              "SELECT coalesce(s.name, p.name), a.name, a.caption, f.kind, f.size, f.width, f.height, "
              "f.taken, hex(f.thumbnail) FROM attachments a JOIN attachment_files f ON f.id = a.file_id "
              "LEFT JOIN sites s ON s.id = a.site_id LEFT JOIN points p ON p.id = a.point_id ORDER BY "
              "a.name"),
        R"([["North", "plan.pdf", "", "pdf", 25, null, null, null, ""], )"
        R"(["Rod N", "rod.jpg", "Rod after digging", "jpeg", 2621442, 4000, 3000, "2024-05-17 10:30:00", )"
        R"("FFD820736D616C6C"]])");
    EXPECT_TRUE(BytesOn("ida", IdOn("ida", "SELECT id FROM attachments WHERE name = 'rod.jpg'")) == photo);
    EXPECT_TRUE(BytesOn("ida", IdOn("ida", "SELECT id FROM attachments WHERE name = 'plan.pdf'")) == pdf);
    // Once on the server, once per file.
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.files").Scalar(), "2");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.file_uploads").Scalar(), "0");

    // Ida's caption reaches Ann; a sync with nothing new sends and takes nothing.
    const std::int64_t idas = IdOn("ida", "SELECT id FROM attachments WHERE name = 'rod.jpg'");
    ASSERT_TRUE(archive::SetAttachmentCaption(Archive("ida"), idas, "Rod N, north face").Ok());
    SyncOk("ida");
    SyncOk("ann");
    EXPECT_EQ(Query("ann", "SELECT caption FROM attachments WHERE name = 'rod.jpg'"),
              R"([["Rod N, north face"]])");
    const sync::SyncReport quiet = Sync("ann");
    EXPECT_EQ(quiet.pushed + quiet.pulled, 0);
}

TEST_F(SyncPhotosTest, AMemberOfAnotherSiteReceivesNoRowAndNoByte) {
    AttachTo("ann", {archive::AttachedTo::Point, rod}, "rod.jpg", "North's rod", LargePhoto());
    const std::int64_t result = StoreReadOut("ann", 3);
    std::string error;
    ASSERT_TRUE(archive::Assign(Archive("ann"), {result}, rod, error)) << error;
    AttachTo("ann", {archive::AttachedTo::Result, result}, "display.png", "", "\x89PNG\r\n\x1a\nresult",
             archive::AttachmentKind::Png);
    Issue("ann", north, 1, SmallPdf("north report"));
    SyncOk("ann");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.attachments WHERE site IS NOT NULL").Scalar(),
              "2");

    Member("ivy", team::MemberRole::Inspector, {"South"});
    SyncOk("ivy");
    EXPECT_EQ(Query("ivy",
                    "SELECT (SELECT count(*) FROM attachments), (SELECT count(*) FROM attachment_files), "
                    "(SELECT count(*) FROM attachment_bytes), (SELECT count(*) FROM issued_reports), "
                    "(SELECT count(*) FROM report_files)"),
              "[[0, 0, 0, 0, 0]]");
    const std::string digest =
        owner_->Query("SELECT digest FROM terrovane.files ORDER BY size DESC LIMIT 1").Scalar();
    EXPECT_EQ(PsqlAs("ivy", "SELECT count(*) FROM terrovane.attachments(" + Layout() + ")"), "0\n");
    EXPECT_EQ(PsqlAs("ivy", "SELECT count(*) FROM terrovane.issued_reports(" + Layout() + ")"), "0\n");
    EXPECT_NE(PsqlAs("ivy", "SELECT terrovane.file_piece(" + Layout() + ", '" + digest + "', 0, 100)")
                  .find("no file of the member's sites"),
              std::string::npos);
    EXPECT_NE(PsqlAs("ivy", "SELECT count(*) FROM terrovane.files").find("permission denied"),
              std::string::npos);
}

TEST_F(SyncPhotosTest, AViewersAttachmentIsRefusedAndListedAndTheOthersGoOn) {
    SyncOk("ann");
    Member("vic", team::MemberRole::Viewer, {"North"});
    SyncOk("vic");
    const std::int64_t vicsNorth = IdOn("vic", "SELECT id FROM sites WHERE name = 'North'");
    AttachTo("vic", {archive::AttachedTo::Site, vicsNorth}, "mine.jpg", "", LargePhoto());
    AttachTo("ann", {archive::AttachedTo::Site, north}, "anns.jpg", "", "\xFF\xD8\xFF ann");
    SyncOk("ann");

    const sync::SyncReport refused = Sync("vic");
    ASSERT_EQ(refused.error, sync::SyncError::None) << refused.detail;
    EXPECT_EQ(refused.rejected, 1);
    EXPECT_FALSE(refused.inSync);
    EXPECT_EQ(Query("vic", "SELECT kind, sqlstate FROM sync_rejected"), R"([["attachment", "42501"]])");
    EXPECT_EQ(Query("vic", "SELECT name FROM attachments ORDER BY name"), R"([["anns.jpg"], ["mine.jpg"]])");
    EXPECT_EQ(owner_->Query("SELECT string_agg(name, ',') FROM terrovane.attachments").Scalar(), "anns.jpg");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.file_uploads").Scalar(), "0");
    // Listed, it is not sent again on every sync.
    const sync::SyncReport again = Sync("vic");
    EXPECT_EQ(again.rejected, 0);
}

TEST_F(SyncPhotosTest, AForgedDigestIsRefused) {
    SyncOk("ann");
    // A program that lies about the bytes: pieces under another file's digest.
    const std::unique_ptr<pg::Connection> ann = SignIn("ann");
    const std::string claimed = std::string(64, 'a');
    const pg::QueryResult piece = ann->Query(
        "SELECT terrovane.put_file_piece(" + Layout() + ", $1, 0, $2::bytea)", {claimed, "\\xffd8ff00"});
    ASSERT_TRUE(piece.Ok()) << piece.Explained();
    const pg::QueryResult finished =
        ann->Query("SELECT terrovane.finish_file(" + Layout() + ", $1)", {claimed});
    EXPECT_EQ(finished.sqlState, "22023");
    EXPECT_EQ(finished.message, "the bytes are not those of their digest");
    // A piece out of its place is refused too, and a file of no digest at all.
    EXPECT_EQ(
        ann->Query("SELECT terrovane.put_file_piece(" + Layout() + ", $1, 10, '\\x00'::bytea)", {claimed})
            .sqlState,
        "22023");
    EXPECT_EQ(
        ann->Query("SELECT terrovane.put_file_piece(" + Layout() + ", 'x', 0, '\\x00'::bytea)").sqlState,
        "22023");

    // An archive whose digest does not match its bytes: its attachment is refused and listed.
    const std::int64_t made =
        AttachTo("ann", {archive::AttachedTo::Site, north}, "a.jpg", "", "\xFF\xD8\xFF forged");
    ASSERT_NE(made, 0);
    const std::string forge = "UPDATE attachment_files SET digest = '" + std::string(64, 'b') + "'";
    const archive::Status forged =
        Archive("ann").Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
            return db.Exec(forge.c_str()) == 0 ? archive::Status(archive::Done{})
                                               : archive::Status(archive::Failure{});
        });
    ASSERT_TRUE(forged.Ok());
    const sync::SyncReport refused = Sync("ann");
    ASSERT_EQ(refused.error, sync::SyncError::None) << refused.detail;
    EXPECT_EQ(refused.rejected, 1);
    EXPECT_EQ(Query("ann", "SELECT kind, sqlstate, reason FROM sync_rejected"),
              R"([["attachment", "22023", "the bytes are not those of their digest"]])");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.files").Scalar(), "0");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.attachments").Scalar(), "0");
}

TEST_F(SyncPhotosTest, TheReportChoiceAndAnIssuedReportWithItsRevisionsReachTheColleague) {
    const std::int64_t photo =
        AttachTo("ann", {archive::AttachedTo::Point, rod}, "rod.jpg", "Rod", "\xFF\xD8\xFF rod");
    ASSERT_TRUE(archive::ChooseForReport(Archive("ann"), photo, true).Ok());
    const std::string first = SmallPdf("first issue");
    Issue("ann", north, 1, first);
    SyncOk("ann");
    Member("ida", team::MemberRole::Inspector, {"North"});
    SyncOk("ida");
    EXPECT_EQ(Query("ida", "SELECT a.name FROM report_photos r JOIN attachments a ON a.id = r.attachment_id"),
              R"([["rod.jpg"]])");

    // Ann issues revision 2; Ida takes the photo out of the report. Each reaches the other, and revision 1
    // is kept beside revision 2.
    const std::string second = SmallPdf("second issue");
    Issue("ann", north, 2, second);
    const std::int64_t idasPhoto = IdOn("ida", "SELECT id FROM attachments");
    ASSERT_TRUE(archive::ChooseForReport(Archive("ida"), idasPhoto, false).Ok());
    SyncOk("ann");
    SyncOk("ida");
    SyncOk("ann");
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM report_photos"), "[[0]]");
    const std::int64_t idasNorth = IdOn("ida", "SELECT id FROM sites WHERE name = 'North'");
    const auto reports = archive::IssuedReportsOf(Archive("ida"), idasNorth);
    ASSERT_TRUE(reports);
    ASSERT_EQ(reports.Value().size(), 2u);
    EXPECT_EQ(reports.Value()[0].revision, 2);
    EXPECT_EQ(reports.Value()[1].revision, 1);
    EXPECT_TRUE(archive::IssuedReportBytes(Archive("ida"), reports.Value()[0].id).Value() == second);
    EXPECT_TRUE(archive::IssuedReportBytes(Archive("ida"), reports.Value()[1].id).Value() == first);
    EXPECT_EQ(Query("ida",
                    "SELECT number, site_name, issued_on, issued_by, language FROM issued_reports WHERE "
                    "revision = 1"),
              R"([["TV-2024-0001", "North", "2024-05-17", "Ann", "en"]])");
}

TEST_F(SyncPhotosTest, AResultsPhotoGoesWhereItsResultIsAssigned) {
    const std::int64_t result = StoreReadOut("ann", 5);
    AttachTo("ann", {archive::AttachedTo::Result, result}, "display.png", "reading", "\x89PNG\r\n\x1a\nshown",
             archive::AttachmentKind::Png);
    SyncOk("ann");
    Member("ida", team::MemberRole::Inspector, {"North"});
    // Assigned to no point, the photo is its author's and the admins'.
    SyncOk("ida");
    EXPECT_EQ(Query("ida", "SELECT count(*) FROM attachments"), "[[0]]");

    std::string error;
    ASSERT_TRUE(archive::Assign(Archive("ann"), {result}, rod, error)) << error;
    SyncOk("ann");
    SyncOk("ida");
    EXPECT_EQ(
        Query("ida",
              "SELECT a.name, a.caption, p.name FROM attachments a JOIN results r ON r.id = a.result_id "
              "JOIN points p ON p.id = r.point_id"),
        R"([["display.png", "reading", "Rod N"]])");
}

TEST_F(SyncPhotosTest, TheServerRefusesAFileNotOfItsKindAndAnotherPdfUnderAKeptRevision) {
    Issue("ann", north, 1, SmallPdf("kept"));
    SyncOk("ann");
    const std::string site =
        owner_->Query("SELECT DISTINCT site::text FROM terrovane.issued_reports").Scalar();
    const std::unique_ptr<pg::Connection> ann = SignIn("ann");
    const auto upload = [&](const std::string& bytes) {
        const std::string digest = owner_->Query("SELECT encode(sha256($1::bytea), 'hex')", {bytes}).Scalar();
        EXPECT_TRUE(
            ann->Query("SELECT terrovane.put_file_piece(" + Layout() + ", $1, 0, $2::bytea)", {digest, bytes})
                .Ok());
        const pg::QueryResult finished =
            ann->Query("SELECT terrovane.finish_file(" + Layout() + ", $1)", {digest});
        EXPECT_TRUE(finished.Ok()) << finished.Explained();
        return digest;
    };
    // A PDF sent as a photo, and a photo sent as an issued report.
    const std::string pdf = upload("\\x255044462d312e340a");
    const std::string photo = upload("\\xffd8ff00");
    const std::string point =
        owner_->Query("SELECT DISTINCT id::text FROM terrovane.fields WHERE kind = 'point'").Scalar();
    const pg::QueryResult asPhoto =
        ann->Query("SELECT terrovane.put_attachment(" + Layout() +
                       ", 'point', $1, $2, 'jpeg', 'x.jpg', '', false, '{}', NULL)",
                   {point, pdf});
    EXPECT_EQ(asPhoto.message, "the file is not what its kind says");
    const pg::QueryResult asReport =
        ann->Query("SELECT terrovane.put_issued_report(" + Layout() +
                       ", 'TV-2024-0002', 1, $1::uuid, 'North', '2024-05-17', 'Ann', "
                       "'en', $2)",
                   {site, photo});
    EXPECT_EQ(asReport.message, "an issued report is a PDF");
    // Revision 1 of the kept number with other bytes: the team's stays.
    const pg::QueryResult again =
        ann->Query("SELECT terrovane.put_issued_report(" + Layout() +
                       ", 'TV-2024-0001', 1, $1::uuid, 'North', '2024-05-17', 'Ann', "
                       "'en', $2)",
                   {site, pdf});
    EXPECT_EQ(again.sqlState, "23505");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.issued_reports").Scalar(), "1");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.attachments").Scalar(), "0");
}

TEST_F(SyncPhotosTest, ATypedResultsPhotoReachesTheColleagueOfItsSiteAndNoOneElse) {
    archive::TypedResultFields typed;
    typed.point = rod;
    typed.method = "fall-of-potential";
    typed.values = {{"Re", 12.5, false}};
    typed.measured = "2024-03-01 09:15";
    typed.typedBy = "office";
    const auto added = archive::AddTypedResult(Archive("ann"), typed);
    ASSERT_TRUE(added) << added.Error().Text();
    const std::string photo = LargePhoto();
    AttachTo("ann", {archive::AttachedTo::TypedResult, added.Value()}, "pit.jpg", "Rod pit", photo);
    SyncOk("ann");
    Member("ida", team::MemberRole::Inspector, {"North"});
    Member("ivy", team::MemberRole::Inspector, {"South"});
    SyncOk("ida");
    SyncOk("ivy");
    EXPECT_EQ(Query("ida",
                    "SELECT a.name, a.caption, p.name FROM attachments a JOIN typed_results t ON "
                    "t.first_version = a.typed_result JOIN points p ON p.id = t.point_id"),
              R"([["pit.jpg", "Rod pit", "Rod N"]])");
    EXPECT_TRUE(BytesOn("ida", IdOn("ida", "SELECT id FROM attachments")) == photo);
    EXPECT_EQ(owner_->Query("SELECT owner_kind FROM terrovane.attachments").Scalar(), "typed_result");

    EXPECT_EQ(
        Query("ivy", "SELECT (SELECT count(*) FROM attachments), (SELECT count(*) FROM attachment_bytes)"),
        "[[0, 0]]");
    const std::string digest = owner_->Query("SELECT digest FROM terrovane.files").Scalar();
    EXPECT_EQ(PsqlAs("ivy", "SELECT count(*) FROM terrovane.attachments(" + Layout() + ")"), "0\n");
    EXPECT_NE(PsqlAs("ivy", "SELECT terrovane.file_piece(" + Layout() + ", '" + digest + "', 0, 100)")
                  .find("no file of the member's sites"),
              std::string::npos);
}

TEST_F(SyncPhotosTest, AnAttachmentRemovedLeavesEveryPcOfItsSiteAndAViewersRemovalIsRefused) {
    AttachTo("ann", {archive::AttachedTo::Site, north}, "plan.jpg", "", "\xFF\xD8\xFF plan");
    AttachTo("ann", {archive::AttachedTo::Point, rod}, "rod.jpg", "", "\xFF\xD8\xFF rod");
    SyncOk("ann");
    Member("ida", team::MemberRole::Inspector, {"North"});
    Member("vic", team::MemberRole::Viewer, {"North"});
    Member("ivy", team::MemberRole::Inspector, {"South"});
    for (const std::string who : {"ida", "vic", "ivy"}) {
        SyncOk(who);
    }
    const std::string names = "SELECT name FROM attachments ORDER BY name";
    ASSERT_EQ(Query("vic", names), R"([["plan.jpg"], ["rod.jpg"]])");

    // The viewer removes the rod's photo: refused and listed; the server and the others keep it.
    ASSERT_TRUE(
        archive::Detach(Archive("vic"), IdOn("vic", "SELECT id FROM attachments WHERE name = 'rod.jpg'")));
    const sync::SyncReport refused = Sync("vic");
    ASSERT_EQ(refused.error, sync::SyncError::None) << refused.detail;
    EXPECT_EQ(refused.rejected, 1);
    EXPECT_EQ(Query("vic", "SELECT kind, field, sqlstate FROM sync_rejected"),
              R"([["attachment", "deleted", "42501"]])");
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.attachments").Scalar(), "2");

    // Ida removes the plan: it leaves the server, Ann's PC and the viewer's.
    ASSERT_TRUE(
        archive::Detach(Archive("ida"), IdOn("ida", "SELECT id FROM attachments WHERE name = 'plan.jpg'")));
    SyncOk("ida");
    EXPECT_EQ(owner_->Query("SELECT string_agg(name, ',') FROM terrovane.attachments").Scalar(), "rod.jpg");
    SyncOk("ann");
    EXPECT_EQ(Query("ann", names), R"([["rod.jpg"]])");
    ASSERT_EQ(Sync("vic").error, sync::SyncError::None);
    EXPECT_EQ(Query("vic", names), "[]");
    EXPECT_EQ(Query("vic", "SELECT count(*) FROM attachment_files"), "[[0]]");
    // The member of South is told nothing of North's removal.
    const std::string removed = "SELECT count(*) FROM terrovane.deleted_attachments(" + Layout() + ")";
    EXPECT_EQ(PsqlAs("ivy", removed), "0\n");
    EXPECT_EQ(PsqlAs("ann", removed), "1\n");
    const sync::SyncReport quiet = Sync("ann");
    EXPECT_EQ(quiet.pushed + quiet.pulled, 0);

    // Attached again, it comes back for everyone.
    AttachTo("ann", {archive::AttachedTo::Site, north}, "plan.jpg", "again", "\xFF\xD8\xFF plan");
    SyncOk("ann");
    SyncOk("ida");
    EXPECT_EQ(Query("ida", "SELECT name, caption FROM attachments ORDER BY name"),
              R"([["plan.jpg", "again"], ["rod.jpg", ""]])");
    EXPECT_EQ(PsqlAs("ida", removed), "0\n");

    // A photo that goes with its point deleted here is not removed for the others: the point's deletion
    // travels on its own, and a PC that keeps the point for its results keeps its photos.
    std::string error;
    ASSERT_TRUE(archive::DeletePoint(Archive("ida"),
                                     IdOn("ida", "SELECT id FROM points WHERE name = 'Rod N'"), error))
        << error;
    SyncOk("ida");
    EXPECT_EQ(PsqlAs("ida", removed), "0\n");
    EXPECT_EQ(owner_->Query("SELECT string_agg(name, ',' ORDER BY name) FROM terrovane.attachments").Scalar(),
              "plan.jpg,rod.jpg");
}

}  // namespace
}  // namespace terrovane::testing
