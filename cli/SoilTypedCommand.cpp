// terrovane-cli soil add|typed|list: soundings typed by hand.
#include "SoilTypedCommand.h"

#include "AnalysisText.h"
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "NoteText.h"
#include "Numbers.h"
#include "RefusalText.h"
#include "ResultListing.h"
#include "Sites.h"
#include "SoilFit.h"
#include "TypedResults.h"
#include "TypedSeriesFit.h"
#include "TypedSeriesOptions.h"
#include "TypedSoundings.h"

namespace terrovane::cli {
namespace {

// A Schlumberger reading "AB2/MN2=VALUE" as MN/2 and the reading "AB2=VALUE" that is left; false after a
// usage message.
bool SplitPotentialSpacing(const std::string& text, double& mn2, std::string& reading) {
    const auto equals = text.find('=');
    const auto slash = equals == std::string::npos ? std::string::npos : text.substr(0, equals).find('/');
    if (slash == std::string::npos || !numbers::ParseDecimal(text.substr(slash + 1, equals - slash - 1))) {
        UsageError("soil add", CliText::tr("a Schlumberger reading is AB2/MN2=VALUE[UNIT], AB/2 and MN/2 in "
                                           "metres, as 10/1=80ohm.m, not \"%1\"")
                                   .arg(Given(text)));
        return false;
    }
    mn2 = *numbers::ParseDecimal(text.substr(slash + 1, equals - slash - 1));
    reading = text.substr(0, slash) + text.substr(equals);
    return true;
}

// The readings of --wenner or --schlumberger (exactly one of them); false after a usage message.
bool ParseSoundingReadings(const ParsedArguments& options, archive::TypedSounding& sounding) {
    const std::string command = "soil add";
    if (options.Has("wenner") == options.Has("schlumberger")) {
        UsageError(command, CliText::tr("give the readings with --wenner or with --schlumberger"));
        return false;
    }
    sounding.array =
        options.Has("wenner") ? archive::ElectrodeArray::Wenner : archive::ElectrodeArray::Schlumberger;
    std::optional<archive::TypedQuantity> quantity;
    for (const std::string& text : options.values.at(archive::ElectrodeArrayWord(sounding.array))) {
        SeriesReading reading;
        double mn2 = 0;
        std::string where = text;
        if (sounding.array == archive::ElectrodeArray::Schlumberger &&
            !SplitPotentialSpacing(text, mn2, where)) {
            return false;
        }
        if (!ParseSeriesReading(command, where, std::nullopt, reading)) {
            return false;
        }
        // One sounding reads one quantity throughout, so its apparent resistivity is worked out one way.
        if (quantity && *quantity != reading.quantity) {
            UsageError(command, CliText::tr("\"%1\": a sounding's readings are all resistances or all "
                                            "resistivities")
                                    .arg(Given(text)));
            return false;
        }
        quantity = reading.quantity;
        sounding.points.push_back({reading.where, reading.value, mn2});
    }
    sounding.quantity = *quantity;
    return true;
}

int AddSounding(const ParsedArguments& options) {
    const std::string command = "soil add";
    archive::TypedSounding sounding;
    if (!ParseSoundingReadings(options, sounding) || !ParseTaking(command, options, sounding.taking)) {
        return kExitUsage;
    }
    if (const std::optional<archive::Failure> problem =
            archive::TypedSoundingProblem(sounding, archive::NowMinute())) {
        return UsageError(command, texts::FailureText(*problem));
    }
    auto store = OpenArchiveFor(command);
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto site = archive::FindSite(*store, options.Value("site"), error);
    if (!site) {
        return CommandFailed(command, texts::ArchiveProblemText(error));
    }
    sounding.site = site->id;
    const archive::Result<std::int64_t> id = archive::AddTypedSounding(*store, sounding);
    if (!id) {
        return CommandFailed(command, texts::FailureText(id.Error()));
    }
    Confirm(CliText::tr("typed sounding %1 added").arg(QString::number(id.Value())));
    return kExitOk;
}

// The typed sounding fitted exactly as the instrument's resistivity results are.
int FitSounding(const ParsedArguments& options) {
    const std::string command = "soil typed";
    const std::string layers = options.Value("layers", "auto");
    if (layers != "1" && layers != "2" && layers != "3" && layers != "auto") {
        return UsageError(command, CliText::tr("--layers is 1, 2, 3 or auto"));
    }
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "json") {
        return UsageError(command, CliText::tr("--format is table or json"));
    }
    const auto id = SeriesId(command, options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor(command);
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<archive::TypedSounding> sounding = archive::TypedSoundingById(*store, *id);
    if (!sounding) {
        return CommandFailed(command, texts::FailureText(sounding.Error()));
    }
    if (!stored::SoilFitTakes(sounding.Value())) {
        return CommandFailed(command,
                             CliText::tr("this Schlumberger sounding was kept without MN/2, which the "
                                         "fit needs: add it again with AB2/MN2=VALUE readings"));
    }
    const analysis::Sounding points = stored::SoundingOf(sounding.Value());
    const analysis::SoilFit fit =
        layers == "auto" ? analysis::FitSoilAuto(points)
                         : analysis::FitSoil(points, static_cast<int>(*numbers::ParseInteger(layers)));
    if (!fit.Ok()) {
        const QString reason = texts::RefusalText(fit.refusal);
        return CommandFailed(command, reason.isEmpty() ? Given(fit.error) : reason);
    }
    if (!PrintText(format == "json" ? analysis::SoilFitJson(fit) : analysis::SoilFitTable(fit))) {
        return kExitFailed;
    }
    if (!fit.converged) {
        return CommandFailed(
            command,
            CliText::tr("%1; the best model found is shown").arg(texts::AnalysisNoteText(fit.solverNote)));
    }
    return kExitOk;
}

std::string PointsText(const archive::TypedSounding& sounding) {
    std::string text;
    for (const archive::TypedSoundingPoint& point : sounding.points) {
        text += (text.empty() ? "" : " ") + numbers::General(point.spacing, 6);
        if (sounding.array == archive::ElectrodeArray::Schlumberger && point.mn2 > 0) {
            text += "/" + numbers::General(point.mn2, 6);
        }
        text += "=" + numbers::General(point.reading, 6);
    }
    return text;
}

int ListSoundings(const ParsedArguments& options) {
    const std::string command = "soil list";
    auto store = OpenArchiveFor(command);
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto site = archive::FindSite(*store, options.Value("site"), error);
    if (!site) {
        return CommandFailed(command, texts::ArchiveProblemText(error));
    }
    const auto soundings = archive::TypedSoundings(*store, site->id);
    if (!soundings) {
        return CommandFailed(command, texts::FailureText(soundings.Error()));
    }
    std::vector<std::vector<std::string>> rows = {{"ID", "MEASURED", "SITE", "ARRAY", "READ",
                                                   "READINGS (M=VALUE)", "INSTRUMENT", "MEASURED BY",
                                                   "TYPED BY", "TYPED AT"}};
    for (const archive::TypedSounding& s : soundings.Value()) {
        rows.push_back({std::to_string(s.id), s.taking.measured, s.siteName,
                        archive::ElectrodeArrayWord(s.array), archive::BaseUnitWord(s.quantity),
                        PointsText(s), s.taking.instrument.empty() ? "-" : s.taking.instrument,
                        s.taking.measuredBy.empty() ? "-" : s.taking.measuredBy, s.taking.typedBy,
                        s.typedAt});
    }
    return PrintText(AlignedTable(rows)) ? kExitOk : kExitFailed;
}

}  // namespace

std::vector<CommandForm> SoilTypedForms() {
    const char* reading =
        "A reading: the spacing in metres and the resistance (ohm, kohm, \u03a9, k\u03a9) or apparent "
        "resistivity (ohm.m, kohm.m, \u03a9\u00b7m) read there, as 2=12.5ohm or 2=157ohm.m; the unit is "
        "needed, and every reading of a sounding reads the same quantity.";
    std::vector<DeclaredOption> add = {
        {"site", "SITE", "The site the sounding was measured at.", Presence::Required},
        {"wenner", "METRES=VALUE", std::string(reading) + " Wenner: the spacing is a.", Presence::Repeatable},
        {"schlumberger", "AB2/MN2=VALUE",
         "The same for a Schlumberger sounding: half the current electrodes' distance AB/2 and half the "
         "potential electrodes' MN/2 in metres, MN/2 below AB/2, as 10/1=0.8ohm or 10/1=80ohm.m; a "
         "resistance R gives rho = pi R ((AB/2)^2 - (MN/2)^2) / (2 MN/2).",
         Presence::Repeatable}};
    for (DeclaredOption& option : TakingOptions()) {
        add.push_back(std::move(option));
    }
    return {{{"soil add", {}, add}, AddSounding},
            {{"soil typed",
              {"ID"},
              {{"layers", "1|2|3|auto", "How many layers to fit; auto by default."},
               {"format", "table|json", "The output's format; table by default."}}},
             FitSounding},
            {{"soil list", {}, {{"site", "SITE", "The site.", Presence::Required}}}, ListSoundings}};
}

}  // namespace terrovane::cli
