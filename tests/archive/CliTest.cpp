// terrovane-cli read and history against the simulated instrument, the outputs read back by Python.
#include <filesystem>
#include <fstream>

#include "ArchiveFixtures.h"
#include "SimProcess.h"

namespace terrovane::archive::testing {
namespace {

class CliTest : public ArchiveTest {
  protected:
    CommandRun Cli(const std::string& args) const {
        // The simulator answers at once: its requests go out every 2 ms.
        return RunCommand("QT_QPA_PLATFORM=offscreen TERROVANE_LINK_PACING=100,2 TERROVANE_ARCHIVE='" +
                          Path() + "' TERROVANE_PORTMAP='" + (sim_ ? sim_->MapPath() : Path("no-portmap")) +
                          "' '" + TERROVANE_CLI_PATH + "' " + args + " 2>" + Path("stderr.txt"));
    }
    std::string Errors() const { return ReadFile(Path("stderr.txt")); }
    void PlugIn(const record::ReadOutBuffer& image) {
        sim_ = std::make_unique<terrovane::testing::SimProcess>(std::vector<std::string>{}, &image);
        ASSERT_TRUE(sim_->Started());
    }

    std::unique_ptr<terrovane::testing::SimProcess> sim_;
};

TEST_F(CliTest, ReadArchivesAndPrintsJsonAndHistoryFindsItAgain) {
    PlugIn(ImageWith({{3, MakeResult(1, 23, 5, 12.5f)}, {57, MakeResult(9, 2, 7, 2500.0f)}}));
    CommandRun run = Cli("read --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(
        RunPython(
            "import json, sys\nr = json.load(sys.stdin)\n"
            "print(len(r), r[0]['id'], r[0]['readout'], r[0]['slot'], r[1]['mode_name'], len(r[1]['cells']),"
            " r[1]['values']['Resistivity'], r[0]['values']['Rac'], r[0]['port'] != None)",
            run.text),
        "2 1 1 3 \xCF\x81 18 2500 None True");
    // Read again: same results, same ids, a second read-out.
    ASSERT_EQ(Cli("read").status, 0) << Errors();
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*), (SELECT count(*) FROM results) FROM readouts"),
              "[[2, 2]]");

    ASSERT_EQ(Cli("history label 2 'Pole 7' --note 'wet'").status, 0) << Errors();
    run = Cli("history --label pole --format csv");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(
        RunPython("import csv, io, sys\nrows = list(csv.reader(io.StringIO(sys.stdin.buffer.read()."
                  "decode('utf-8-sig'), newline='')))\nprint(len(rows), rows[1][0], rows[1][9], rows[1][10])",
                  run.text),
        "2 2 Pole 7 wet");
    run = Cli("history --readouts --format json");
    EXPECT_EQ(RunPython("import json, sys\nprint([(r['id'], r['results']) for r in json.load(sys.stdin)])",
                        run.text),
              "[(2, [1, 2]), (1, [1, 2])]");
    run = Cli("history --mode 1");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.text.find("3Pole"), std::string::npos) << run.text;
    EXPECT_EQ(run.text.find("\xCF\x81"), std::string::npos) << run.text;

    ASSERT_EQ(Cli("history open 1 --out '" + Path("image.bin") + "'").status, 0) << Errors();
    EXPECT_EQ(ReadFile(Path("image.bin")), ReadFile(sim_->ImagePath()));
}

TEST_F(CliTest, NoArchiveLeavesTheArchiveAloneAndStillPrints) {
    PlugIn(ImageWith({{0, MakeResult(2, 1, 1, 3.0f)}}));
    const CommandRun run = Cli("read --no-archive --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(
        RunPython(
            "import json, sys\nr = json.load(sys.stdin)[0]\nprint(r['id'], r['readout'], r['mode_name'])",
            run.text),
        "None None 4Pole");
    EXPECT_FALSE(std::ifstream(Path()).good());
}

TEST_F(CliTest, AnArchiveThatCannotBeWrittenDoesNotFailTheRead) {
    std::filesystem::create_directory(Path());
    PlugIn(ImageWith({{0, MakeResult(2, 1, 1, 3.0f)}}));
    const CommandRun run = Cli("read --format table");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(Errors().find("could not be kept in the archive"), std::string::npos) << Errors();
    EXPECT_NE(run.text.find("4Pole"), std::string::npos) << run.text;
}

TEST_F(CliTest, BadInvocationsAreRefusedClearly) {
    EXPECT_EQ(Cli("history --since 2009-13-01").status, 2);
    EXPECT_NE(Errors().find("YYYY-MM-DD"), std::string::npos);
    EXPECT_EQ(Cli("history --mode x").status, 2);
    EXPECT_EQ(Cli("history --format xml").status, 2);
    EXPECT_EQ(Cli("history open 1").status, 2);
    EXPECT_EQ(Cli("history open 5 --out '" + Path("x.bin") + "'").status, 1);
    EXPECT_NE(Errors().find("no read-out 5"), std::string::npos);
    EXPECT_EQ(Cli("history label 9 x").status, 1);
    EXPECT_EQ(Cli("history frobnicate").status, 2);
    EXPECT_EQ(Cli("read --format xml").status, 2);
}

}  // namespace
}  // namespace terrovane::archive::testing
