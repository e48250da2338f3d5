// terrovane-cli visit add|edit|delete|assign and visits, run as a program: the listing's JSON checked
// against its schema and read back by Python's json, the calibration warning, and what is refused.
#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"

namespace terrovane::archive::testing {
namespace {

class VisitsCliTest : public ArchiveCliTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, MakeResult(1, 5, 3, 7.5f)},
                                                          {1, MakeResult(1, 5, 4, 8.5f)},
                                                          {2, MakeResult(1, 6, 5, 9.5f)}}))
                        .stored);
        ASSERT_EQ(Cli("site add 'Mast 7'").status, 0) << Errors();
        ASSERT_EQ(Cli("site add Depot").status, 0) << Errors();
        ASSERT_EQ(Cli("point add 'Mast 7' 'Leg A'").status, 0) << Errors();
        ASSERT_EQ(Cli("point add Depot Rod").status, 0) << Errors();
        ASSERT_EQ(Cli("assign 1 2 --to 'Mast 7/Leg A'").status, 0) << Errors();
        ASSERT_EQ(Cli("assign 3 --to Depot/Rod").status, 0) << Errors();
    }
    std::string Json(const std::string& script, const std::string& json) const {
        return RunPython("import json, sys\nrows = json.load(sys.stdin)\n" + script, json);
    }
};

TEST_F(VisitsCliTest, AVisitIsAddedListedEditedGivenResultsAndDeleted) {
    CommandRun run = Cli(
        "visit add 'Mast 7' --date 2009-01-05 --by 'Ana Novak' --instrument 'Earth tester;SN 42;2008-12-31' "
        "--instrument 'Clamp;C-7' --weather 'light rain' --temperature 4.5 --soil moist --note 'Gate 3'");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_NE(run.text.find("visit 1 added"), std::string::npos) << run.text;
    EXPECT_NE(
        Errors().find("the calibration of Earth tester (serial SN 42) was due on 2008-12-31, before the "
                      "visit"),
        std::string::npos)
        << Errors();
    ASSERT_EQ(Cli("visit assign 1 1 2").status, 0) << Errors();
    // A result typed by hand joins with --typed; one of another site's point is refused.
    ASSERT_EQ(
        Cli("result add --point 'Mast 7/Leg A' --method clamp-on --value Re=4.5 --date '2009-01-05 10:00'")
            .status,
        0)
        << Errors();
    ASSERT_EQ(
        Cli("result add --point Depot/Rod --method clamp-on --value Re=3.5 --date '2009-01-05 11:00'").status,
        0)
        << Errors();
    run = Cli("visit assign 1 1 --typed");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_NE(run.text.find("1 typed result assigned to visit 1"), std::string::npos) << run.text;
    EXPECT_EQ(Cli("visit assign 1 2 --typed").status, 1);
    EXPECT_NE(Errors().find("typed result 2 is not of a test point of the visit's site"), std::string::npos)
        << Errors();
    EXPECT_EQ(Json("print(rows[0]['typed_results'])", Cli("visits 'Mast 7' --format json").text), "[1]");

    run = Cli("visits 'Mast 7' --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(Json("v = rows[0]\nprint(len(rows), v['date'], v['by'], [(i['name'], i['serial'], "
                   "i['calibration_due'], i['calibration_past']) for i in v['instruments']], v['weather'], "
                   "v['air_temperature'], v['soil'], v['notes'], v['results'])",
                   run.text),
              "1 2009-01-05 Ana Novak [('Earth tester', 'SN 42', '2008-12-31', True), ('Clamp', 'C-7', None, "
              "False)] light rain 4.5 moist Gate 3 [1, 2]");
    run = Cli("visits 'Mast 7'");
    EXPECT_NE(run.text.find("Earth tester #SN 42 (calibration past)"), std::string::npos) << run.text;

    // Edit changes what is given and keeps the rest; an empty value removes the temperature.
    ASSERT_EQ(Cli("visit edit 1 --soil wet --temperature ''").status, 0) << Errors();
    EXPECT_EQ(
        ReadArchive(Path(),
                    "SELECT soil, air_temperature, weather, json_array_length(instruments) FROM visits"),
        R"([["wet", null, "light rain", 2]])");

    // A result of another site is refused, and nothing changes.
    run = Cli("visit assign 1 3");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(Errors().find("result 3 is not assigned to a test point of the visit's site"),
              std::string::npos)
        << Errors();
    ASSERT_EQ(Cli("visit delete 1").status, 0) << Errors();
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT (SELECT count(*) FROM visits), (SELECT count(*) FROM results WHERE "
                          "point_id IS NOT NULL AND visit_id IS NULL)"),
              "[[0, 3]]");
    EXPECT_EQ(Cli("visits 'Mast 7' --format json").text, "[]\n");
}

TEST_F(VisitsCliTest, WhatCannotBeAVisitIsRefusedWithItsReason) {
    const auto refused = [&](const std::string& args, int status, const std::string& reason) {
        const CommandRun run = Cli(args);
        EXPECT_EQ(run.status, status) << args;
        EXPECT_NE(Errors().find(reason), std::string::npos) << args << ": " << Errors();
    };
    refused("visit add 'Mast 7' --date 2009-02-30", 1, "\"2009-02-30\"");
    refused("visit add 'Mast 7' --date 2009-01-05 --soil muddy", 2, "--soil is dry, moist, wet or frozen");
    refused("visit add 'Mast 7' --date 2009-01-05 --temperature warm", 2, "--temperature takes degrees");
    refused("visit add 'Mast 7' --date 2009-01-05 --temperature 95", 1, "-80 to 70");
    refused("visit add 'Mast 7' --date 2009-01-05 --instrument 'a;b;c;d'", 2, "NAME;SERIAL;DUE");
    refused("visit add 'Mast 7' --date 2009-01-05 --instrument 'a;b;soon'", 1, "\"soon\"");
    refused("visit add Nowhere --date 2009-01-05", 1, "there is no site \"Nowhere\"");
    refused("visit add 'Mast 7'", 2, "--date");
    refused("visit edit 7 --soil dry", 1, "there is no visit 7");
    refused("visit delete x", 2, "a visit's id is a whole number");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM visits"), "[[0]]");
}

}  // namespace
}  // namespace terrovane::archive::testing
