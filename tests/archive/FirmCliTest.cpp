// terrovane-cli firm set|show and site report --issue, site reports, site report-file, run as programs:
// the profile read back by sqlite3 and Python, a logo that is none refused before anything changes, numbers
// never given twice, revisions kept, and the PDFs written back byte for byte and read by pdftotext.
#include <set>

#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"
#include "JsonSchema.h"
#include "PhotoFiles.h"

namespace terrovane::archive::testing {
namespace {

class FirmCliTest : public ArchiveCliTest {
  protected:
    std::string Json(const std::string& script, const std::string& json) const {
        return RunPython("import json, sys\nrows = json.load(sys.stdin)\n" + script, json);
    }
    std::string Sha256Of(const std::string& path) const {
        return RunPython(
            "import hashlib, sys\nprint(hashlib.sha256(open(sys.stdin.read(), 'rb').read()).hexdigest())",
            path);
    }
    std::string PdfText(const std::string& path) const {
        return RunCommand("pdftotext -layout '" + path + "' -").text;
    }
};

TEST_F(FirmCliTest, TheProfileIsSetShownAndABadLogoChangesNothing) {
    WriteFile(Path("logo.png"), attach::testing::PngImage(120, 40));
    WriteFile(Path("logo.svg"),
              "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"90\" height=\"30\">"
              "<rect width=\"90\" height=\"30\" fill=\"#2a6\"/></svg>\n");
    WriteFile(Path("renamed.png"), "Acme Earthing Ltd\n");
    WriteFile(Path("page.svg"), "<?xml version=\"1.0\"?>\n<html><svg/></html>\n");
    WriteFile(Path("broken.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect></svg>");
    WriteFile(Path("huge.svg"),
              "<svg xmlns=\"http://www.w3.org/2000/svg\">" + std::string(1100000, ' ') + "</svg>");

    CommandRun run =
        Cli("firm set --name 'Acme Earthing Ltd' --address \"$(printf '1 Rod Lane\\nPortsmouth')\" --phone "
            "'+44 23 9200 0000' --email office@acme.example --licence 'UKAS 1234' --prefix ACME "
            "--logo '" +
            Path("logo.png") + "'");
    ASSERT_EQ(run.status, 0) << Errors();
    run = Cli("firm show --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(Json("print(rows['name'], '|', rows['address'], '|', rows['licence'], rows['prefix'], "
                   "rows['logo']['type'], rows['logo']['bytes'])",
                   run.text),
              "Acme Earthing Ltd | 1 Rod Lane\nPortsmouth | UKAS 1234 ACME png " +
                  std::to_string(ReadFile(Path("logo.png")).size()));
    EXPECT_EQ(Json("print(rows['logo']['sha256'])", run.text), Sha256Of(Path("logo.png")));
    // An independent reader finds the logo's bytes as they were given.
    EXPECT_EQ(ReadArchive(Path(), "SELECT name, prefix, logo_type, length(logo) FROM firm_profile"),
              "[[\"Acme Earthing Ltd\", \"ACME\", \"png\", " +
                  std::to_string(ReadFile(Path("logo.png")).size()) + "]]");

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"--logo '" + Path("renamed.png") + "'", "neither a PNG image nor an SVG drawing"},
        {"--logo '" + Path("page.svg") + "'", "neither a PNG image nor an SVG drawing"},
        {"--logo '" + Path("broken.svg") + "'", "neither a PNG image nor an SVG drawing"},
        {"--logo '" + Path("huge.svg") + "'", "larger than 1024 kB"},
        {"--logo '" + Path("missing.png") + "'", "missing.png"},
        {"--prefix AC-ME", "1 to 12 letters (A-Z) and digits, not \"AC-ME\""},
        {"--name '" + std::string(201, 'x') + "'", "at most 200 characters"},
    };
    for (const auto& [options, said] : refused) {
        EXPECT_EQ(Cli("firm set --name Other " + options).status, 1) << options;
        EXPECT_NE(Errors().find(said), std::string::npos) << options << ": " << Errors();
    }
    EXPECT_EQ(Cli("firm set").status, 2);
    EXPECT_EQ(Cli("firm set --logo '" + Path("logo.png") + "' --no-logo").status, 2);
    EXPECT_EQ(ReadArchive(Path(), "SELECT name, logo_type FROM firm_profile"),
              "[[\"Acme Earthing Ltd\", \"png\"]]");

