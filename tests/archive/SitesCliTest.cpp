// terrovane-cli sites, site add, point add, assign, limits, due and history's site fields, as programs.
#include <filesystem>

#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"
#include "JsonSchema.h"

namespace terrovane::archive::testing {
namespace {

class SitesCliTest : public ArchiveCliTest {
  protected:
    std::string Json(const std::string& script, const std::string& json) const {
        return RunPython("import json, sys\nrows = json.load(sys.stdin)\n" + script, json);
    }
};

TEST_F(SitesCliTest, ASiteItsPointsAndAssignedResultsComeOutWithTheirVerdicts) {
    ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, MakeResult(1, 5, 1, 8.0f)},
                                                      {1, MakeResult(3, 5, 2, 12.0f)},
                                                      {2, MakeResult(6, 5, 3, 1.0f)}}))
                    .stored);
    ASSERT_EQ(Cli("site add 'Mast Süd' --position 48.5,-11.25 --limit iec62305 --interval 12").status, 0)
        << Errors();
    ASSERT_EQ(Cli("point add 'Mast Süd' 'Leg A' --kind tower-leg").status, 0) << Errors();
    ASSERT_EQ(Cli("point add 'Mast Süd' 'Leg B' --limit '15,client specification'").status, 0) << Errors();
    ASSERT_EQ(Cli("assign 1 2 3 --to 'Mast Süd/Leg A'").status, 0) << Errors();

    CommandRun run = Cli("history --site 'Mast Süd' --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(
        Json("for r in rows: print(r['id'], r['site'], r['point'], r['limit_ohm'], r['verdict'])", run.text),
        "1 Mast Süd Leg A 10 pass\n2 Mast Süd Leg A 10 fail\n3 Mast Süd Leg A 10 none");
    ASSERT_EQ(Cli("assign 2 --to 'Mast Süd/Leg B'").status, 0) << Errors();
    run = Cli("history --point 'Leg B' --format json");
    EXPECT_EQ(Json("print(len(rows), rows[0]['limit_source'], rows[0]['verdict'])", run.text),
              "1 client specification pass");

    run = Cli("sites --format csv");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(RunPython("import csv, io, sys\nrows = list(csv.reader(io.StringIO(sys.stdin.buffer.read()."
                        "decode('utf-8-sig'), newline='')))\nprint(rows[1][1:5], rows[1][8])",
                        run.text),
              "['Mast Süd', '', '48.5', '-11.25'] 2");
    run = Cli("due --format json");
    EXPECT_EQ(Json("print([(r['point'], r['last_tested'], r['due'], r['overdue']) for r in rows])", run.text),
              "[('Leg A', '2009-01-05', '2010-01-05', True), ('Leg B', '2009-01-05', '2010-01-05', True)]");
    const std::string pdf = Path("site report.pdf");
    ASSERT_EQ(Cli("site report 'Mast Süd' --pdf '" + pdf +
                  "' --since 2009-01-01 --tester 'Zoë' "
                  "--instrument 'SN 4711-Ω' --client 'Netz Süd AG' --prepared-by 'Jana Roth' "
                  "--checked-by 'Malik Öztürk'")
                  .status,
              0)
        << Errors();
    const std::string text = RunCommand("pdftotext -layout '" + pdf + "' - 2>&1").text;
    for (const char* expected :
         {"Mast Süd", "Zoë", "SN 4711-Ω", "2009-01-01 to", "Leg A", "Leg B", "client specification",
          "Summary: 1 passed, 0 failed, 1 without limit", "Page 4 of 4", "Netz Süd AG", "Jana Roth",
          "Malik Öztürk", "Draft", "Method: 3-pole earth resistance"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_EQ(Cli("site report 'Mast Süd' --pdf x.pdf --until 2009-02-30").status, 2);
    // The site report speaks the language asked for; a language it does not know is refused.
    EXPECT_EQ(Cli("site report 'Mast Süd' --pdf '" + pdf + "' --lang zh").status, 0) << Errors();
    EXPECT_NE(RunCommand("pdftotext '" + pdf + "' - 2>&1").text.find("接地电阻测试报告"), std::string::npos);
    EXPECT_EQ(Cli("site report 'Mast Süd' --pdf x.pdf --lang fr").status, 2);
    EXPECT_EQ(Cli("site report Nowhere --pdf '" + Path("none.pdf") + "'").status, 1);

    // A certificate per point, or one point's alone; a point the site does not have is refused.
    const std::string certificates = Path("certificates.pdf");
    ASSERT_EQ(
        Cli("site certificate 'Mast Süd' --pdf '" + certificates + "' --prepared-by 'Jana Roth'").status, 0)
        << Errors();
    EXPECT_EQ(RunCommand("pdfinfo '" + certificates + "' | awk '/^Pages:/ {print $2}'").text, "2\n");
    const std::string certified = RunCommand("pdftotext '" + certificates + "' - 2>&1").text;
    for (const char* expected :
         {"Earth resistance test certificate", "Leg A", "Leg B", "Jana Roth", "Certificate 2 of 2"}) {
        EXPECT_NE(certified.find(expected), std::string::npos) << expected << "\n" << certified;
    }
    ASSERT_EQ(
        Cli("site certificate 'Mast Süd' --point 'Leg B' --pdf '" + certificates + "' --lang de").status, 0)
        << Errors();
    EXPECT_NE(RunCommand("pdftotext '" + certificates + "' - 2>&1").text.find("Prüfzertifikat"),
              std::string::npos);
    EXPECT_EQ(Cli("site certificate 'Mast Süd' --point 'Leg Z' --pdf '" + Path("z.pdf") + "'").status, 1);
    EXPECT_FALSE(std::filesystem::exists(Path("z.pdf")));
    EXPECT_EQ(Cli("site certificate 'Mast Süd'").status, 2);
    run = Cli("limits");
    EXPECT_NE(run.text.find("NEC 250.53(A)(2) Exception"), std::string::npos) << run.text;
}

// "site set" and "point set" change only what they are given; the verdicts and due dates follow at once.
TEST_F(SitesCliTest, SetChangesOnlyTheGivenFieldsAndTheVerdictsFollow) {
    ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, MakeResult(1, 5, 1, 8.0f)}})).stored);
    ASSERT_EQ(Cli("site add Yard --address 'Gate 2' --limit iec62305").status, 0) << Errors();
    ASSERT_EQ(Cli("point add Yard Rod").status, 0) << Errors();
    ASSERT_EQ(Cli("assign 1 --to Yard/Rod").status, 0) << Errors();
    ASSERT_EQ(
        Cli("site set Yard --limit '7.5,client specification' --interval 6 --position '1.5, 2.25'").status, 0)
        << Errors();
    CommandRun run = Cli("history --site Yard --format json");
    EXPECT_EQ(Json("print(rows[0]['limit_ohm'], rows[0]['limit_source'], rows[0]['verdict'])", run.text),
              "7.5 client specification fail");
    run = Cli("sites --format json");
    EXPECT_EQ(Json("print(rows[0]['address'], rows[0]['latitude'], rows[0]['longitude'])", run.text),
              "Gate 2 1.5 2.25");
    run = Cli("due --format json");
    EXPECT_EQ(Json("print([(r['point'], r['due']) for r in rows])", run.text), "[('Rod', '2009-07-05')]");

    ASSERT_EQ(Cli("point set Yard Rod --kind rod --limit nec-rod").status, 0) << Errors();
    run = Cli("history --point Rod --format json");
    EXPECT_EQ(Json("print(rows[0]['limit_ohm'], rows[0]['verdict'])", run.text), "25 pass");
    EXPECT_EQ(Cli("point set Yard Nothing --kind rod").status, 1);
    EXPECT_EQ(Cli("site set Yard --position north").status, 2);
    EXPECT_EQ(Cli("site set Elsewhere --interval 3").status, 1);
}

