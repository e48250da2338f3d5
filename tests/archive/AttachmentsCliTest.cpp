// terrovane-cli attach, attachments, attachment get|caption and detach, run as a program: files read back
// whole, the listing's JSON checked against its schema, and a file that is not what its name says refused
// before the archive changes.
#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"
#include "JsonSchema.h"
#include "PhotoFiles.h"

namespace terrovane::archive::testing {
namespace {

class AttachmentsCliTest : public ArchiveCliTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(Cli("site add 'Mast 7'").status, 0) << Errors();
        ASSERT_EQ(Cli("point add 'Mast 7' 'Leg A'").status, 0) << Errors();
        attach::testing::PhotoFacts facts;
        facts.taken = "2024:05:17 09:30:05";
        facts.latitude[0] = 52, facts.latitude[1] = 31, facts.latitude[2] = 120;  // 52 deg 31' 12" N
        facts.north = 'N';
        facts.longitude[0] = 13, facts.longitude[1] = 24, facts.longitude[2] = 180;  // 13 deg 24' 18" E
        facts.east = 'E';
        WriteFile(Path("rod pit.jpg"), attach::testing::Photo(640, 480, facts));
        WriteFile(Path("sketch.png"), attach::testing::PngImage(200, 100));
        WriteFile(Path("report.pdf"), attach::testing::PdfDocument());
    }
    std::string Json(const std::string& script, const std::string& json) const {
        return RunPython("import json, sys\nrows = json.load(sys.stdin)\n" + script, json);
    }
};

TEST_F(AttachmentsCliTest, FilesAreAttachedListedWrittenBackCaptionedAndDetached) {
    CommandRun run =
        Cli("attach 'Mast 7/Leg A' '" + Path("rod pit.jpg") + "' --caption 'Rod pit, north side'");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_NE(run.text.find("attachment 1 added to Mast 7/Leg A"), std::string::npos) << run.text;
    EXPECT_NE(run.text.find("taken 2024-05-17 09:30:05"), std::string::npos) << run.text;
    EXPECT_NE(run.text.find("taken at 52.52,13.405"), std::string::npos) << run.text;
    ASSERT_EQ(Cli("attach 'Mast 7/Leg A' '" + Path("report.pdf") + "'").status, 0) << Errors();
    ASSERT_EQ(Cli("attach 'Mast 7' '" + Path("sketch.png") + "'").status, 0) << Errors();
    // The same photo on the site too: a second attachment, the file still once.
    ASSERT_EQ(Cli("attach 'Mast 7' '" + Path("rod pit.jpg") + "'").status, 0) << Errors();
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM attachment_files"), "[[3]]");

    run = Cli("attachments 'Mast 7/Leg A' --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(
        Json("print([(r['id'], r['name'], r['kind'], r['attached_to'], r['caption'], r['width'], "
             "r['taken'], r['latitude'], r['longitude']) for r in rows])",
             run.text),
        "[(1, 'rod pit.jpg', 'jpeg', 'point', 'Rod pit, north side', 640, '2024-05-17 09:30:05', 52.52, "
        "13.405), (2, 'report.pdf', 'pdf', 'point', '', None, None, None, None)]");
    run = Cli("attachments 'Mast 7'");
    EXPECT_NE(run.text.find("sketch.png"), std::string::npos) << run.text;
    EXPECT_NE(run.text.find("200x100"), std::string::npos) << run.text;

    // The photo chosen for the site report is listed so and printed there with its caption; a document
    // cannot be chosen.
    ASSERT_EQ(Cli("attachment report 1 yes").status, 0) << Errors();
    EXPECT_EQ(Cli("attachment report 2 yes").status, 1);
    EXPECT_NE(Errors().find("attachment 2 is a document"), std::string::npos) << Errors();
    EXPECT_EQ(Cli("attachment report 1 maybe").status, 2);
    EXPECT_EQ(Json("print([(r['id'], r['in_report']) for r in rows])",
                   Cli("attachments 'Mast 7/Leg A' --format json").text),
              "[(1, True), (2, False)]");
    ASSERT_EQ(Cli("site report 'Mast 7' --pdf '" + Path("site.pdf") + "'").status, 0) << Errors();
    const std::string report = RunCommand("pdftotext '" + Path("site.pdf") + "' - 2>&1").text;
    EXPECT_NE(report.find("Rod pit, north side"), std::string::npos) << report;
    EXPECT_EQ(RunCommand("pdfimages -list '" + Path("site.pdf") + "' | tail -n +3 | wc -l").text, "1\n");

    ASSERT_EQ(Cli("attachment get 1 --out '" + Path("back.jpg") + "'").status, 0) << Errors();
    EXPECT_EQ(ReadFile(Path("back.jpg")), ReadFile(Path("rod pit.jpg")));
    EXPECT_EQ(
        RunPython(
            "import hashlib, sys\nprint(hashlib.sha256(open(sys.stdin.read(), 'rb').read()).hexdigest())",
            Path("rod pit.jpg")),
        Json("print(rows[0]['sha256'])", Cli("attachments 'Mast 7/Leg A' --format json").text));

    ASSERT_EQ(Cli("attachment caption 2 'Test report 2024'").status, 0) << Errors();
    ASSERT_EQ(Cli("detach 1").status, 0) << Errors();
    run = Cli("attachments 'Mast 7/Leg A' --format json");
    EXPECT_EQ(Json("print([(r['id'], r['caption']) for r in rows])", run.text), "[(2, 'Test report 2024')]");
    // The photo is still the site's, so its file stays.
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM attachment_files"), "[[3]]");
    EXPECT_EQ(Cli("detach 1").status, 1);
    EXPECT_NE(Errors().find("there is no attachment 1"), std::string::npos) << Errors();
}

TEST_F(AttachmentsCliTest, ARenamedFileOrAnUnknownTargetIsRefusedAndNothingIsStored) {
    WriteFile(Path("photo.jpg"), "Measured 4.2 ohm at leg A\n");
    WriteFile(Path("photo.png"), ReadFile(Path("rod pit.jpg")));
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"attach 'Mast 7' '" + Path("photo.jpg") + "'", 1,
         "\"photo.jpg\" is named as a JPEG file but is none"},
        {"attach 'Mast 7' '" + Path("photo.png") + "'", 1,
         "\"photo.png\" is named as a PNG file but is none"},
        {"attach 'Mast 7' '" + Path("missing.jpg") + "'", 1, "missing.jpg"},
        {"attach 'Mast 9' '" + Path("sketch.png") + "'", 1, "there is no site \"Mast 9\""},
        {"attach 'Mast 7/Leg Z' '" + Path("sketch.png") + "'", 1, "there is no test point \"Leg Z\""},
        {"attachment get x --out '" + Path("x") + "'", 2, "an attachment's id is a whole number"},
        {"attachments 'Mast 7' --format csv", 2, "--format is table or json"},
    };
    for (const auto& [arguments, status, message] : cases) {
        EXPECT_EQ(Cli(arguments).status, status) << arguments;
        EXPECT_NE(Errors().find(message), std::string::npos) << arguments << "\n" << Errors();
    }
    EXPECT_EQ(
        ReadArchive(Path(),
                    "SELECT (SELECT count(*) FROM attachments), (SELECT count(*) FROM attachment_files)"),
        "[[0, 0]]");
}

}  // namespace
}  // namespace terrovane::archive::testing
