// Renders the report of 100 records (five pages) into a PDF several times and prints the times.
// Usage: bench_report_pdf [OUT.pdf] [RUNS]
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ReportPdf.h"

namespace {

terrovane::record::RecordTable FullTable() {
    terrovane::record::RecordTable table;
    for (std::size_t slot = 0; slot < terrovane::record::kSlotCount; ++slot) {
        terrovane::record::MeasurementRecord r;
        r.mode = 1 + slot % 10;
        r.year = 0x12, r.month = 0x11, r.day = 0x30, r.hour = 0x10, r.minute = 0x20, r.second = 0x30;
        r.voltageCode = 1 + slot % 2;
        r.frequencyCode = 1 + slot % 5;
        for (std::size_t i = 0; i < r.values.size(); ++i)
            r.values[i] = float((slot + 1) * (i + 1) * 7.3);
        r.integerValue = slot;
        r.validMark = 'U';
        table.Set(slot, r);
    }
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string path = argc > 1 ? argv[1] : (dir.path() + "/report.pdf").toStdString();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const auto table = FullTable();
    const terrovane::report::ReportHeaderInfo header{"变电站 1 号接地网", "SN20090115", "王工", "2009-01-15"};
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::string error;
        if (!terrovane::report::RenderReportPdf(table, header, path, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("five-page report to PDF: first %.3f s, median %.3f s, best %.3f s over %d runs\n",
                times.front(), times[times.size() / 2], times.front(), runs);
    return times[times.size() / 2] < 1.0 ? 0 : 1;
}