    ASSERT_EQ(Cli("firm set --logo '" + Path("logo.svg") + "'").status, 0) << Errors();
    EXPECT_EQ(Json("print(rows['name'], rows['logo']['type'])", Cli("firm show --format json").text),
              "Acme Earthing Ltd svg");
    ASSERT_EQ(Cli("firm set --no-logo").status, 0) << Errors();
    run = Cli("firm show");
    EXPECT_NE(run.text.find("1 Rod Lane, Portsmouth"), std::string::npos) << run.text;
    EXPECT_EQ(Json("print(rows['logo'])", Cli("firm show --format json").text), "None");
}

TEST_F(FirmCliTest, IssuedReportsAreNumberedOnceKeptWithTheirRevisionsAndWrittenBack) {
    ASSERT_EQ(Cli("site add 'Mast 7'").status, 0) << Errors();
    ASSERT_EQ(Cli("point add 'Mast 7' 'Leg A'").status, 0) << Errors();
    ASSERT_EQ(Cli("site add Depot").status, 0) << Errors();
    // No prefix yet: nothing is issued, nothing counted.
    EXPECT_EQ(Cli("site report 'Mast 7' --pdf '" + Path("none.pdf") + "' --issue").status, 1);
    EXPECT_NE(Errors().find("no prefix for its report numbers"), std::string::npos) << Errors();
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM report_sequences"), "[[0]]");

    ASSERT_EQ(Cli("firm set --name 'Acme Earthing Ltd' --prefix ACME").status, 0) << Errors();
    for (const char* file : {"first.pdf", "second.pdf"}) {
        const CommandRun run = Cli("site report 'Mast 7' --lang en --pdf '" + Path(file) + "' --issue");
        ASSERT_EQ(run.status, 0) << Errors();
        EXPECT_NE(run.text.find("revision 1, issued"), std::string::npos) << run.text;
    }
    CommandRun run = Cli("site reports 'Mast 7' --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    const std::string numbers = Json("print(' '.join(r['number'] for r in rows))", run.text);
    const std::string device = ReadArchive(Path(), "SELECT upper(substr(device, 1, 8)) FROM archive_clock");
    const std::string year = RunPython("import datetime\nprint(datetime.date.today().year)", "");
    const std::string stem = "ACME-" + year + "-" + device.substr(3, 8) + "-";
    EXPECT_EQ(numbers, stem + "001 " + stem + "002");

    // The second revision of the first number; the first stays.
    run = Cli("site report 'Mast 7' --lang de --pdf '" + Path("revised.pdf") + "' --issue --revise " + stem +
              "001");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_NE(run.text.find("evision 2"), std::string::npos) << run.text;  // said in German here
    run = Cli("site reports 'Mast 7' --format json");
    EXPECT_EQ(
        Json("print([(r['number'][-3:], r['revision'], r['language'], r['site']) for r in rows])", run.text),
        "[('001', 2, 'de', 'Mast 7'), ('001', 1, 'en', 'Mast 7'), ('002', 1, 'en', 'Mast 7')]");
    EXPECT_EQ(Json("print(rows[1]['sha256'])", run.text), Sha256Of(Path("first.pdf")));
    // Each PDF once by its bytes (two drawn in the same second can be the same bytes), none left over.
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM report_files"),
              ReadArchive(Path(), "SELECT count(DISTINCT file_id) FROM issued_reports"));

    ASSERT_EQ(Cli("site report-file " + stem + "001 --revision 1 --out '" + Path("back1.pdf") + "'").status,
              0)
        << Errors();
    EXPECT_EQ(ReadFile(Path("back1.pdf")), ReadFile(Path("first.pdf")));
    ASSERT_EQ(Cli("site report-file " + stem + "001 --out '" + Path("back2.pdf") + "'").status, 0)
        << Errors();
    EXPECT_EQ(ReadFile(Path("back2.pdf")), ReadFile(Path("revised.pdf")));
    EXPECT_NE(PdfText(Path("back2.pdf")).find("Mast 7"), std::string::npos);
    EXPECT_NE(PdfText(Path("back1.pdf")).find("Leg A"), std::string::npos);

    const std::vector<std::tuple<std::string, int, std::string>> refused = {
        {"site report Depot --pdf '" + Path("x.pdf") + "' --issue --revise " + stem + "001", 1,
         "was issued for the site \"Mast 7\", not for \"Depot\""},
        {"site report Depot --pdf '" + Path("x.pdf") + "' --issue --revise ACME-1999-0001", 1,
         "no report numbered \"ACME-1999-0001\""},
        {"site report Depot --pdf '" + Path("x.pdf") + "' --revise " + stem + "001", 2, "goes with --issue"},
        {"site report-file " + stem + "001 --revision 3 --out '" + Path("x.pdf") + "'", 1,
         "has no revision 3"},
        {"site report-file " + stem + "001 --revision 0 --out '" + Path("x.pdf") + "'", 2, "--revision"},
        {"site reports Nowhere", 1, "there is no site \"Nowhere\""},
    };
    for (const auto& [command, status, said] : refused) {
        EXPECT_EQ(Cli(command).status, status) << command;
        EXPECT_NE(Errors().find(said), std::string::npos) << command << ": " << Errors();
    }
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM issued_reports"), "[[3]]");
    run = Cli("site reports 'Mast 7'");
    EXPECT_NE(run.text.find(stem + "002"), std::string::npos) << run.text;
    EXPECT_EQ(Cli("site reports Depot --format json").text, "[]\n");
}

}  // namespace
}  // namespace terrovane::archive::testing
