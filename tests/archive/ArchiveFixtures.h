#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Archive.h"
#include "MeasurementRecord.h"
#include "RecordPacket.h"
#include "Schema.h"
#include "ShellCommand.h"

namespace terrovane::archive::testing {

// A record of `mode` measured on 2009-01-`day` at 10:`minute`:00 with Re (or the mode's main value) `value`.
record::MeasurementRecord MakeResult(std::uint32_t mode, int day, int minute, float value);

// An accepted image (every packet with its markers) holding the records in the given slots.
record::ReadOutBuffer ImageWith(
    const std::vector<std::pair<std::size_t, record::MeasurementRecord>>& records);
// An image of `count` results in slots 0.. that no other seed produces.
record::ReadOutBuffer DistinctImage(int seed, int count = 100);
// Stores the read-outs of seeds `firstSeed`.. (two results each) in one transaction, for a big archive in
// a fraction of the time one commit per read-out takes.
void StoreReadOuts(Archive& archive, int firstSeed, int count);

// A fresh folder per test, removed afterwards.
class ArchiveTest : public ::testing::Test {
  protected:
    ArchiveTest();
    ~ArchiveTest() override;

    std::string Path(const std::string& name = "archive.sqlite") const { return folder_ + "/" + name; }
    std::unique_ptr<Archive> OpenArchive(const std::string& name = "archive.sqlite");
    StoreOutcome StoreImage(Archive& archive, const record::ReadOutBuffer& image,
                            const std::string& readAt = "2024-05-17T09:30:05+02:00");
    const std::string& Folder() const { return folder_; }

  private:
    std::string folder_;
};

// Output of a shell command and its exit status.
using terrovane::testing::RunCommand;
using CommandRun = terrovane::testing::CommandOutput;
// Runs the independent reader on the file: the rows of `sql` (or the checks, with "--check") as JSON text.
std::string ReadArchive(const std::string& path, const std::string& sql);
// The same for several statements in one run of the reader: the rows of each, in their order.
std::vector<std::string> ReadArchive(const std::string& path, const std::vector<std::string>& statements);
// What the reader's "--check" says of a sound archive of this program's layout.
std::string SoundCheck();
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
// A python3 snippet run with the text on its standard input; its output.
std::string RunPython(const std::string& script, const std::string& input);
// Makes the file at `path` with python3's own SQLite, as an older release or another program would.
void CreateWithPython(const std::string& path, const std::string& script);

}  // namespace terrovane::archive::testing
