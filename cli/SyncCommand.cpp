// terrovane-cli sync: this PC's archive and the team server brought to hold the same.
#include "ArchiveAccess.h"
#include "ArchivePath.h"
#include "ArchiveProblemText.h"
#include "CliText.h"
#include "Command.h"
#include "Json.h"
#include "ResultListing.h"
#include "StopSignals.h"
#include "SyncReport.h"
#include "SyncText.h"
#include "TeamServer.h"

namespace terrovane::cli {
namespace {

std::string SyncJson(const sync::SyncReport& report) {
    const numbers::Json json = {
        {"pushed", report.pushed},
        {"pulled", report.pulled},
        {"rejected", report.rejected},
        {"clamped", report.clamped},
        {"conflicts", report.conflicts},
        {"unsent", report.unsent},
        {"in_sync", report.inSync},
        {"error", report.error == sync::SyncError::None ? numbers::Json(nullptr)
                                                        : numbers::Json(sync::SyncErrorName(report.error))},
        {"moved_aside",
         report.movedAside.empty() ? numbers::Json(nullptr) : numbers::Json(report.movedAside)}};
    return numbers::JsonText(json) + "\n";
}

std::string Table(const sync::SyncReport& report) {
    return AlignedTable({{"pushed", std::to_string(report.pushed)},
                         {"pulled", std::to_string(report.pulled)},
                         {"refused by the server", std::to_string(report.rejected)},
                         {"stamps clamped", std::to_string(report.clamped)},
                         {"in conflict", std::to_string(report.conflicts)},
                         {"not sent yet", std::to_string(report.unsent)},
                         {"in sync", report.inSync ? "yes" : "no"}});
}

int Sync(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("sync", CliText::tr("--format is table or json"));
    }
    sync::SyncOptions sync;
    sync.connection.conninfo = TeamServerConninfo(options);
    sync.connection.applicationName = "terrovane-cli";
    sync.cancel = StopOnSignals();
    const sync::SyncReport report = sync::Synchronize(archive::DefaultArchivePath(), sync);
    if (!report.movedAside.empty()) {
        TellMovedAside("sync", report.movedAside);
    }
    if (!PrintText(format == "json" ? SyncJson(report) : Table(report))) {
        return kExitFailed;
    }
    if (report.error == sync::SyncError::ServerFailed && ToldServerLacksTls("sync", sync.connection)) {
        return kExitFailed;
    }
    if (report.error != sync::SyncError::None) {
        const QString why = texts::SyncErrorText(report.error);
        Tell("sync", report.detail.empty()
                         ? why
                         : CliText::tr("%1 (%2)").arg(why, texts::ArchiveProblemText(report.detail)));
        return kExitFailed;
    }
    if (report.firmRefused) {
        Tell("sync", CliText::tr("the team server refused the firm's profile as changed here: only an admin "
                                 "changes it; the team's profile is back in the archive"));
    }
    if (report.rejected > 0) {
        Tell("sync",
             CliText::tr("the team server refused %n change(s) (no right to change it, or not valid); "
                         "they stay in the archive",
                         nullptr, report.rejected));
    }
    return report.inSync ? kExitOk : kExitFailed;
}

const CommandRegistrar kSyncRegistrar(
    {"sync",
     "Brings the archive and the team server to hold the same: sends what was changed on this PC since the "
     "last sync (in numbered batches; one the server answered before is not applied again), then receives "
     "what "
     "the others changed. A field changed in two places keeps the later change everywhere; the other value "
     "goes to the conflict list (\"team conflicts\"). A site deleted elsewhere that has results here is kept "
     "and listed. Prints the counts pushed, pulled, refused and in conflict; status 0 when both sides hold "
     "the "
     "same, 1 otherwise (nothing sent is lost: run it again). Ctrl+C stops it after the batch or page under "
     "way, keeping what was answered (status 1); the next sync goes on from there.",
     {{{"sync", {}, {{"format", "table|json", "The report's format; table by default."}, ServerOption()}},
       Sync}}});

}  // namespace
}  // namespace terrovane::cli
