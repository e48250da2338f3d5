// terrovane-cli read and history against the simulated instrument, the outputs read back by Python.
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ArchiveFixtures.h"
#include "JsonSchema.h"
#include "SimProcess.h"

namespace terrovane::archive::testing {
namespace {

class CliTest : public ArchiveTest {
  protected:
    CommandRun Cli(const std::string& args) const {
        // The settings are the test's own: the caller's Archive/Enabled must not decide what is archived.
        // The simulator answers at once: its requests go out every millisecond, the waits end on its answer.
        CommandRun run =
            RunCommand("QT_QPA_PLATFORM=offscreen TERROVANE_LINK_PACING=100,1,early XDG_CONFIG_HOME='" +
                       Path("config") + "' TERROVANE_ARCHIVE='" + Path() + "' TERROVANE_PORTMAP='" +
                       (sim_ ? sim_->MapPath() : Path("no-portmap")) + "' '" + TERROVANE_CLI_PATH + "' " +
                       args + " 2>" + Path("stderr.txt"));
        EXPECT_EQ(terrovane::testing::CliJsonViolations(args, run.text), "") << args;
        return run;
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

// Opens and closes a descriptor on the archive and its journal files, as a file dialog does that looks
// into the folder to guess the files' types. POSIX record locks are the process's: any such close drops
// every lock the process holds on that file.
void PeekAtArchiveFiles(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const int fd = ::open((path + suffix).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            char head[64];
            EXPECT_GE(::read(fd, head, sizeof head), 0);
            ::close(fd);
        }
    }
}

TEST_F(CliTest, WritesOfTheWindowAndTheCommandLineSurviveOtherDescriptorsOnTheArchive) {
    auto archive = OpenArchive();
    ASSERT_TRUE(archive);
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 3)).stored);
    PeekAtArchiveFiles(Path());
    ASSERT_EQ(Cli("history label 1 'Pole 7'").status, 0) << Errors();
    PeekAtArchiveFiles(Path());
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(2, 3)).stored);
    std::string error;
    ASSERT_TRUE(archive->SetLabel(LabelTarget::ReadOut, 2, "Pole 8", std::nullopt, error)) << error;
    PeekAtArchiveFiles(Path());
    // The command line sees what the holder wrote while the holder still has the archive.
    const CommandRun run = Cli("history --readouts --format json");
    ASSERT_EQ(run.status, 0) << Errors();
    EXPECT_EQ(
        RunPython("import json, sys\nprint([(r['id'], r['label']) for r in json.load(sys.stdin)])", run.text),
        "[(2, 'Pole 8'), (1, None)]");
    ASSERT_EQ(Cli("history label 4 'Pole 9'").status, 0) << Errors();
    archive.reset();

    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT id, (SELECT text FROM labels WHERE id = label_id) FROM results "
                          "ORDER BY id"),
              R"([[1, "Pole 7"], [2, null], [3, null], [4, "Pole 9"], [5, "Pole 8"], [6, "Pole 8"]])");
    EXPECT_EQ(ReadArchive(Path(), "--check"), HealthyCurrentLayout());
}

class CliArchivingTest : public CliTest {
  protected:
    void SetUp() override {
        PlugIn(ImageWith({{3, MakeResult(1, 23, 5, 12.5f)}, {57, MakeResult(9, 2, 7, 2500.0f)}}));
    }
    // The number of results the instrument holds now, read without archiving.
    int OnInstrument() const {
        const CommandRun run = Cli("read --no-archive --format json");
        EXPECT_EQ(run.status, 0) << Errors();
        return std::stoi(RunPython("import json, sys\nprint(len(json.load(sys.stdin)))", run.text));
    }
    std::string ReadOutsArchived() const {
        return std::ifstream(Path()).good() ? ReadArchive(Path(), "SELECT count(*) FROM readouts") : "none";
    }
};