TEST_F(SitesCliTest, MistakesAreNamedAndChangeNothing) {
    ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, MakeResult(1, 5, 1, 8.0f)}})).stored);
    ASSERT_EQ(Cli("site add Plant").status, 0) << Errors();
    EXPECT_EQ(Cli("site add Plant").status, 1);
    EXPECT_NE(Errors().find("there is already a site named \"Plant\""), std::string::npos) << Errors();
    EXPECT_EQ(Cli("site add Other --limit 0").status, 2);
    EXPECT_EQ(Cli("site add Other --position 91,0").status, 2);
    EXPECT_EQ(Cli("site add Other --interval 0").status, 2);
    EXPECT_EQ(Cli("site Other").status, 2);
    EXPECT_EQ(Cli("point add Nowhere P1").status, 1);
    EXPECT_NE(Errors().find("there is no site \"Nowhere\""), std::string::npos) << Errors();
    ASSERT_EQ(Cli("point add Plant P1").status, 0) << Errors();
    EXPECT_EQ(Cli("assign 1 77 --to Plant/P1").status, 1);
    EXPECT_NE(Errors().find("there is no result 77"), std::string::npos) << Errors();
    EXPECT_EQ(Cli("assign 1 --to Plant/P9").status, 1);
    EXPECT_EQ(Cli("assign 1 --to Plant").status, 2);
    EXPECT_EQ(Cli("assign x --to Plant/P1").status, 2);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(point_id) FROM results"), "[[0]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM sites"), "[[1]]");
}

TEST_F(SitesCliTest, ValidityThresholdsComeFromTheSettings) {
    auto r = MakeResult(1, 5, 1, 8.0f);
    r.values[record::kJammingVoltage] = 6;
    ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, r}})).stored);
    const std::string script = "print(rows[0]['validity'])";
    EXPECT_EQ(Json(script, Cli("history --format json").text), "[]");
    std::filesystem::create_directories(Path("config") + "/应用程序向导生成的本地应用程序");
    WriteFile(Path("config") + "/应用程序向导生成的本地应用程序/Terrovane.conf",
              "[Validity]\nJammingVoltage=5\n");
    EXPECT_EQ(Json(script, Cli("history --format json").text), "['jamming voltage 6 V above 5 V']");
}

}  // namespace
}  // namespace terrovane::archive::testing
