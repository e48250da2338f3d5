// terrovane-cli report: draws the test report of a record file into a PDF.
#include <QDate>

#include <string>
#include <vector>

#include "ArchiveProblemText.h"
#include "Command.h"
#include "ImageFile.h"
#include "PortOption.h"
#include "ReadArchiving.h"
#include "ReportLanguage.h"
#include "ReportPdf.h"
#include "TerminalHost.h"

namespace terrovane::cli {
namespace {

bool ValidDate(const std::string& text) {
    return text.size() == 10 && QDate::fromString(QString::fromStdString(text), "yyyy-MM-dd").isValid();
}

// The records of the saved file named by --from, else of a read-out of the instrument (messages on
// standard error).
bool LoadTable(const ParsedArguments& options, record::RecordTable& table) {
    if (!options.Has("from")) {
        InstallTerminalMessages(false);
        TerminalHost host;
        record::ReadOutState state;
        if (!TakePortOption(options, "report", host)) {
            return false;
        }
        KeepOnAcceptance(host, "report", ArchivingFor(options),
                         CliText::tr("the report is drawn all the same"));
        if (!ReadInstrument(state, host)) {
            return false;
        }
        table = std::move(state.table);
        return true;
    }
    record::ReadOutBuffer image{};
    QString refused;
    if (!ReadImageFile(options.Value("from"), image, refused)) {
        Tell("report", refused);
        return false;
    }
    record::ParseRecords(image, table);
    return true;
}

int RunReport(const ParsedArguments& options) {
    const std::string pdf = options.Value("pdf");
    if (pdf.empty()) {
        return UsageError("report", CliText::tr("--pdf needs a file name"));
    }
    if (options.Has("from") && options.Has("port")) {
        return UsageError("report",
                          CliText::tr("--port names the instrument to read; --from reads no instrument"));
    }
    report::ReportHeaderInfo header{
        options.Value("object"), options.Value("serial"), options.Value("tester"),
        options.Value("date", QDate::currentDate().toString("yyyy-MM-dd").toStdString())};
    if (!ValidDate(header.date)) {
        return UsageError("report", CliText::tr("--date must be YYYY-MM-DD"));
    }
    if (const auto status = ChooseReportLanguage(options, "report")) {
        return *status;
    }
    record::RecordTable table;
    std::string error;
    if (!LoadTable(options, table)) {
        return kExitFailed;
    }
    if (!report::RenderReportPdf(table, header, pdf, &error)) {
        Tell("report", texts::ArchiveProblemText(error));
        return kExitFailed;
    }
    return kExitOk;
}

const CommandRegistrar kReportRegistrar(
    {"report",
     "Draws the test report (20 records a page, up to the last page that holds a record) into a PDF file. "
     "The "
     "results are read from the instrument, or with --from taken from a 7200-byte record file such as "
     "data.inf. A read-out of the instrument is kept in the archive as read's is.",
     {{{"report",
        {},
        {{"pdf", "FILE", "The PDF file to write.", Presence::Required},
         {"from", "DATA_INF", "Take the results from this record file instead of the instrument."},
         {"no-archive", "", "Do not keep the read-out of the instrument in the archive."},
         {"object", "T", "The test object in the report's header."},
         {"serial", "T", "The instrument number in the report's header."},
         {"tester", "T", "The tester in the report's header."},
         {"date", "YYYY-MM-DD", "The report's date; today by default."},
         PortOption(),
         LanguageOption()}},
       RunReport}}});

}  // namespace
}  // namespace terrovane::cli
