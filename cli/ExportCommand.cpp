// terrovane-cli export: saves the stored results as a workbook (.xls).
#include <cstdio>

#include "Command.h"
#include "ImageFile.h"
#include "PortOption.h"
#include "ReadArchiving.h"
#include "ReadOutState.h"
#include "TerminalHost.h"
#include "WorkbookExport.h"

namespace terrovane::cli {
namespace {

int RunExport(const ParsedArguments& options) {
    if (options.Value("xls").empty()) {
        return UsageError("export", "--xls needs a file name");
    }
    if (options.Has("from") && options.Has("port")) {
        return UsageError("export", "--port names the instrument to read; --from reads no instrument");
    }
    record::ReadOutState state;
    std::string error;
    if (options.Has("from")) {
        if (!ReadImageFile(options.Value("from"), state.buffer, error)) {
            std::fprintf(stderr, "export: %s\n", error.c_str());
            return kExitFailed;
        }
        record::ParseRecords(state.buffer, state.table);
    } else {
        InstallTerminalMessages(false);
        TerminalHost host;
        if (!TakePortOption(options, "export", host)) {
            return kExitFailed;
        }
        KeepOnAcceptance(host, "export", ArchivingFor(options), "the workbook is saved all the same");
        if (!ReadInstrument(state, host)) {
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

const CommandRegistrar kRegistrar(
    {"export",
     "Saves the stored results as a workbook FILE (.xls) with the same sheets, header and rows as "
     "Terrovane's "
     "Save. The results are read from the instrument, or with --from taken from a saved 7200-byte read-out "
     "image such as data.inf. A read-out of the instrument is kept in the archive as read's is. An existing "
     "FILE is replaced only once the new one is completely written.",
     {{{"export",
        {},
        {{"xls", "FILE", "The workbook to write.", Presence::Required},
         {"from", "DATA_INF", "Take the results from this saved read-out image instead of the instrument."},
         {"no-archive", "", "Do not keep the read-out of the instrument in the archive."},
         PortOption()}},
       RunExport}}});

}  // namespace
}  // namespace terrovane::cli
