// Times the team sync on 127.0.0.1 against its targets: the first sync of an archive of READOUTS read-outs
// (100 results each) to an empty server, beside a plain COPY of the same rows (the script times that with
// psql from the file written here; goal: at most twice as long), and one new read-out reaching a second PC
// end to end, its push and the other's pull (goal: under 1 s).
// Usage: terrovane-sync-bench READOUTS FOLDER CONNINFO_A CONNINFO_B
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "Archive.h"
#include "ContentKey.h"
#include "MeasurementRecord.h"
#include "Numbers.h"
#include "RecordPacket.h"
#include "Sqlite.h"
#include "SyncIds.h"
#include "SyncReport.h"

namespace {

using terrovane::archive::Archive;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// 100 results no other seed gives.
terrovane::record::ReadOutBuffer Image(int seed) {
    terrovane::record::ReadOutBuffer image{};
    for (std::size_t slot = 0; slot < terrovane::record::kSlotCount; ++slot) {
        auto packet = terrovane::record::PacketOf(image, slot);
        terrovane::record::MeasurementRecord r;
        r.mode = 1 + static_cast<std::uint32_t>((seed + slot) % 10);
        r.year = 0x24;
        r.month = 1 + static_cast<std::uint32_t>(seed % 9);
        r.day = 1 + static_cast<std::uint32_t>(slot % 9);
        r.voltageCode = 1;
        r.frequencyCode = 1;
        r.values[0] = static_cast<float>(seed) + static_cast<float>(slot) * 0.01f;
        r.integerValue = static_cast<std::uint32_t>(seed & 0xFFFF);
        r.reservedByte = static_cast<std::uint32_t>(seed >> 16);
        r.validMark = 'U';
        r.ToPacket(packet);
        packet[0] = packet[68] = 'O';
        packet[1] = packet[69] = 'K';
    }
    return image;
}

std::string ReadAt(int seed) {
    return "2026-12-09T10:00:00+01:00#" + std::to_string(seed);
}

bool Synced(const char* what, const std::string& path, const std::string& conninfo, double& seconds) {
    terrovane::sync::SyncOptions options;
    options.connection.conninfo = conninfo;
    options.connection.statementTimeout = std::chrono::minutes(10);
    const Clock::time_point start = Clock::now();
    const terrovane::sync::SyncReport report = terrovane::sync::Synchronize(path, options);
    seconds = SecondsSince(start);
    if (!report.inSync) {
        std::printf("%s: not in sync: %s %s\n", what, terrovane::sync::SyncErrorName(report.error),
                    report.detail.c_str());
        return false;
    }
    std::printf("%s: %s s (pushed %d, pulled %d)\n", what, terrovane::numbers::Fixed(seconds, 2).c_str(),
                report.pushed, report.pulled);
    return true;
}

// The second PC starts from a copy of the first one's archive, as an office hands out a laptop, with a
// device id of its own: receiving every read-out again would time the archive's storing, not the sync.
bool CloneAsSecondPc(const std::string& folder) {
    terrovane::archive::Database db;
    const bool done = db.Open(folder + "/a.sqlite", false) == 0 &&
                      db.Exec(("VACUUM INTO '" + folder + "/b.sqlite'").c_str()) == 0;
    db.Close();
    terrovane::archive::Database copy;
    if (!done || copy.Open(folder + "/b.sqlite", false) != 0 ||
        copy.Exec("UPDATE archive_clock SET device = lower(hex(randomblob(16))); "
                  "DELETE FROM sync_state WHERE key = 'next_batch'; PRAGMA journal_mode = WAL") != 0) {
        std::printf("cannot copy the archive: %s\n", copy.Error().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: terrovane-sync-bench READOUTS FOLDER CONNINFO_A CONNINFO_B\n");
        return 2;
    }
    const auto count = terrovane::numbers::ParseInteger(argv[1]);
    if (!count || *count < 1 || *count > 1'000'000) {
        std::fprintf(stderr, "READOUTS is a whole number from 1 to 1000000, not \"%s\"\n", argv[1]);
        return 2;
    }
    const int readouts = static_cast<int>(*count);
    const std::string folder = argv[2];
    std::string error;
    auto first = Archive::Open(folder + "/a.sqlite", error);
    if (first == nullptr) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    // The same rows for the COPY reference: each read-out's key and the body the sync sends.
    std::ofstream copy(folder + "/copy.tsv");
    const Clock::time_point filling = Clock::now();
    // In one unit of work: a commit per read-out would time the disk, which is not what this measures.
    std::string storing;
    const terrovane::archive::Status filled =
        first->Run(Archive::Access::Write, [&](terrovane::archive::Database&) -> terrovane::archive::Status {
            for (int seed = 0; seed < readouts; ++seed) {
                const auto image = Image(seed);
                if (const auto stored = first->Store({ReadAt(seed), "COM3", &image}); !stored.stored) {
                    storing = stored.error;
                    return terrovane::archive::FailureOf(1, storing);
                }
                copy << "readout\t" << terrovane::sync::ReadOutKey(ReadAt(seed), "COM3", image)
                     << "\t{\"read_at\":\"" << ReadAt(seed) << "\",\"port\":\"COM3\",\"image\":\""
                     << terrovane::archive::HexText(image) << "\"}\n";
            }
            return terrovane::archive::Done{};
        });
    if (!filled) {
        std::fprintf(stderr, "storing: %s\n", filled.Error().Text().c_str());
        return 1;
    }
    copy.close();
    std::printf("archive of %d read-outs (%d results) made in %s s\n", readouts, readouts * 100,
                terrovane::numbers::Fixed(SecondsSince(filling), 1).c_str());

    double firstSync = 0;
    double secondPc = 0;
    double push = 0;
    double pull = 0;
    if (!Synced("first sync of the archive to an empty server", folder + "/a.sqlite", argv[3], firstSync) ||
        !CloneAsSecondPc(folder) ||
        !Synced("the second PC's first sync (a copy of the first's archive)", folder + "/b.sqlite", argv[4],
                secondPc)) {
        return 1;
    }
    const auto image = Image(readouts + 1);
    if (const auto stored = first->Store({ReadAt(readouts + 1), "COM3", &image}); !stored.stored) {
        std::fprintf(stderr, "storing: %s\n", stored.error.c_str());
        return 1;
    }
    if (!Synced("one new read-out: its PC's sync", folder + "/a.sqlite", argv[3], push) ||
        !Synced("one new read-out: the other PC's sync", folder + "/b.sqlite", argv[4], pull)) {
        return 1;
    }
    std::printf("first_sync_seconds=%s\none_readout_end_to_end_seconds=%s (goal < 1 s)\n",
                terrovane::numbers::Fixed(firstSync, 3).c_str(),
                terrovane::numbers::Fixed(push + pull, 3).c_str());
    return 0;
}
