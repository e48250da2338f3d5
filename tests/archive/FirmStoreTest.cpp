// The firm's profile and the issued reports in the archive: what a logo is by its first bytes, the
// profile's limits, numbers counted once per device and never cut, revisions kept once each, and a file
// of the former layout that gains the tables with its data kept.
#include <sqlite3.h>

#include <set>

#include "ArchiveFixtures.h"
#include "Firm.h"
#include "FirmProblems.h"
#include "IssuedReports.h"
#include "Schema.h"
#include "SchemaV10.h"
#include "Sites.h"
#include "Sqlite.h"

namespace terrovane::archive::testing {
namespace {

class FirmStoreTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        SiteFields site;
        site.name = "Mast 7";
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
        site.name = "Depot";
        ASSERT_TRUE(AddSite(*archive, site, depotId, error)) << error;
    }
    NewIssuedReport Report(const std::string& number, int revision, const std::string& pdf) const {
        return {number, revision, siteId, "Mast 7", "2026-12-10", "zoe", "en", pdf};
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::int64_t depotId = 0;
    std::string error;
};

TEST(LogoKindTest, ALogoIsKnownByItsFirstBytesNotByItsName) {
    EXPECT_EQ(LogoTypeOf(std::string("\x89PNG\r\n\x1a\n", 8) + "rest"), "png");
    EXPECT_EQ(LogoTypeOf("\xEF\xBB\xBF  \n<?xml version=\"1.0\"?><svg/>"), "svg");
    EXPECT_EQ(LogoTypeOf("<!-- drawn by hand --><svg xmlns=\"http://www.w3.org/2000/svg\"/>"), "svg");
    EXPECT_EQ(LogoTypeOf("<svg/>"), "svg");
    EXPECT_EQ(LogoTypeOf("<html><body>no drawing</body></html>"), "");
    EXPECT_EQ(LogoTypeOf("<?xml version=\"1.0\"?><html/>"), "");  // XML, but nothing drawn
    EXPECT_EQ(LogoTypeOf(std::string("<svg>\0</svg>", 12)), "");  // text holds no zero byte
    EXPECT_EQ(LogoTypeOf("\xFF\xD8\xFF\xE0 a JPEG"), "");
    EXPECT_EQ(LogoTypeOf(""), "");
}

TEST(FirmRulesTest, TheProfileIsRefusedForWhatItCannotHold) {
    FirmProfile firm;
    firm.name = std::string(200, 'x');
    firm.address = std::string(1000, 'y');
    firm.prefix = "ACME2026";
    EXPECT_FALSE(FirmRefusal(firm));
    // Characters, not bytes: 200 letters of two bytes each are still 200.
    firm.name.clear();
    for (int i = 0; i < 200; ++i) {
        firm.name += "\xC3\xA4";
    }
    EXPECT_FALSE(FirmRefusal(firm));
    firm.name += "x";
    EXPECT_STREQ(FirmRefusal(firm).value().problem, kFirmTextTooLong);
    EXPECT_NE(FirmRefusal(firm)->Text().find("at most 200 characters"), std::string::npos);
    firm.name = "Acme";
    firm.email = "\xFF\xFE";  // not text
    EXPECT_STREQ(FirmRefusal(firm).value().problem, kFirmTextTooLong);
    firm.email.clear();
    for (const char* prefix : {"AC-ME", "ACME 1", "ÄCME", "ABCDEFGHIJKLM"}) {
        firm.prefix = prefix;
        EXPECT_STREQ(FirmRefusal(firm).value().problem, kPrefixNotUnderstood) << prefix;
    }
    firm.prefix = "ACME";
    firm.logo = "<svg/>";
    firm.logoType = "png";  // what it says it is, and what it is, must agree
    EXPECT_STREQ(FirmRefusal(firm).value().problem, kLogoNotPngOrSvg);
    firm.logoType = "svg";
    EXPECT_FALSE(FirmRefusal(firm));
    firm.logo = "<svg>" + std::string(kMostLogoBytes, ' ') + "</svg>";
    EXPECT_STREQ(FirmRefusal(firm).value().problem, kLogoTooLarge);
    EXPECT_EQ(FirmRefusal(firm)->arguments, std::vector<std::string>{"1024"});
}

TEST(ReportNumberTest, TheDevicesNumbersAreNeverCutAndNeverMeetTheServersForm) {
    EXPECT_EQ(DeviceReportNumber("ACME", 2026, "3FA9C2D1", 7), "ACME-2026-3FA9C2D1-007");
    EXPECT_EQ(DeviceReportNumber("ACME", 2026, "3FA9C2D1", 1234), "ACME-2026-3FA9C2D1-1234");
}

TEST_F(FirmStoreTest, TheProfileIsKeptWholeAndARefusedOneChangesNothing) {
    FirmProfile firm;
    firm.name = "Acme Earthing";
    firm.address = "1 Rod Lane\nPortsmouth";
    firm.prefix = "ACME";
    firm.logo = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    firm.logoType = "svg";
    ASSERT_TRUE(SaveFirm(*archive, firm).Ok());
    FirmProfile bad = firm;
    bad.prefix = "AC-ME";
    const Status refused = SaveFirm(*archive, bad);
    ASSERT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Error().code, ErrorCode::Refused);
    const Result<FirmProfile> kept = LoadFirm(*archive);
    ASSERT_TRUE(kept.Ok());
    EXPECT_EQ(kept.Value().address, firm.address);
    EXPECT_EQ(kept.Value().prefix, "ACME");
    EXPECT_EQ(kept.Value().logo, firm.logo);
    EXPECT_EQ(ReadArchive(Path(), "SELECT edit, unsent FROM firm_profile"), "[[1, 1]]");
}

