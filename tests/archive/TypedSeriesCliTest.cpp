// terrovane-cli fop add|typed|list and soil add|typed|list, run as a program: a traverse or a sounding typed
// in gives exactly what the same readings give from a file, bad entries are refused before anything is
// stored, and the listings say who measured with what. The history's CSV has the typed results' rows.
#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"

namespace terrovane::archive::testing {
namespace {

class TypedSeriesCliTest : public ArchiveCliTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(Cli("site add Mast --limit 10").status, 0) << Errors();
        ASSERT_EQ(Cli("point add Mast Rod").status, 0) << Errors();
    }
};

TEST_F(TypedSeriesCliTest, ATypedTraverseIsAnalysedAsTheSameReadingsFromAFile) {
    ASSERT_EQ(
        Cli("fop add --point Mast/Rod --current-probe 50 --at 5=22.5 --at 10=27.25 --at 15=29 --at 20=30 "
            "--at 25=30.75 --at 30=31.5 --at 35=32.5 --at 40=34.5 --at 45=40.25 --date '2024-03-01 09:15' "
            "--instrument 'Other make 4105' --by Jo")
            .status,
        0)
        << Errors();
    WriteFile(Path("fop.csv"),
              "potential_probe_m,resistance_ohm\n5,22.5\n10,27.25\n15,29\n20,30\n25,30.75\n"
              "30,31.5\n35,32.5\n40,34.5\n45,40.25\n");
    const CommandRun fromFile = Cli("fop --csv '" + Path("fop.csv") + "' --current-probe 50 --format json");
    ASSERT_EQ(fromFile.status, 0) << Errors();
    const CommandRun typed = Cli("fop typed 1 --format json");
    ASSERT_EQ(typed.status, 0) << Errors();
    EXPECT_EQ(typed.text, fromFile.text);
    EXPECT_EQ(Cli("fop typed 1").text, Cli("fop --csv '" + Path("fop.csv") + "' --current-probe 50").text);

    const CommandRun listed = Cli("fop list --point Mast/Rod");
    ASSERT_EQ(listed.status, 0) << Errors();
    EXPECT_NE(listed.text.find("2024-03-01 09:15"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("5=22.5 10=27.25"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("Other make 4105"), std::string::npos) << listed.text;
    EXPECT_EQ(ReadArchive(Path(), "SELECT measured_by, current_probe_m FROM typed_traverses"),
              R"([["Jo", 50.0]])");
}

TEST_F(TypedSeriesCliTest, BadTraversesAreRefusedBeforeAnythingIsStored) {
    const std::string date = " --date '2024-03-01 09:15'";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--current-probe 50 --at 5=2", "needs at least two readings"},
        {"--current-probe 50 --at 5=2 --at 5=3", "reading 2: the distance 5 m is given twice"},
        {"--current-probe 50 --at 5=2 --at '10=>300k'", "over range is no reading a curve can pass through"},
        {"--current-probe 50 --at 5=2 --at ten=3", "a reading is DISTANCE=VALUE[UNIT]"},
        {"--current-probe 50 --at 5=2 --at 10=3ohm.m", "is no unit of R"},
        {"--current-probe 0 --at 5=2 --at 10=3", "--current-probe takes"},
    };
    for (const auto& [options, said] : cases) {
        EXPECT_EQ(Cli("fop add --point Mast/Rod " + options + date).status, 2) << options;
        EXPECT_NE(Errors().find(said), std::string::npos) << options << ": " << Errors();
    }
    EXPECT_EQ(Cli("fop add --point Mast/Rod --current-probe 50 --at 5=2 --at 10=3 --date '2999-01-01 10:00'")
                  .status,
              2);
    EXPECT_EQ(Cli("fop add --point Mast/Nowhere --current-probe 50 --at 5=2 --at 10=3" + date).status, 1);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_traverses"), "[[0]]");
    EXPECT_EQ(Cli("fop typed 7").status, 1);
    EXPECT_NE(Errors().find("there is no typed traverse 7"), std::string::npos) << Errors();
}

TEST_F(TypedSeriesCliTest, ATypedWennerSoundingIsFittedAsTheSameReadingsFromAFile) {
    ASSERT_EQ(
        Cli("soil add --site Mast --wenner 1=23.9ohm --wenner 2=11.6ohm --wenner 3=7.2ohm --wenner 4=5.1ohm "
            "--wenner 6=2.9ohm --wenner 8=1.95ohm --wenner 12=1.1ohm --wenner 16=0.77ohm "
            "--date '2024-03-01 09:15' --by Jo")
            .status,
        0)
        << Errors();
    WriteFile(Path("sounding.csv"),
              "spacing_m,resistance_ohm\n1,23.9\n2,11.6\n3,7.2\n4,5.1\n6,2.9\n8,1.95\n12,1.1\n"
              "16,0.77\n");
    const CommandRun fromFile =
        Cli("soil --csv '" + Path("sounding.csv") + "' --resistance --layers 2 --format json");
    ASSERT_EQ(fromFile.status, 0) << Errors();
    const CommandRun typed = Cli("soil typed 1 --layers 2 --format json");
    ASSERT_EQ(typed.status, 0) << Errors();
    EXPECT_EQ(typed.text, fromFile.text);

    const CommandRun listed = Cli("soil list --site Mast");
    ASSERT_EQ(listed.status, 0) << Errors();
    EXPECT_NE(listed.text.find("wenner  ohm"), std::string::npos) << listed.text;
}

// Resistances read over a two-layer ground (250 and 40 ohm-m, the interface 3 m down) with AB/2 from 1 m to
// 40 m and MN/2 widened twice, to four digits: the fit finds the ground again and says where each reading
// was taken.
TEST_F(TypedSeriesCliTest, ATypedSchlumbergerSoundingIsFittedToItsGround) {
    ASSERT_EQ(
        Cli("soil add --site Mast --schlumberger 1/0.25=42.21ohm --schlumberger 1.5/0.25=17.85ohm "
            "--schlumberger 2/0.25=9.689ohm --schlumberger 3/0.25=3.935ohm --schlumberger 4/0.25=1.95ohm "
            "--schlumberger 6/1=2.623ohm --schlumberger 8/1=1.029ohm --schlumberger 10/1=0.4854ohm "
            "--schlumberger 15/1=0.1414ohm --schlumberger 20/1=0.06991ohm --schlumberger 30/5=0.1507ohm "
            "--schlumberger 40/5=0.08231ohm --date '2024-03-02 10:00'")
            .status,
        0)
        << Errors();
    const CommandRun json = Cli("soil typed 1 --format json");
    ASSERT_EQ(json.status, 0) << Errors();
    EXPECT_EQ(terrovane::testing::CliJsonViolations("soil typed 1 --format json", json.text), "");
    const std::string read = RunPython(
        "import json, sys\n"
        "fit = json.load(sys.stdin)\n"
        "l = fit['layers']\n"
        "print(len(l), round(l[0]['resistivity_ohm_m']), "
        "round(l[1]['resistivity_ohm_m']), round(l[0]['thickness_m'], 2), "
        "fit['points'][5]['spacing_m'], fit['points'][5]['mn2_m'])\n",
        json.text);
    EXPECT_EQ(read, "2 250 40 3.0 6 1");
    const CommandRun table = Cli("soil typed 1");
    ASSERT_EQ(table.status, 0) << Errors();
    EXPECT_NE(table.text.find("AB/2 (m)     MN/2 (m)     measured"), std::string::npos) << table.text;
    EXPECT_NE(table.text.find("\n30           5            41.43"), std::string::npos) << table.text;
    const CommandRun listed = Cli("soil list --site Mast");
    ASSERT_EQ(listed.status, 0) << Errors();
    EXPECT_NE(listed.text.find("schlumberger  ohm"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("1/0.25=42.21 1.5/0.25=17.85"), std::string::npos) << listed.text;
}

TEST_F(TypedSeriesCliTest, BadSoundingsAreRefusedBeforeAnythingIsStored) {
    const std::string date = " --date '2024-03-01 09:15'";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--wenner 1=20", "say the unit"},
        {"--wenner 1=20ohm --wenner 2=80ohm.m", "all resistances or all resistivities"},
        {"--wenner 1=20ohm --schlumberger 2=80ohm.m", "with --wenner or with --schlumberger"},
        {"", "with --wenner or with --schlumberger"},
        {"--schlumberger 1=20ohm --schlumberger 2=10ohm", "a Schlumberger reading is AB2/MN2=VALUE"},
        {"--schlumberger 1/1=20ohm --schlumberger 2/0.5=10ohm",
         "reading 1: MN/2 is a number of metres above 0 and below its AB/2, 1 m"},
        {"--schlumberger 1/0.2=20ohm --schlumberger 2/x=10ohm", "not \"2/x=10ohm\""},
        {"--schlumberger 1/0.2=20ohm --schlumberger 2/0.5", "not \"2/0.5\""},
        {"--wenner 1=20A --wenner 2=10A", "is no unit of rho"},
    };
    for (const auto& [options, said] : cases) {
        EXPECT_EQ(Cli("soil add --site Mast " + options + date).status, 2) << options;
        EXPECT_NE(Errors().find(said), std::string::npos) << options << ": " << Errors();
    }
    EXPECT_EQ(Cli("soil add --site Elsewhere --wenner 1=20ohm --wenner 2=10ohm" + date).status, 1);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_soundings"), "[[0]]");
}

// The history's CSV keeps its columns and adds, after them, what marks a typed result; Python's csv reads it.
TEST_F(TypedSeriesCliTest, TheHistorysCsvHasTheTypedResultsMarked) {
    ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, MakeResult(1, 5, 1, 8.0f)}})).stored);
    ASSERT_EQ(Cli("assign 1 --to Mast/Rod").status, 0) << Errors();
    ASSERT_EQ(Cli("result add --point Mast/Rod --method fall-of-potential --value Re=12.5 --value 'Rh=>300k' "
                  "--date "
                  "'2024-03-01 09:15' --instrument 'Clamp 9' --by Jo")
                  .status,
              0)
        << Errors();
    const CommandRun run = Cli("history --format csv");
    ASSERT_EQ(run.status, 0) << Errors();
    const std::string read = RunPython(
        "import csv, io, sys\n"
        "rows = list(csv.DictReader(io.StringIO(sys.stdin.read().lstrip('\\ufeff'))))\n"
        "header = list(rows[0].keys())\n"
        "print(header[:2], header[-7:])\n"
        "for r in rows:\n"
        "    print(r['typed'], r['slot'], r['site'], r['point'], r['Re'], r['over_range'], r['verdict'], "
        "r['method'], r['instrument'], r['measured_by'], bool(r['typed_by']), r['typed_result'])\n",
        run.text);
    EXPECT_EQ(
        read,
        "['id', 'readout'] ['typed', 'typed_result', 'method', 'instrument', 'measured_by', 'typed_by', "
        "'typed_at']\n"
        "no 00 Mast Rod 8  pass    False \n"
        "yes  Mast Rod 12.5 Rh>300000 fail fall-of-potential Clamp 9 Jo True 1");
}

}  // namespace
}  // namespace terrovane::archive::testing
