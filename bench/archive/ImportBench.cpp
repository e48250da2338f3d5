// Times an import of readings against its target: 100,000 rows of a CSV file (semicolons, decimal commas,
// dotted dates) stored as typed results at 1,000 test points in under 5 s, then the same file again, which
// adds nothing. Prints each figure beside its target with the machine's load; exits 1 when one is missed.
// Run: import_bench [ROWS]
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include <unistd.h>

#include "Archive.h"
#include "Numbers.h"
#include "ReadingImport.h"
#include "Sites.h"

namespace {

namespace fs = std::filesystem;
namespace imports = terrovane::imports;
namespace archive = terrovane::archive;

archive::SiteFields SiteNamed(const std::string& name) {
    archive::SiteFields fields;
    fields.name = name;
    return fields;
}

archive::PointFields PointNamed(const std::string& name) {
    archive::PointFields fields;
    fields.name = name;
    return fields;
}

constexpr int kSites = 10;
constexpr int kPointsPerSite = 100;
constexpr double kTargetSeconds = 5.0;

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    std::string five;
    file >> one >> five;
    return one + " (1 min), " + five + " (5 min) on " + std::to_string(std::thread::hardware_concurrency()) +
           " cores";
}

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

void WriteReadings(const std::string& path, int rows) {
    std::ofstream out(path);
    out << "Date;Site;Point;Method;Re;Rh;Tester\n";
    for (int i = 0; i < rows; ++i) {
        const int day = 1 + i % 28;
        const int month = 1 + i / 28 % 12;
        const int year = 2000 + i / (28 * 12) % 24;
        const int minute = i / (28 * 12 * 24) % 60;
        out << TwoDigits(day) << '.' << TwoDigits(month) << '.' << year << " 10:" << TwoDigits(minute)
            << ";Site " << i % kSites << ";P" << i / kSites % kPointsPerSite << ";fall-of-potential;"
            << 1 + i % 50 << ',' << i % 10 << ";>300k;Jo\n";
    }
}

struct Timed {
    double wall;
    double cpu;
};

Timed Time(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::optional<int> asked =
        argc > 1 ? terrovane::numbers::ParseInteger<int>(argv[1]) : std::optional<int>(100000);
    if (!asked || *asked <= 0) {
        std::fprintf(stderr, "usage: import_bench [ROWS]  (a whole number above 0)\n");
        return 2;
    }
    const int rows = *asked;
    const fs::path folder = fs::temp_directory_path() / ("tv-import-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string csv = (folder / "readings.csv").string();
    WriteReadings(csv, rows);
    std::string error;
    auto store = archive::Archive::Open((folder / "archive.sqlite").string(), error);
    if (store == nullptr) {
        std::fprintf(stderr, "import_bench: %s\n", error.c_str());
        return 1;
    }
    for (int s = 0; s < kSites; ++s) {
        std::int64_t site = 0;
        std::int64_t point = 0;
        if (!archive::AddSite(*store, SiteNamed("Site " + std::to_string(s)), site, error)) {
            std::fprintf(stderr, "import_bench: %s\n", error.c_str());
            return 1;
        }
        for (int p = 0; p < kPointsPerSite; ++p) {
            if (!archive::AddPoint(*store, site, PointNamed("P" + std::to_string(p)), point, error)) {
                std::fprintf(stderr, "import_bench: %s\n", error.c_str());
                return 1;
            }
        }
    }
    const auto mapping = imports::MappingFromJson(
        R"({"date": {"column": "Date", "format": "dd.MM.yyyy HH:mm"}, "site": {"column": "Site"},
            "point": {"column": "Point"}, "method": {"column": "Method"}, "values": [{"name": "Re",
            "column": "Re"}, {"name": "Rh", "column": "Rh"}], "measured_by": {"column": "Tester"}})");
    int failures = 0;
    std::printf("import_bench: %d rows, load %s\n", rows, LoadAverage().c_str());
    for (const char* round : {"first import", "the same file again"}) {
        archive::Result<imports::SourceTable> table = archive::Failure{};
        archive::Result<imports::ImportReport> report = archive::Failure{};
        const Timed read = Time([&] { table = imports::LoadTable(csv, mapping.Value(), ""); });
        if (!table) {
            std::fprintf(stderr, "import_bench: %s\n", table.Error().Text().c_str());
            return 1;
        }
        const Timed stored = Time([&] {
            report = imports::ImportReadings(*store, table.Value(), mapping.Value(),
                                             {"bench", "readings.csv"}, false);
        });
        if (!report) {
            std::fprintf(stderr, "import_bench: %s\n", report.Error().Text().c_str());
            return 1;
        }
        const double wall = read.wall + stored.wall;
        const bool met = wall < kTargetSeconds;
        failures += met ? 0 : 1;
        std::printf(
            "%-20s %6.2f s wall, %6.2f s CPU (file read %.2f s CPU, rows judged and stored %.2f s CPU; "
            "target %.0f s) %s: %d taken, %d already, %zu refused\n",
            round, wall, read.cpu + stored.cpu, read.cpu, stored.cpu, kTargetSeconds, met ? "met" : "MISSED",
            report.Value().taken, report.Value().already, report.Value().refused.size());
    }
    store.reset();
    fs::remove_all(folder);
    return failures == 0 ? 0 : 1;
}