TEST_F(FirmStoreTest, EachNumberIsCountedOnceAndEachRevisionKeptOnce) {
    std::set<std::string> numbers;
    for (int i = 0; i < 3; ++i) {
        const Result<std::string> number = CountDeviceReportNumber(*archive, "ACME", 2026);
        ASSERT_TRUE(number.Ok());
        numbers.insert(number.Value());
    }
    EXPECT_EQ(numbers.size(), 3u);
    EXPECT_TRUE(CountDeviceReportNumber(*archive, "ACME", 2027).Value().ends_with("-001"));
    EXPECT_FALSE(CountDeviceReportNumber(*archive, "", 2026).Ok());
    // Another archive is another device: its numbers are its own.
    const std::unique_ptr<Archive> other = OpenArchive("other.sqlite");
    EXPECT_EQ(numbers.count(CountDeviceReportNumber(*other, "ACME", 2026).Value()), 0u);

    const std::string number = *numbers.begin();
    ASSERT_TRUE(KeepIssuedReport(*archive, Report(number, 1, "%PDF-1.4 first")).Ok());
    const Result<std::int64_t> twice = KeepIssuedReport(*archive, Report(number, 1, "%PDF-1.4 again"));
    ASSERT_FALSE(twice.Ok());
    EXPECT_NE(twice.Error().Text().find("issued meanwhile"), std::string::npos);
    EXPECT_EQ(NextRevision(*archive, number, siteId, "Mast 7").Value(), 2);
    EXPECT_EQ(NextRevision(*archive, number, depotId, "Depot").Error().code, ErrorCode::Refused);
    EXPECT_EQ(NextRevision(*archive, "ACME-2026-0001", siteId, "Mast 7").Error().code, ErrorCode::NoSuchItem);
    // The same bytes issued under another number are kept once.
    ASSERT_TRUE(KeepIssuedReport(*archive, Report(number, 2, "%PDF-1.4 first")).Ok());
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM report_files"), "[[1]]");
    EXPECT_EQ(FindIssuedReport(*archive, number, std::nullopt).Value().revision, 2);
    EXPECT_EQ(IssuedReportBytes(*archive, FindIssuedReport(*archive, number, 1).Value().id).Value(),
              "%PDF-1.4 first");

    // A site that goes leaves its reports listed under the name they printed.
    ASSERT_TRUE(DeleteSite(*archive, siteId, error)) << error;
    const Result<IssuedReport> kept = FindIssuedReport(*archive, number, 1);
    ASSERT_TRUE(kept.Ok());
    EXPECT_FALSE(kept.Value().site.has_value());
    EXPECT_EQ(kept.Value().siteName, "Mast 7");
}

// What a program of the former layout left: none of the firm's and the issued reports' tables.
// A file from before the firm's layout step: its tables dropped, then the step run on it as a migration runs
// it, inside one transaction. (The step's own number is not assumed: later steps come after it.)
TEST_F(FirmStoreTest, AFileOfTheFormerLayoutGainsTheTablesAndKeepsItsSites) {
    archive.reset();
    {
        Database db;
        ASSERT_EQ(db.Open(Path(), false), SQLITE_OK);
        ASSERT_EQ(
            db.Exec(
                "BEGIN; DROP TABLE issued_reports; DROP TABLE report_file_bytes; DROP TABLE report_files; "
                "DROP TABLE report_sequences; DROP TABLE firm_profile;"),
            SQLITE_OK);
        ASSERT_EQ(MigrateToLayout10(db), SQLITE_OK);
        ASSERT_EQ(db.Exec("COMMIT"), SQLITE_OK);
    }
    archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[" + std::to_string(kSchemaVersion) + "]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT name FROM sites ORDER BY name"), R"([["Depot"], ["Mast 7"]])");
    EXPECT_TRUE(LoadFirm(*archive).Value().Empty());
    EXPECT_TRUE(CountDeviceReportNumber(*archive, "ACME", 2026).Ok());
}

}  // namespace
}  // namespace terrovane::archive::testing
