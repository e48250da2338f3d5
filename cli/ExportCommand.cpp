// terrovane-cli export: saves the stored results as a workbook (.xls).
#include "ArchiveProblemText.h"
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
        return UsageError("export", CliText::tr("--xls needs a file name"));
    }
    if (options.Has("from") && options.Has("port")) {
        return UsageError("export",
                          CliText::tr("--port names the instrument to read; --from reads no instrument"));
    }
    record::ReadOutState state;
    if (options.Has("from")) {
        QString refused;
        if (!ReadImageFile(options.Value("from"), state.buffer, refused)) {
            Tell("export", refused);
            return kExitFailed;
        }
        record::ParseRecords(state.buffer, state.table);
    } else {
        InstallTerminalMessages(false);
        TerminalHost host;
        if (!TakePortOption(options, "export", host)) {
            return kExitFailed;
        }
        KeepOnAcceptance(host, "export", ArchivingFor(options),
                         CliText::tr("the workbook is saved all the same"));
        if (!ReadInstrument(state, host)) {
            return kExitFailed;
        }
    }
    const std::string path = options.Value("xls");
    const std::string error = exporting::ExportRecords(state.table, path);
    if (!error.empty()) {
        Tell("export", texts::ArchiveProblemText(error));
        return kExitFailed;
    }
    const int saved = state.table.OccupiedCount();
    Confirm(CliText::tr("%n stored result(s) saved to %1", nullptr, saved).arg(Given(path)));
    return kExitOk;
}

const CommandRegistrar kExportRegistrar(
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
