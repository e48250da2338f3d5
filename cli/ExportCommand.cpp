// terrovane-cli export: saves the stored results as a workbook (.xls).
#include <cstdio>
#include <fstream>
#include <iterator>

#include "Command.h"
#include "ReadOutSession.h"
#include "ReadOutState.h"
#include "TerminalHost.h"
#include "WorkbookExport.h"

namespace terrovane::cli {
namespace {

// Reads a saved read-out image; only an image of exactly 7200 bytes is accepted.
bool ReadImage(const std::string& path, record::ReadOutBuffer& buffer, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != buffer.size()) {
        error = path + " is not a read-out image: " + std::to_string(buffer.size()) + " bytes expected, " +
                std::to_string(bytes.size()) + " found";
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    return true;
}

int RunExport(const std::vector<std::string>& args) {
    Options options;
    std::string error;
    if (!ParseOptions(args, {"xls", "from"}, options, error) || !options.positional.empty() ||
        options.Value("xls").empty()) {
        std::fprintf(stderr, "export: %s\n",
                     error.empty() ? "usage: export --xls FILE [--from DATA_INF]" : error.c_str());
        return kExitUsage;
    }
    record::ReadOutState state;
    if (options.Has("from")) {
        if (!ReadImage(options.Value("from"), state.buffer, error)) {
            std::fprintf(stderr, "export: %s\n", error.c_str());
            return kExitFailed;
        }
        record::ParseRecords(state.buffer, state.table);
    } else {
        InstallTerminalMessages(false);
        TerminalHost host;
        if (!link::ReadInstrument(state, &host)) {
            return kExitFailed;
        }
    }
    const std::string path = options.Value("xls");
    error = exporting::ExportRecords(state.table, path);
    if (!error.empty()) {
        std::fprintf(stderr, "export: %s\n", error.c_str());
        return kExitFailed;
    }
    std::printf("%d stored results saved to %s\n", state.table.OccupiedCount(), path.c_str());
    return kExitOk;
}

const CommandRegistrar kRegistrar({"export", "export --xls FILE [--from DATA_INF]",
                                   "Saves the stored results as a workbook FILE (.xls) with the same sheets, "
                                   "header and rows as Terrovane's Save. The results are read from the "
                                   "instrument, or with --from taken from a saved 7200-byte read-out image "
                                   "such as data.inf. An existing FILE is replaced only once the new one is "
                                   "completely written.",
                                   RunExport});

}  // namespace
}  // namespace terrovane::cli
