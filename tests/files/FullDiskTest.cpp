// Every file the programs write, written onto a full disk and past a file size limit: the writer fails
// with a message naming the file and the reason, the earlier file stays byte for byte, nothing is left
// beside it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "Fixtures.h"
#include "HandoffFiles.h"
#include "SimProcess.h"
#include "SmallDisk.h"

namespace terrovane::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// One 512-byte block: smaller than anything the programs write.
constexpr int kLimitBlocks = 1;

enum class Squeeze { FullDisk, SizeLimit };

struct Outcome {
    int status = -1;
    std::string message;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs terrovane-cli; the outcome holds its standard error only.
// runtimeDir is a private folder, so the program has nothing to say on standard error but its messages.
Outcome Cli(const std::string& args, Squeeze squeeze, const std::string& runtimeDir,
            const std::string& environment = {}) {
    std::string command = environment + " QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + runtimeDir + " '" +
                          TERROVANE_CLI_PATH + "' " + args;
    if (squeeze == Squeeze::SizeLimit)
        command = UnderFileSizeLimit(command, kLimitBlocks);
    const auto run = RunCommand("(" + command + ") 2>&1 >/dev/null");
    return {run.status, run.text};
}

// The standard error of processes started while it lives goes to a file.
class CapturedStderr {
  public:
    explicit CapturedStderr(std::string path) : path_(std::move(path)) {
        saved_ = ::dup(STDERR_FILENO);
        const int file = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ::dup2(file, STDERR_FILENO);
        ::close(file);
    }
    void Restore() {
        if (saved_ >= 0)
            ::dup2(saved_, STDERR_FILENO), ::close(saved_), saved_ = -1;
    }
    ~CapturedStderr() { Restore(); }
    std::string Text() const { return Contents(path_); }

  private:
    std::string path_;
    int saved_ = -1;
};

class FullDiskTest : public ::testing::TestWithParam<Squeeze> {
  protected:
    void SetUp() override {
        root_ = (fs::temp_directory_path() / ("full-disk-" + std::to_string(::getpid()))).string();
        fs::remove_all(root_);
        fs::create_directories(root_ + "/input");
        fs::create_directories(Runtime());
        ::chmod(root_.c_str(), 0700);
        ::chmod(Runtime().c_str(), 0700);
        WriteBytes(Input("data.inf"), ToBytes(ImageWith({{0, SampleRecord(1)}, {7, SampleRecord(9)}})));
        if (GetParam() == Squeeze::FullDisk) {
            disk_ = std::make_unique<SmallDisk>(root_ + "/disk");
            if (!disk_->Mounted())
                GTEST_SKIP() << "mounting a small file system needs root";
            folder_ = disk_->Path();
        } else {
            folder_ = root_ + "/limited";
            fs::create_directories(folder_);
            ::chmod(folder_.c_str(), 0700);
        }
    }
    void TearDown() override {
        disk_.reset();
        fs::remove_all(root_);
    }

    static std::vector<std::uint8_t> ToBytes(const record::ReadOutBuffer& image) {
        return {image.begin(), image.end()};
    }
    std::string Runtime() const { return root_ + "/runtime"; }
    std::string Input(const std::string& name) const { return root_ + "/input/" + name; }
    std::string Target(const std::string& name) const { return folder_ + "/" + name; }

    // Puts the earlier file in place and, on the small disk, takes every byte that is left.
    std::string PlaceOldFile(const std::string& name) {
        const std::string old = "earlier " + name + " " + std::string(300, 'o');
        std::ofstream(Target(name), std::ios::binary) << old;
        if (disk_)
            disk_->Fill();
        return old;
    }
    // What the message must give as the reason.
    static std::string Reason() {
        return GetParam() == Squeeze::FullDisk ? "No space left on device" : "File too large";
    }
    void ExpectOnlyTheOldFile(const std::string& name, const std::string& old) const {
        EXPECT_EQ(Contents(Target(name)), old);
        const std::string filler = "filler";
        EXPECT_EQ(FolderListing(folder_), !disk_          ? name
                                          : name < filler ? name + " filler"
                                                          : "filler " + name);
    }

