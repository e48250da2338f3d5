// Times the archive against its targets: a 100-result read-out stored in under 20 ms; with 10,000
// read-outs the History window open with its first page in under 0.5 s and a filtered query in under
// 100 ms; with 1,000 sites of 40 test points holding those million results, the window showing one site,
// a site's verdicts and the due list each in under 50 ms and a 40-point site report PDF in under 1 s; a
// search of words in under 50 ms, and every combination of the window's filters in under 100 ms.
// Prints each figure beside its target; exits 1 when one is missed.
#include <QApplication>
#include <QTableView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <vector>

#include "Archive.h"
#include "Due.h"
#include "DueFiles.h"
#include "Find.h"
#include "HistoryWindow.h"
#include "MeasurementRecord.h"
#include "SiteMap.h"
#include "SiteReportPdf.h"
#include "Sites.h"

namespace {

using terrovane::archive::Archive;
namespace record = terrovane::record;

constexpr int kBigReadOuts = 10000;

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The process's CPU time a piece of work takes: on a machine shared with other jobs the wall time
// above also counts their turns.
double CpuMilliseconds(const std::function<void()>& work) {
    const std::clock_t start = std::clock();
    work();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// 100 results no other seed gives: all ten modes, measuring dates spread over ten years.
record::ReadOutBuffer Image(int seed) {
    record::ReadOutBuffer image{};
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        auto packet = record::PacketOf(image, slot);
        record::MeasurementRecord r;
        r.mode = 1 + static_cast<std::uint32_t>((seed + slot) % 10);
        const int year = 14 + seed % 10;
        r.year = static_cast<std::uint32_t>((year / 10) << 4 | year % 10);
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

bool Report(const char* what, double ms, double targetMs) {
    std::printf("%-58s %9.2f ms   (target < %.0f ms) %s\n", what, ms, targetMs,
                ms < targetMs ? "ok" : "MISSED");
    return ms < targetMs;
}

std::unique_ptr<Archive> OpenOrDie(const std::string& path) {
    std::string error;
    auto archive = Archive::Open(path, error);
    if (!archive) {
        std::fprintf(stderr, "archive_bench: %s\n", error.c_str());
        std::exit(2);
    }
    return archive;
}

bool StoreOne(const std::string& folder) {
    const std::string path = folder + "/store.sqlite";
    std::filesystem::remove(path);
    auto archive = OpenOrDie(path);
    std::vector<double> times;
    std::string failure;
    for (int seed = 0; seed < 50; ++seed) {
        const auto image = Image(1000000 + seed);
        times.push_back(Milliseconds([&] {
            if (const auto outcome = archive->Store({"", "COM3", &image}); !outcome.stored) {
                failure = outcome.error;
            }
        }));
    }
    // A time of stores that failed measures nothing.
    if (!failure.empty()) {
        std::printf("storing: %s\n", failure.c_str());
        return false;
    }
    std::printf("storing one 100-result read-out, 50 runs: min %.2f, max %.2f ms\n",
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
    return Report("store one 100-result read-out (median, full sync)", Median(times), 20);
}

void FillBig(const std::string& path) {
    auto archive = OpenOrDie(path);
    std::vector<terrovane::archive::ReadOutRow> newest;
    std::string error;
    if (!archive->ReadOuts({}, 1, 0, newest, error)) {
        std::printf("reading the newest read-out: %s\n", error.c_str());
    }
    const int have = newest.empty() ? 0 : static_cast<int>(newest[0].id);
    if (have >= kBigReadOuts) {
        return;
    }
    std::printf("filling %s up to %d read-outs (once; kept for later runs)...\n", path.c_str(), kBigReadOuts);
    const double ms = Milliseconds([&] {
        for (int seed = have; seed < kBigReadOuts; ++seed) {
            const auto image = Image(seed);
            if (const auto outcome = archive->Store({"", "COM3", &image}); !outcome.stored) {
                std::printf("storing: %s\n", outcome.error.c_str());
                return;
            }
            if (seed % 500 == 0) {
                if (!archive->SetLabel(terrovane::archive::LabelTarget::ReadOut, seed + 1,
                                       "Site " + std::to_string(seed / 500), std::nullopt, error)) {
                    std::printf("labelling: %s\n", error.c_str());
                }
            }
        }
    });
    std::printf("filled in %.1f s (%.2f ms per read-out)\n", ms / 1000, ms / (kBigReadOuts - have));
}

bool FirstPage(const std::string& path) {
    std::unique_ptr<Archive> archive;
    std::unique_ptr<terrovane::history::HistoryWindow> window;
    const double ms = Milliseconds([&] {
        archive = OpenOrDie(path);
        window = std::make_unique<terrovane::history::HistoryWindow>(archive.get(), QString());
        window->show();
        QApplication::processEvents();
    });
    std::printf("first page: %d rows\n", window->Model().rowCount());
    return Report("open the archive and the History window, first page shown", ms, 500);
}

bool Filtered(const std::string& path) {
    auto archive = OpenOrDie(path);
    bool ok = true;
    const auto query = [&](const char* what, const terrovane::archive::ResultFilter& filter) {
        std::vector<double> times;
        std::size_t rows = 0;
        for (int run = 0; run < 7; ++run) {
            std::vector<terrovane::archive::ResultRow> page;
            std::string error;
            times.push_back(Milliseconds([&] {
                if (!archive->Results(filter, {}, 200, 0, page, error)) {
                    std::printf("a filtered page: %s\n", error.c_str());
                }
            }));
            rows = page.size();
        }
        std::printf("  %zu rows\n", rows);
        ok = Report(what, Median(times), 100) && ok;
    };
    terrovane::archive::ResultFilter mode;
    mode.mode = 9;
    query("filtered query, first page: mode 9", mode);
    terrovane::archive::ResultFilter dates;
    dates.since = "2019-03-01";
    dates.until = "2019-03-05";
    query("filtered query, first page: measuring dates 2019-03-01..05", dates);
    terrovane::archive::ResultFilter label;
    label.labelContains = "site 1";
    query("filtered query, first page: label contains \"site 1\"", label);
    terrovane::archive::ResultFilter all = dates;
    all.mode = 4;
    all.labelContains = "site";
    query("filtered query, first page: dates, mode 4 and label", all);
    return ok;
}

constexpr int kSites = 1000;
constexpr int kPointsPerSite = 40;

// 1,000 sites of 40 points, every result assigned (25 to a point), in one transaction.
void FillSites(Archive& archive) {
    std::vector<terrovane::archive::SiteRow> sites;
    std::string error;
    if (!terrovane::archive::Sites(archive, sites, error)) {
        std::printf("sites: %s\n", error.c_str());
        return;
    }
    if (static_cast<int>(sites.size()) >= kSites) {
        return;
    }
    const double ms = Milliseconds([&] {
        const bool filled = archive.Write(
            [](terrovane::archive::Database& db, std::string&) {
                std::string sql;
                for (int site = 1; site <= kSites; ++site) {
                    sql += "INSERT INTO sites(id, name, limit_ohm, limit_source, interval_months) VALUES (" +
                           std::to_string(site) + ", 'Site " + std::to_string(site) +
                           "', 10, 'IEC 62305-3', 12);";
                    for (int point = 1; point <= kPointsPerSite; ++point) {
                        sql += "INSERT INTO points(site_id, name, ordinal) VALUES (" + std::to_string(site) +
                               ", 'Leg " + std::to_string(point) + "', " + std::to_string(point) + ");";
                    }
                }
                db.Exec(sql.c_str());
                db.Exec("UPDATE results SET point_id = 1 + (id - 1) % 40000");
                db.Exec(
                    "UPDATE points SET last_measured = (SELECT max(measured_date) FROM results r WHERE "
                    "r.point_id = points.id)");
                return true;
            },
            error);
        if (!filled) {
            std::printf("sites: %s\n", error.c_str());
        }
    });
    std::printf("sites: 1,000 sites, 40,000 points, every result assigned in %.1f s\n", ms / 1000);
}

bool SiteFigures(const std::string& path) {
    auto archive = OpenOrDie(path);
    FillSites(*archive);
    bool ok = true;
    std::string error;
    const auto site = terrovane::archive::FindSite(*archive, "Site 500", error);
    terrovane::history::HistoryWindow window(archive.get(), QString());
    window.show();
    QApplication::processEvents();
    std::vector<double> open;
    std::vector<double> openCpu;
    for (int run = 0; run < 7; ++run) {
        window.Tree().Choose({terrovane::history::TreeChoice::Kind::All, 0});
        double wall = 0;
        openCpu.push_back(CpuMilliseconds([&] {
            wall = Milliseconds([&] {
                window.Tree().Choose({terrovane::history::TreeChoice::Kind::Site, site->id});
                QApplication::processEvents();
            });
        }));
        open.push_back(wall);
    }
    std::printf("  a site: %d rows, %.2f ms of CPU time (median)\n", window.Model().rowCount(),
                Median(openCpu));
    ok = Report("archive window: a site chosen, its first page shown", Median(open), 50) && ok;

    std::vector<double> verdicts;
    std::vector<double> verdictsCpu;
    int passed = 0;
    for (int run = 0; run < 7; ++run) {
        double wall = 0;
        verdictsCpu.push_back(CpuMilliseconds([&] {
            wall = Milliseconds([&] {
                terrovane::archive::ResultFilter filter;
                filter.siteId = site->id;
                std::vector<terrovane::archive::ResultRow> rows;
                if (!archive->Results(filter, {}, -1, 0, rows, error)) {
                    std::printf("a site's results: %s\n", error.c_str());
                }
                passed = 0;
                for (const auto& row : rows) {
                    passed +=
                        terrovane::archive::DescribeResult(row).verdict == terrovane::archive::Verdict::Pass;
                }
            });
        }));
        verdicts.push_back(wall);
    }
    std::printf("  %d of a site's results pass, %.2f ms of CPU time (median)\n", passed, Median(verdictsCpu));
    ok = Report("the verdicts of a site (1,000 results)", Median(verdicts), 50) && ok;

    std::vector<double> due;
    std::vector<double> dueCpu;
    std::size_t points = 0;
    for (int run = 0; run < 7; ++run) {
        std::vector<terrovane::archive::DuePoint> list;
        double wall = 0;
        dueCpu.push_back(CpuMilliseconds([&] {
            wall = Milliseconds([&] {
                auto read = terrovane::archive::DueList(*archive, "2026-01-01", 0);
                if (!read) {
                    std::printf("due list: %s\n", read.Error().Text().c_str());
                } else {
                    list = std::move(read).Value();
                }
            });
        }));
        due.push_back(wall);
        points = list.size();
    }
    std::printf("  %zu points in the due list, %.2f ms of CPU time (median)\n", points, Median(dueCpu));
    ok = Report("the due list of 40,000 points", Median(due), 50) && ok;

    // The due list of the coming days with each point's last result and verdict, and every point as the
    // calendar takes them; then the 1,000 sites placed on a map.
    for (const auto& [what, within] :
         {std::pair{"the due list within 30 days, with last results", std::optional<int>(30)},
          std::pair{"all 40,000 points with last results, as iCalendar", std::optional<int>()}}) {
        std::vector<double> soon;
        std::vector<double> soonCpu;
        std::size_t listed = 0;
        for (int run = 0; run < 5; ++run) {
            std::vector<terrovane::archive::DueEntry> list;
            double wall = 0;
            soonCpu.push_back(CpuMilliseconds([&] {
                wall = Milliseconds([&] {
                    auto read = terrovane::archive::DueSoon(*archive, "2026-01-01", within);
                    if (!read) {
                        std::printf("due soon: %s\n", read.Error().Text().c_str());
                    } else {
                        list = std::move(read).Value();
                    }
                    if (!within) {
                        terrovane::archive::DueCalendar(list, "2026-01-01", "20260101T000000Z");
                    }
                });
            }));
            soon.push_back(wall);
            listed = list.size();
        }
        std::printf("  %zu points listed, %.2f ms of CPU time (median)\n", listed, Median(soonCpu));
        ok = Report(what, Median(soon), 500) && ok;
    }
    const bool placed = archive->Write(
        [](terrovane::archive::Database& db, std::string&) {
            db.Exec("UPDATE sites SET latitude = 45 + id / 100.0, longitude = 7 + id / 100.0");
            return true;
        },
        error);
    if (!placed) {
        std::printf("sites placed: %s\n", error.c_str());
    }
    std::vector<double> map;
    std::vector<double> mapCpu;
    for (int run = 0; run < 5; ++run) {
        double wall = 0;
        mapCpu.push_back(CpuMilliseconds([&] {
            wall = Milliseconds([&] {
                const auto sites = terrovane::archive::MapSites(*archive, "2026-01-01");
                if (!sites) {
                    std::printf("the sites' map: %s\n", sites.Error().Text().c_str());
                } else {
                    terrovane::archive::SitesGeoJson(sites.Value());
                }
            });
        }));
        map.push_back(wall);
    }
    std::printf("  the sites' map: %.2f ms of CPU time (median)\n", Median(mapCpu));
    ok = Report("1,000 sites of 40 points as GeoJSON", Median(map), 500) && ok;

    std::vector<double> pdf;
    std::vector<double> pdfCpu;
    for (int run = 0; run < 3; ++run) {
        double wall = 0;
        pdfCpu.push_back(CpuMilliseconds([&] {
            wall = Milliseconds([&] {
                terrovane::sitereport::SiteReport report;
                terrovane::sitereport::LoadSiteReport(*archive, "Site 500", "", "", {}, report, error);
                report.version = "bench";
                terrovane::sitereport::RenderSiteReportPdf(report, path + ".site.pdf", error);
            });
        }));
        pdf.push_back(wall);
    }
    std::printf("  the site report: %.2f ms of CPU time (median)\n", Median(pdfCpu));
    ok = Report("a 40-point site report PDF, loaded and written", Median(pdf), 1000) && ok;
    return ok;
}

// Words to search for, as a team's archive holds them: notes on some points and results, addresses, and
// some sites named in Chinese. Written once; the triggers index them as they are written.
void FillWords(Archive& archive) {
    std::string error;
    const bool written = archive.Write(
        [](terrovane::archive::Database& db, std::string& failure) {
            const int rc = db.Exec(
                "UPDATE points SET notes = 'rod pit flooded' WHERE id % 97 = 0 AND notes = '';"
                "UPDATE results SET note = 'clamp corroded' WHERE id % 1000 = 0 AND note IS NULL;"
                "UPDATE sites SET address = 'Substation road ' || id WHERE address = '';"
                "UPDATE sites SET notes = '北京变电站 接地网' WHERE id % 50 = 0 AND notes = '';");
            failure = rc == 0 ? "" : db.Error();
            return rc == 0;
        },
        error);
    if (!written) {
        std::printf("words: %s\n", error.c_str());
    }
}

// A search as the window makes it: the tree's sites and points, then the list's first page.
bool SearchFigures(const std::string& path) {
    auto archive = OpenOrDie(path);
    FillWords(*archive);
    bool ok = true;
    for (const char* words : {"site 500", "corroded", "flooded", "substation road 7", "变电站", "接地", "s",
                              "site", "nothing-like-it"}) {
        std::vector<double> times;
        std::vector<double> cpu;
        std::size_t sites = 0;
        std::size_t rows = 0;
        for (int run = 0; run < 7; ++run) {
            double wall = 0;
            cpu.push_back(CpuMilliseconds([&] {
                wall = Milliseconds([&] {
                    std::string error;
                    terrovane::archive::FoundPlaces places;
                    if (auto found = terrovane::archive::FindPlaces(*archive, words); !found) {
                        std::printf("finding: %s\n", found.Error().Text().c_str());
                    } else {
                        places = std::move(found).Value();
                    }
                    terrovane::archive::ResultFilter filter;
                    filter.search = words;
                    std::vector<terrovane::archive::ResultRow> page;
                    if (!archive->Results(filter, {}, 200, 0, page, error)) {
                        std::printf("a page found: %s\n", error.c_str());
                    }
                    sites = places.sites.size();
                    rows = page.size();
                });
            }));
            times.push_back(wall);
        }
        std::printf("  \"%s\": %zu sites, %zu rows on the first page, %.2f ms of CPU time (median)\n", words,
                    sites, rows, Median(cpu));
        const std::string what = std::string("search \"") + words + "\": tree's places and first page";
        ok = Report(what.c_str(), Median(times), 50) && ok;
    }

    // Typed into the window's field: what the window's own thread spends once the typing pauses.
    terrovane::history::HistoryWindow window(archive.get(), QString());
    window.show();
    QApplication::processEvents();
    std::vector<double> typed;
    for (const char* words : {"site 500", "corroded", "flooded", "变电站", "site", "s", "site 50", "leg 1"}) {
        window.Search().SearchField().setText(QString::fromUtf8(words));
        window.Search().SearchNow();
        QApplication::processEvents();
        typed.push_back(window.Search().LatestSearchMilliseconds());
    }
    std::printf("  the window's searches: longest %.2f ms\n", *std::max_element(typed.begin(), typed.end()));
    ok = Report("archive window: words searched, tree and list shown", Median(typed), 50) && ok;
    return ok;
}

// Every combination of the window's filters over the first page: dates, mode, label and words.
bool FilterCombinations(const std::string& path) {
    auto archive = OpenOrDie(path);
    bool ok = true;
    for (int mask = 1; mask < 16; ++mask) {
        terrovane::archive::ResultFilter filter;
        std::string what = "filters:";
        if (mask & 1) {
            filter.since = "2019-03-01";
            filter.until = "2019-03-05";
            what += " dates";
        }
        if (mask & 2) {
            filter.mode = 4;
            what += " mode";
        }
        if (mask & 4) {
            filter.labelContains = "site";
            what += " label";
        }
        if (mask & 8) {
            filter.search = "leg 1";
            what += " words";
        }
        std::vector<double> times;
        std::size_t rows = 0;
        for (int run = 0; run < 5; ++run) {
            std::vector<terrovane::archive::ResultRow> page;
            std::string error;
            times.push_back(Milliseconds([&] {
                if (!archive->Results(filter, {}, 200, 0, page, error)) {
                    std::printf("a filtered page: %s\n", error.c_str());
                }
            }));
            rows = page.size();
        }
        std::printf("  %zu rows\n", rows);
        ok = Report(what.c_str(), Median(times), 100) && ok;
    }
    return ok;
}

// Another program holds the write lock for a long write (a big import, say): a read of the window's first
// page goes on from the last committed snapshot instead of waiting out the five-second busy wait.
bool ReadDuringLongWrite(const std::string& path) {
    auto archive = OpenOrDie(path);
    terrovane::archive::Database writer;
    if (writer.Open(path, false) != 0 || writer.Exec("BEGIN IMMEDIATE") != 0 ||
        writer.Exec("UPDATE readouts SET note = 'long write' WHERE id <= 1000") != 0) {
        std::printf("read during a long write: the writer could not start: %s\n", writer.Error().c_str());
        return false;
    }
    std::string error;
    std::vector<terrovane::archive::ResultRow> rows;
    bool read = false;
    const double ms = Milliseconds([&] { read = archive->Results({}, {}, 200, 0, rows, error); });
    writer.Exec("ROLLBACK");
    if (!read) {
        std::printf("read during a long write failed: %s\n", error.c_str());
        return false;
    }
    return Report("a page of 200 results read during another program's write", ms, 50);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::string folder =
        argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "tv-archive-bench").string();
    std::filesystem::create_directories(folder);
    // "archive_bench FOLDER find": only the search and the filters' figures, on the archive kept there.
    if (argc > 2 && std::string(argv[2]) == "find") {
        const std::string kept = folder + "/big.sqlite";
        const bool found = SearchFigures(kept);
        return FilterCombinations(kept) && found ? 0 : 1;
    }
    bool ok = StoreOne(folder);
    const std::string big = folder + "/big.sqlite";
    FillBig(big);
    std::printf("archive of %d read-outs: %.0f MB\n", kBigReadOuts,
                static_cast<double>(std::filesystem::file_size(big)) / 1e6);
    ok = FirstPage(big) && ok;
    ok = Filtered(big) && ok;
    ok = SiteFigures(big) && ok;
    ok = SearchFigures(big) && ok;
    ok = FilterCombinations(big) && ok;
    ok = ReadDuringLongWrite(big) && ok;
    return ok ? 0 : 1;
}
