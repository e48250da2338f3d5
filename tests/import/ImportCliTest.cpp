// terrovane-cli import run as a program: its report in both formats (the JSON checked against its schema),
// the mapping remembered by the file's header row, and each fault refused with its reason.
#include "ArchiveCliTest.h"

namespace terrovane::archive::testing {
namespace {

class ImportCliTest : public ArchiveCliTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(Cli("site add Mast --limit 10 --interval 12").status, 0) << Errors();
        ASSERT_EQ(Cli("point add Mast 'Leg A'").status, 0) << Errors();
        WriteFile(Path("mapping.json"),
                  R"({"date": {"column": "Date", "format": "dd.MM.yyyy HH:mm"}, "point": {"column": "Point"},
                      "method": {"fixed": "fall-of-potential"}, "values": [{"name": "Re", "column": "Re [kOhm]",
                      "unit": "kohm"}]})");
        WriteFile(Path("readings.csv"),
                  "Date\tPoint\tRe [kOhm]\n01.03.2024 09:15\tMast/Leg A\t0,0042\n"
                  "02.03.2024 09:15\tMast/Leg Z\t0,005\n");
    }
    std::string Json(const std::string& script, const std::string& json) const {
        return RunPython("import json, sys\nr = json.load(sys.stdin)\n" + script, json);
    }
};

TEST_F(ImportCliTest, ReportsEachRowAndRemembersTheMapping) {
    CommandRun run = Cli("import '" + Path("readings.csv") + "' --mapping '" + Path("mapping.json") +
                         "' --format json --dry-run");
    EXPECT_EQ(run.status, 1) << Errors();  // a row was refused
    EXPECT_EQ(Json("print(r['dry_run'], r['rows'], r['taken'], r['already'], r['refused'])", run.text),
              "True 2 1 0 [{'line': 3, 'reason': 'there is no test point \"Leg Z\" at site \"Mast\"'}]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[0]]");

    run = Cli("import '" + Path("readings.csv") + "' --mapping '" + Path("mapping.json") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.text.find("2 rows: 1 taken, 0 already in the archive, 1 refused"), std::string::npos)
        << run.text;
    EXPECT_NE(run.text.find("3     there is no test point \"Leg Z\" at site \"Mast\""), std::string::npos)
        << run.text;
    // The typed result is judged and listed like one typed by hand, marked as imported from the file.
    run = Cli("result show 1 --format json");
    EXPECT_EQ(RunPython("import json, sys\nr = json.load(sys.stdin)[0]\nprint(r['values'], r['verdict'], "
                        "r['typed_by'].endswith(', imported from readings.csv'))",
                        run.text),
              "{'Re': 4.2} pass True");

    // Without --mapping, the one remembered for this header row; the same file again adds nothing.
    WriteFile(
        Path("readings.csv"),
        "Date\tPoint\tRe [kOhm]\n01.03.2024 09:15\tMast/Leg A\t0,0042\n04.03.2024 09:15\tMast/Leg A\t>1\n");
    run = Cli("import '" + Path("readings.csv") + "' --format json");
    EXPECT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(Json("print(r['taken'], r['already'], r['refused'])", run.text), "1 1 []");
    EXPECT_EQ(ReadArchive(Path(), "SELECT over_range_bound FROM typed_values ORDER BY version_id"),
              "[[null], [1000.0]]");
}

TEST_F(ImportCliTest, FaultsAreRefusedWithTheirReason) {
    WriteFile(Path("unknown.csv"), "A,B\n1,2\n");
    EXPECT_EQ(Cli("import '" + Path("unknown.csv") + "'").status, 1);
    EXPECT_NE(Errors().find("no mapping is remembered for a file with this header row"), std::string::npos)
        << Errors();
    EXPECT_EQ(Cli("import '" + Path("unknown.csv") + "' --mapping '" + Path("mapping.json") + "'").status, 1);
    EXPECT_NE(Errors().find("the mapping names the column \"Date\", which the header row does not have"),
              std::string::npos)
        << Errors();
    WriteFile(Path("bad.json"), "{\"date\": 3}");
    EXPECT_EQ(Cli("import '" + Path("readings.csv") + "' --mapping '" + Path("bad.json") + "'").status, 1);
    EXPECT_NE(Errors().find("the mapping's \"date.column\" is not valid"), std::string::npos) << Errors();
    EXPECT_EQ(Cli("import '" + Path("missing.csv") + "' --mapping '" + Path("mapping.json") + "'").status, 1);
    EXPECT_NE(Errors().find("the file cannot be read"), std::string::npos) << Errors();
    EXPECT_EQ(Cli("import '" + Path("readings.csv") + "' --format xml").status, 2);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[0]]");
}

TEST_F(ImportCliTest, AListOfSitesMakesThemWithTheirPoints) {
    WriteFile(Path("sites.json"),
              R"({"name": {"column": 1}, "interval": {"column": 2}, "points": {"column": 3},
                                     "header_row": 0})");
    WriteFile(Path("sites.csv"), "Depot,24,Rod 1;Rod 2\nMast,12,Leg A;Leg B\n");
    CommandRun run = Cli("import '" + Path("sites.csv") + "' --sites --mapping '" + Path("sites.json") +
                         "' --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(Json("print(r['rows'], r['taken'], r['already'])", run.text), "2 1 1");
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT s.name, s.interval_months, p.name FROM points p JOIN sites s ON "
                          "s.id = p.site_id ORDER BY s.name, p.ordinal"),
              "[[\"Depot\", 24, \"Rod 1\"], [\"Depot\", 24, \"Rod 2\"], [\"Mast\", 12, \"Leg A\"], "
              "[\"Mast\", 12, \"Leg B\"]]");
    EXPECT_EQ(Cli("import '" + Path("sites.csv") + "' --sites").status, 2);
}

}  // namespace
}  // namespace terrovane::archive::testing
