// terrovane-cli report: draws the test report of a record file into a PDF.
#include <QDate>

#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "HandoffFiles.h"
#include "ReadOutSession.h"
#include "ReportPdf.h"
#include "TerminalHost.h"

namespace terrovane::cli {
namespace {

bool ValidDate(const std::string& text) {
    return text.size() == 10 && QDate::fromString(QString::fromStdString(text), "yyyy-MM-dd").isValid();
}

// The records of the saved file named by --from, else of a read-out of the instrument (messages on
// standard error).
bool LoadTable(const Options& options, record::RecordTable& table) {
    if (!options.Has("from")) {
        InstallTerminalMessages(false);
        TerminalHost host;
        record::ReadOutState state;
        if (!link::ReadInstrument(state, &host)) {
            return false;
        }
        table = std::move(state.table);
        return true;
    }
    const std::string from = options.Value("from");
    if (!handoff::LoadRecordFileAt(from, table)) {
        std::fprintf(stderr, "report: %s is not a readable 7200-byte record file\n", from.c_str());
        return false;
    }
    return true;
}

int RunReport(const std::vector<std::string>& args) {
    Options options;
    std::string error;
    if (!ParseOptions(args, {"pdf", "from", "object", "serial", "tester", "date"}, options, error)) {
        std::fprintf(stderr, "report: %s\n", error.c_str());
        return kExitUsage;
    }
    const std::string pdf = options.Value("pdf");
    if (pdf.empty()) {
        std::fprintf(stderr, "report: --pdf FILE is required\n");
        return kExitUsage;
    }
    report::ReportHeaderInfo header{
        options.Value("object"), options.Value("serial"), options.Value("tester"),
        options.Value("date", QDate::currentDate().toString("yyyy-MM-dd").toStdString())};
    if (!ValidDate(header.date)) {
        std::fprintf(stderr, "report: --date must be YYYY-MM-DD\n");
        return kExitUsage;
    }
    record::RecordTable table;
    if (!LoadTable(options, table)) {
        return kExitFailed;
    }
    if (!report::RenderReportPdf(table, header, pdf, &error)) {
        std::fprintf(stderr, "report: %s\n", error.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

const CommandRegistrar kRegistrar(
    {"report",
     "report --pdf FILE [--from DATA_INF] [--object T] [--serial T] [--tester T] "
     "[--date YYYY-MM-DD]",
     "Draws the test report (20 records a page, up to the last page that holds a "
     "record) into a PDF file. The results are read from the instrument, or with --from taken from a "
     "7200-byte record file such as data.inf.",
     RunReport});

}  // namespace
}  // namespace terrovane::cli
