#include "ArchiveFixtures.h"

#include "Schema.h"
#include "ServedScript.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace terrovane::archive::testing {
namespace {

std::uint32_t Bcd(int value) {
    return static_cast<std::uint32_t>((value / 10) << 4 | (value % 10));
}

}  // namespace

record::MeasurementRecord MakeResult(std::uint32_t mode, int day, int minute, float value) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.year = Bcd(9);
    r.month = Bcd(1);
    r.day = Bcd(day);
    r.hour = Bcd(10);
    r.minute = Bcd(minute);
    r.voltageCode = 1;
    r.frequencyCode = 2;
    r.validMark = 'U';
    const record::ValueIndex main = mode == 6    ? record::kRac
                                    : mode == 7  ? record::kR1
                                    : mode == 8  ? record::kR1
                                    : mode == 9  ? record::kResistivity
                                    : mode == 10 ? record::kIac
                                                 : record::kRe;
    r.values[main] = value;
    r.values[record::kJammingVoltage] = 0.5f;  // below 1 V: an invalid reading
    return r;
}

record::ReadOutBuffer ImageWith(
    const std::vector<std::pair<std::size_t, record::MeasurementRecord>>& records) {
    record::ReadOutBuffer image{};
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        auto packet = record::PacketOf(image, slot);
        packet[0] = 'O';
        packet[1] = 'K';
        packet[68] = 'O';
        packet[69] = 'K';
    }
    for (const auto& [slot, r] : records) {
        r.ToPacket(record::PacketOf(image, slot));
    }
    return image;
}

record::ReadOutBuffer DistinctImage(int seed, int count) {
    std::vector<std::pair<std::size_t, record::MeasurementRecord>> records;
    for (int slot = 0; slot < count; ++slot) {
        auto r = MakeResult(static_cast<std::uint32_t>(1 + slot % 10), 1 + slot % 28, slot % 60,
                            static_cast<float>(seed) + static_cast<float>(slot) / 128.0f);
        r.integerValue = static_cast<std::uint32_t>(seed & 0xFFFF);
        r.reservedByte = static_cast<std::uint32_t>((seed >> 16) & 0xFF);
        records.emplace_back(static_cast<std::size_t>(slot), r);
    }
    return ImageWith(records);
}

void StoreReadOuts(Archive& archive, int firstSeed, int count) {
    const Status stored = archive.Run(Archive::Access::Write, [&](Database&) -> Status {
        for (int seed = firstSeed; seed < firstSeed + count; ++seed) {
            const record::ReadOutBuffer image = DistinctImage(seed, 2);
            const StoreOutcome one = archive.Store({"2026-12-01T10:00:00+01:00", "/dev/ttyUSB0", &image});
            if (!one.stored) {
                return FailureOf(1, one.error);
            }
        }
        return Done{};
    });
    EXPECT_TRUE(stored.Ok()) << stored.Error().Text();
}

ArchiveTest::ArchiveTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tv-archive-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    EXPECT_FALSE(folder_.empty());
}

ArchiveTest::~ArchiveTest() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

std::unique_ptr<Archive> ArchiveTest::OpenArchive(const std::string& name) {
    std::string error;
    auto archive = Archive::Open(Path(name), error);
    EXPECT_NE(archive, nullptr) << error;
    return archive;
}

StoreOutcome ArchiveTest::StoreImage(Archive& archive, const record::ReadOutBuffer& image,
                                     const std::string& readAt) {
    return archive.Store({readAt, "/dev/ttyUSB0", &image});
}

namespace {

bool AskArchiveReader(const std::string& path, const std::vector<std::string>& statements,
                      std::vector<std::string>& lines, std::string& error) {
    const std::string request = nlohmann::json{{"path", path}, {"statements", statements}}.dump();
    return terrovane::testing::AskServedScript(TV_ARCHIVE_READER, request, lines, error);
}

}  // namespace

std::string ReadArchive(const std::string& path, const std::string& sql) {
    std::vector<std::string> lines;
    std::string error;
    if (!AskArchiveReader(path, {sql}, lines, error)) {
        ADD_FAILURE() << "the reader cannot read " << path << ": " << error;
        return error;
    }
    return lines.empty() ? std::string() : lines.front();
}

std::vector<std::string> ReadArchive(const std::string& path, const std::vector<std::string>& statements) {
    std::vector<std::string> rows;
    std::string error;
    if (!AskArchiveReader(path, statements, rows, error))
        ADD_FAILURE() << "the reader cannot read " << path << ": " << error;
    rows.resize(statements.size());
    return rows;
}

std::string SoundCheck() {
    return R"({"integrity": "ok", "journal": "wal", "version": )" + std::to_string(kSchemaVersion) + "}";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string RunPython(const std::string& script, const std::string& input) {
    char name[] = "/tmp/tv-archive-input-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0) {
        return {};
    }
    ::close(fd);
    WriteFile(name, input);
    const CommandRun run =
        RunCommand("/usr/bin/python3 -c " + terrovane::testing::ShellQuoted(script) + " < " + name + " 2>&1");
    std::remove(name);
    EXPECT_EQ(run.status, 0) << run.text;
    return run.text.substr(0, run.text.find_last_not_of('\n') + 1);
}

void CreateWithPython(const std::string& path, const std::string& script) {
    RunPython(
        "import sqlite3, sys\ndb = sqlite3.connect('" + path + "')\ndb.executescript(sys.stdin.read())\n",
        script);
}

}  // namespace terrovane::archive::testing
