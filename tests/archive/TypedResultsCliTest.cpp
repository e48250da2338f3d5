// terrovane-cli result add, correct and show, run as a program: what it stores, how it counts for the due
// list, and each bad entry refused with its reason before anything is stored.
#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"
#include "JsonSchema.h"

namespace terrovane::archive::testing {
namespace {

class TypedResultsCliTest : public ArchiveCliTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(Cli("site add Mast --limit 10 --interval 12").status, 0) << Errors();
        ASSERT_EQ(Cli("point add Mast 'Leg A'").status, 0) << Errors();
    }
    std::string Json(const std::string& script, const std::string& json) const {
        return RunPython("import json, sys\nrows = json.load(sys.stdin)\n" + script, json);
    }
};

TEST_F(TypedResultsCliTest, ATypedResultAndItsCorrectionAreStoredListedAndSetTheDueDate) {
    ASSERT_EQ(
        Cli("result add --point 'Mast/Leg A' --method fall-of-potential --value Re=4.2 --value 'Rh=>300k' "
            "--value Rs=1.2kohm --date '2024-03-01 09:15' --instrument 'Other make 4105, SN 77' --by Jo "
            "--note 'after rain'")
            .status,
        0)
        << Errors();
    CommandRun run = Cli("result show 1 --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(
        Json("r = rows[0]\nprint(r['typed'], r['point'], r['verdict'], r['values'], r['over_range'], "
             "r['units']['Rs'], r['instrument'], r['measured_by'], r['note'], bool(r['typed_by']))",
             run.text),
        "True Leg A pass {'Re': 4.2, 'Rh': None, 'Rs': 1200} {'Rh': 300000} ohm Other make 4105, SN 77 Jo "
        "after rain True");
    run = Cli("due --format json");
    EXPECT_EQ(Json("print([(r['last_tested'], r['due']) for r in rows])", run.text),
              "[('2024-03-01', '2025-03-01')]");

    // The correction keeps what it does not change; the old version stays in the history.
    ASSERT_EQ(Cli("result correct 1 --value Re=12 --date '2023-03-01 09:15'").status, 0) << Errors();
    run = Cli("result show 1 --format json");
    EXPECT_EQ(Json("print([(r['id'], r['replaces'], r['replaced_by'], r['values']['Re'], r['verdict'], "
                   "r['measured_by']) for r in rows])",
                   run.text),
              "[(2, 1, None, 12, 'fail', 'Jo'), (1, None, 2, 4.2, 'pass', 'Jo')]");
    run = Cli("due --format json");
    EXPECT_EQ(Json("print([r['last_tested'] for r in rows])", run.text), "['2023-03-01']");
    EXPECT_EQ(Cli("result correct 1 --value Re=5").status, 1);
    EXPECT_NE(Errors().find("has been corrected by 2 already"), std::string::npos) << Errors();
    // The history lists the newest version after the read-outs' results, marked typed.
    ASSERT_TRUE(StoreImage(*OpenArchive(), ImageWith({{0, MakeResult(1, 5, 1, 8.0f)}})).stored);
    run = Cli("history --site Mast --format json");
    EXPECT_EQ(Json("print(len(rows), [(r.get('typed', False), r['id'], r.get('instrument')) for r in rows if "
                   "r.get('typed')])",
                   run.text),
              "1 [(True, 2, 'Other make 4105, SN 77')]");
    run = Cli("history --format json");
    EXPECT_EQ(Json("print([(r.get('typed', False), r['id']) for r in rows])", run.text),
              "[(False, 1), (True, 2)]");
    run = Cli("history");
    EXPECT_NE(run.text.find("TYPED RESULTS"), std::string::npos) << run.text;
    run = Cli("result show 2");
    EXPECT_NE(run.text.find("2 (newest)"), std::string::npos) << run.text;
    EXPECT_NE(run.text.find("Re=4.2 \u03a9; Rh>300 k\u03a9; Rs=1.2 k\u03a9"), std::string::npos) << run.text;
}

TEST_F(TypedResultsCliTest, EachBadEntryIsRefusedWithItsReasonAndNothingIsStored) {
    const std::string point = "result add --point 'Mast/Leg A' ";
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {point + "--method dowsing --value Re=4 --date '2024-03-01 09:15'", 2,
         "there is no method \"dowsing\""},
        {point + "--method 3-pole --value Re=4,2 --date '2024-03-01 09:15'", 2,
         "the value of Re is no number: \"4,2\""},
        {point + "--method 3-pole --value Re=4mA --date '2024-03-01 09:15'", 2, "\"mA\" is no unit of Re"},
        {point + "--method resistivity --value rho=4kohm --date '2024-03-01 09:15'", 2,
         "\"kohm\" is no unit of rho"},
        {point + "--method 3-pole --value Re=4 --date '2999-03-01 09:15'", 2, "lies in the future"},
        {point + "--method 3-pole --value Re=4 --date '2024-02-30 09:15'", 2,
         "must exist, not \"2024-02-30 09:15\""},
        {point + "--method 3-pole --value Rh=4 --date '2024-03-01 09:15'", 2, "needs its value Re"},
        {"result add --point Mast/Nowhere --method 3-pole --value Re=4 --date '2024-03-01 09:15'", 1,
         "there is no test point \"Nowhere\" at site \"Mast\""},
        {"result correct 7 --value Re=4", 1, "there is no typed result 7"},
    };
    for (const auto& [args, status, message] : cases) {
        EXPECT_EQ(Cli(args).status, status) << args;
        EXPECT_NE(Errors().find(message), std::string::npos) << args << "\n" << Errors();
    }
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[0]]");
}

}  // namespace
}  // namespace terrovane::archive::testing
