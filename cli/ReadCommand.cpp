// terrovane-cli read: reads the instrument's 100 stored results.
#include <cstdio>
#include <string>
#include <string_view>

#include "ArchiveProblemText.h"
#include "AtomicFile.h"
#include "Command.h"
#include "ModeName.h"
#include "PortOption.h"
#include "ReadArchiving.h"
#include "ReadOutState.h"
#include "RecordTexts.h"
#include "ResultListing.h"
#include "TerminalHost.h"

namespace terrovane::cli {
namespace {

// Pads a UTF-8 text to `width` characters ("ρ" is two bytes but one column).
std::string PadToColumns(std::string text, std::size_t width) {
    std::size_t columns = 0;
    for (unsigned char c : text)
        columns += (c & 0xC0) != 0x80 ? 1 : 0;
    if (columns < width)
        text.append(width - columns, ' ');
    return text;
}

void PrintRecords(const record::RecordTable& table) {
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        if (const record::MeasurementRecord* measured = table.At(slot)) {
            std::printf("%s  %s  %s  %s\n", format::SlotText(slot).c_str(),
                        PadToColumns(format::ModeName(measured->mode), 12).c_str(),
                        format::FormatRecordDate(*measured).c_str(),
                        format::FormatRecordTime(*measured).c_str());
        }
    }
}

// The image replaces an earlier file only once it is completely written.
bool WriteImage(const std::string& path, const record::ReadOutBuffer& buffer, std::string& error) {
    const std::string_view bytes(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    return platform::WriteFileAtomically(path, bytes, error);
}

int RunRead(const ParsedArguments& options) {
    std::string error;
    ListingFormat format = ListingFormat::Table;
    if (options.Has("format") && !ParseListingFormat(options.Value("format"), format)) {
        return UsageError("read", CliText::tr("--format is table, csv or json"));
    }
    InstallTerminalMessages(false);
    TerminalHost host;
    if (!TakePortOption(options, "read", host)) {
        return kExitFailed;
    }
    const auto accepted =
        KeepOnAcceptance(host, "read", ArchivingFor(options), CliText::tr("the results follow all the same"));
    record::ReadOutState state;
    if (!ReadInstrument(state, host, nullptr, options.Has("fast"))) {
        return kExitFailed;
    }
    const auto results = DescribeAccepted(state.buffer, *accepted);
    if (options.Has("format")) {
        PrintText(ResultListing(results, format));
    } else {
        PrintRecords(state.table);
    }
    const std::string out = options.Value("out");
    if (!out.empty() && !WriteImage(out, state.buffer, error)) {
        Tell("read", CliText::tr("cannot write %1").arg(texts::ArchiveProblemText(error)));
        return kExitFailed;
    }
    return kExitOk;
}

const CommandRegistrar kReadRegistrar(
    {"read",
     "Reads the 100 storage slots of the instrument (about ten seconds) and "
     "prints one line per stored result: slot, mode, date, time. With --out, "
     "writes the accepted 7200-byte image to FILE. Every read-out is kept in the "
     "archive (see history) unless --no-archive is given or keeping new read-outs is turned off in "
     "Terrovane's History window (setting Archive/Enabled). --format prints the "
     "results with their archive ids, workbook texts and values instead. --fast sends each request as soon "
     "as the previous result has arrived (about one second with the instrument; the default paces them).",
     {{{"read",
        {},
        {{"out", "FILE", "Write the accepted 7200-byte read-out image to FILE."},
         {"format", "table|csv|json", "Print the results with their archive ids, texts and values."},
         {"no-archive", "", "Do not keep this read-out in the archive."},
         PortOption(),
         {"fast", "", "Send each request as soon as the previous result has arrived, not every 100 ms."}}},
       RunRead}}});

}  // namespace
}  // namespace terrovane::cli
