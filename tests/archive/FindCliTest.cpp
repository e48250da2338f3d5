// terrovane-cli find, run as a program: what it finds, as a table and as JSON checked against its schema
// and read back by Python's json, and texts that would be the index's syntax taken as typed.
#include "ArchiveCliTest.h"
#include "ArchiveFixtures.h"

namespace terrovane::archive::testing {
namespace {

class FindCliTest : public ArchiveCliTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(Cli("site add 'Umspannwerk Süd' --address 'key at the gate'").status, 0) << Errors();
        ASSERT_EQ(Cli("point add 'Umspannwerk Süd' 'Leg-1 \"north\"'").status, 0) << Errors();
        ASSERT_EQ(Cli("site add '北京变电站'").status, 0) << Errors();
    }
};

TEST_F(FindCliTest, FindsAsTheWindowDoesInATableAndAsJson) {
    CommandRun run = Cli("find sud --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(RunPython("import json, sys\nprint([(r['kind'], r['site'], r['point'], r['text']) for r in "
                        "json.load(sys.stdin)])",
                        run.text),
              "[('site', 'Umspannwerk Süd', None, 'Umspannwerk Süd key at the gate')]");
    run = Cli("find 'leg-1' '\"north\"' --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(RunPython("import json, sys\nprint([(r['kind'], r['site'], r['point']) for r in "
                        "json.load(sys.stdin)])",
                        run.text),
              "[('point', 'Umspannwerk Süd', 'Leg-1 \"north\"')]");
    run = Cli("find 变电");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_NE(run.text.find("北京变电站"), std::string::npos) << run.text;
    EXPECT_NE(run.text.find("KIND"), std::string::npos) << run.text;

    for (const char* hostile : {"'\"'", "'*'", "NEAR", "'a:b'", "'-'", "AND", "'('"}) {
        run = Cli(std::string("find ") + hostile + " --format json");
        EXPECT_EQ(run.status, 0) << hostile << ": " << Errors();
        EXPECT_EQ(run.text, "[]\n") << hostile;
    }
    run = Cli("find nothing-here");
    EXPECT_EQ(run.status, 0) << Errors();
    EXPECT_NE(Errors().find("nothing holds these words"), std::string::npos) << Errors();
    EXPECT_EQ(Cli("find sud --format csv").status, 2);
}

}  // namespace
}  // namespace terrovane::archive::testing