    std::string root_;
    std::string folder_;
    std::unique_ptr<SmallDisk> disk_;
};

TEST_P(FullDiskTest, ReportPdf) {
    const std::string old = PlaceOldFile("report.pdf");
    const auto run =
        Cli("report --pdf " + Target("report.pdf") + " --from " + Input("data.inf"), GetParam(), Runtime());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.message, "report: cannot write " + Target("report.pdf") + ": " + Reason() + "\n");
    ExpectOnlyTheOldFile("report.pdf", old);
}

TEST_P(FullDiskTest, ExportedWorkbook) {
    const std::string old = PlaceOldFile("book.xls");
    const auto run =
        Cli("export --xls " + Target("book.xls") + " --from " + Input("data.inf"), GetParam(), Runtime());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.message, "export: The workbook could not be saved as \"" + Target("book.xls") + "\" (" +
                               Reason() + "); the earlier file there is unchanged.\n");
    ExpectOnlyTheOldFile("book.xls", old);
}

TEST_P(FullDiskTest, ReadOutImage) {
    SimProcess sim({});
    ASSERT_TRUE(sim.Started());
    const std::string old = PlaceOldFile("image.bin");
    const auto run = Cli("read --out " + Target("image.bin"), GetParam(), Runtime(),
                         "TERROVANE_LINK_PACING=100,1,early TERROVANE_PORTMAP=" + sim.MapPath());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.message.find("read: cannot write " + Target("image.bin") + ": " + Reason() + "\n"),
              std::string::npos)
        << run.message;
    ExpectOnlyTheOldFile("image.bin", old);
}

TEST_P(FullDiskTest, HandoffFiles) {
    ::setenv("TERROVANE_HANDOFF_DIR", folder_.c_str(), 1);
    std::ofstream(Target("set.inf"), std::ios::binary) << "earlier set.inf";
    const std::string oldData = PlaceOldFile("data.inf");
    std::string error;
    bool recordWritten, headerWritten;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (GetParam() == Squeeze::SizeLimit)
            limit = std::make_unique<FileSizeLimit>(512);
        recordWritten = handoff::WriteRecordFile(ImageWith({{3, SampleRecord(2)}}), &error);
        headerWritten = handoff::SaveHeaderFile({"object", "SN", "tester"});
    }
    ::unsetenv("TERROVANE_HANDOFF_DIR");
    EXPECT_FALSE(recordWritten);
    EXPECT_EQ(error, Target("data.inf") + ": " + Reason());
    EXPECT_FALSE(headerWritten);
    EXPECT_EQ(Contents(Target("data.inf")), oldData);
    EXPECT_EQ(Contents(Target("set.inf")), "earlier set.inf");
    EXPECT_EQ(FolderListing(folder_), disk_ ? "data.inf filler set.inf" : "data.inf set.inf");
}

TEST_P(FullDiskTest, SimulatorImage) {
    const std::string old(Contents(Input("data.inf")));
    std::ofstream(Target("image.bin"), std::ios::binary) << old;
    if (disk_)
        disk_->Fill();
    CapturedStderr errors(root_ + "/sim-stderr");
    std::unique_ptr<SimProcess> sim;
    {
        std::unique_ptr<FileSizeLimit> limit;  // the simulator inherits it; the port map stays below it
        if (GetParam() == Squeeze::SizeLimit)
            limit = std::make_unique<FileSizeLimit>(512);
        sim = std::make_unique<SimProcess>(std::vector<std::string>{"--image", Target("image.bin")});
    }
    errors.Restore();
    ASSERT_TRUE(sim->Started());
    sim->Connect();
    sim->Send("EREASE_FLASH 200\r\n");
    EXPECT_EQ(sim->Receive(4, 1000ms), (std::vector<std::uint8_t>{'O', 'K', '\r', '\n'}));
    sim->Send("OK\r\n");  // still serving after the failed save
    EXPECT_EQ(sim->Receive(4, 1000ms).size(), 4u);
    EXPECT_EQ(errors.Text(), "cannot save the image: " + Target("image.bin") + ": " + Reason() + "\n");
    ExpectOnlyTheOldFile("image.bin", old);
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDiskTest, ::testing::Values(Squeeze::FullDisk, Squeeze::SizeLimit),
                         [](const auto& info) {
                             return info.param == Squeeze::FullDisk ? "FullDisk" : "FileSizeLimit";
                         });

}  // namespace
}  // namespace terrovane::testing