TEST_F(CliArchivingTest, EveryCommandThatReadsTheInstrumentKeepsItsReadOut) {
    ASSERT_EQ(Cli("export --xls '" + Path("out.xls") + "'").status, 0) << Errors();
    ASSERT_EQ(Cli("report --pdf '" + Path("out.pdf") + "'").status, 0) << Errors();
    EXPECT_EQ(ReadOutsArchived(), "[[2]]");
    // A saved image is no read-out of the instrument; --no-archive keeps nothing.
    ASSERT_EQ(Cli("export --xls '" + Path("again.xls") + "' --from '" + sim_->ImagePath() + "'").status, 0);
    ASSERT_EQ(Cli("report --pdf '" + Path("again.pdf") + "' --from '" + sim_->ImagePath() + "'").status, 0);
    ASSERT_EQ(Cli("export --xls '" + Path("none.xls") + "' --no-archive").status, 0) << Errors();
    EXPECT_EQ(ReadOutsArchived(), "[[2]]");

    ASSERT_EQ(Cli("erase --all --yes").status, 0) << Errors();
    EXPECT_EQ(OnInstrument(), 0);
    // The erased results are in the archive, with the read-out erase made just before.
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT count(*), (SELECT count(*) FROM readout_slots WHERE readout_id = 3) "
                          "FROM readouts"),
              "[[3, 2]]");
}

TEST_F(CliArchivingTest, EraseRefusesWhenItsReadOutCannotBeArchivedAndErasesWithNoArchive) {
    std::filesystem::create_directory(Path());
    const CommandRun refused = Cli("erase --all --yes");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(Errors().find("erase: the read-out could not be kept in the archive ("), std::string::npos)
        << Errors();
    EXPECT_NE(Errors().find("Is a directory); nothing was erased (--no-archive erases anyway)"),
              std::string::npos)
        << Errors();
    EXPECT_EQ(OnInstrument(), 2);

    ASSERT_EQ(Cli("erase --slot 3 --yes --no-archive").status, 0) << Errors();
    EXPECT_EQ(OnInstrument(), 1);
}

TEST_F(CliArchivingTest, TheWindowsSettingTurnsArchivingOffForEveryCommand) {
    // The main program's settings file, as its History window's check box leaves it.
    std::filesystem::create_directories(
        Path("config/\xE5\xBA\x94\xE7\x94\xA8\xE7\xA8\x8B\xE5\xBA\x8F\xE5\x90\x91"
             "\xE5\xAF\xBC\xE7\x94\x9F\xE6\x88\x90\xE7\x9A\x84\xE6\x9C\xAC"
             "\xE5\x9C\xB0\xE5\xBA\x94\xE7\x94\xA8\xE7\xA8\x8B\xE5\xBA\x8F"));
    WriteFile(Path("config/\xE5\xBA\x94\xE7\x94\xA8\xE7\xA8\x8B\xE5\xBA\x8F\xE5\x90\x91\xE5\xAF\xBC"
                   "\xE7\x94\x9F\xE6\x88\x90\xE7\x9A\x84\xE6\x9C\xAC\xE5\x9C\xB0\xE5\xBA\x94\xE7\x94"
                   "\xA8\xE7\xA8\x8B\xE5\xBA\x8F/Terrovane.conf"),
              "[Archive]\nEnabled=false\n");
    ASSERT_EQ(Cli("read").status, 0) << Errors();
    ASSERT_EQ(Cli("export --xls '" + Path("out.xls") + "'").status, 0) << Errors();
    ASSERT_EQ(Cli("report --pdf '" + Path("out.pdf") + "'").status, 0) << Errors();
    ASSERT_EQ(Cli("erase --slot 57 --yes").status, 0) << Errors();
    EXPECT_NE(
        Errors().find("keeping read-outs in the archive is turned off, so the results erased are not kept"),
        std::string::npos)
        << Errors();
    EXPECT_EQ(OnInstrument(), 1);
    EXPECT_EQ(ReadOutsArchived(), "none");
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
