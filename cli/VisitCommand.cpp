// terrovane-cli visit add|edit|delete|assign and visits: what was done at a site on one day, and in what
// conditions.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Json.h"
#include "Numbers.h"
#include "ResultListing.h"
#include "ResultsOutput.h"
#include "Sites.h"
#include "Visits.h"

namespace terrovane::cli {
namespace {

std::optional<std::int64_t> VisitIdOf(const std::string& command, const std::string& text) {
    const auto id = WholeNumber(text, 1, 999999999);
    if (!id) {
        UsageError(command, CliText::tr("a visit's id is a whole number as \"visits\" lists it, not \"%1\"")
                                .arg(Given(text)));
    }
    return id;
}

// "NAME;SERIAL;DUE", the serial and the due date may be left out.
std::optional<archive::VisitInstrument> InstrumentOf(const std::string& command, const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ';') {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    if (parts.size() > 3) {
        UsageError(command,
                   CliText::tr("--instrument takes \"NAME;SERIAL;DUE\", not \"%1\"").arg(Given(text)));
        return std::nullopt;
    }
    parts.resize(3);
    return archive::VisitInstrument{parts[0], parts[1], parts[2]};
}

// Sets the fields the options give and keeps the others; false after a usage message.
bool ParseVisitOptions(const std::string& command, const ParsedArguments& options, archive::Visit& visit) {
    if (options.Has("date")) {
        visit.date = options.Value("date");
    }
    if (options.Has("by")) {
        visit.by = options.Value("by");
    }
    if (options.Has("instrument")) {
        visit.instruments.clear();
        for (const std::string& text : options.values.at("instrument")) {
            const auto instrument = InstrumentOf(command, text);
            if (!instrument) {
                return false;
            }
            visit.instruments.push_back(*instrument);
        }
    }
    if (options.Has("weather")) {
        visit.weather = options.Value("weather");
    }
    if (options.Has("temperature")) {
        const std::string text = options.Value("temperature");
        const auto degrees = numbers::ParseDecimal(text);
        if (!text.empty() && !degrees) {
            UsageError(
                command,
                CliText::tr("--temperature takes degrees Celsius, as 12.5, not \"%1\"").arg(Given(text)));
            return false;
        }
        visit.airTemperature = degrees;
    }
    if (options.Has("soil")) {
        const std::string word = options.Value("soil");
        const auto soil = archive::ParseSoil(word);
        if (!word.empty() && !soil) {
            UsageError(command,
                       CliText::tr("--soil is dry, moist, wet or frozen, not \"%1\"").arg(Given(word)));
            return false;
        }
        visit.soil = soil.value_or(archive::SoilCondition::Unknown);
    }
    if (options.Has("note")) {
        visit.notes = options.Value("note");
    }
    return true;
}

std::vector<DeclaredOption> VisitOptions(Presence date) {
    return {{"date", "YYYY-MM-DD", "The day of the visit.", date},
            {"by", "TEXT", "Who visited (several names allowed)."},
            {"instrument", "NAME;SERIAL;DUE",
             "An instrument used, with its serial number and calibration due date (YYYY-MM-DD); repeat for "
             "each. Given on edit, the instruments given replace the visit's.",
             Presence::Repeatable},
            {"weather", "TEXT", "The weather, as typed."},
            {"temperature", "C", "The air temperature in degrees Celsius (an empty value removes it)."},
            {"soil", "dry|moist|wet|frozen", "The soil's condition (an empty value removes it)."},
            {"note", "TEXT", "Notes on the visit."}};
}

// A warning on standard error for each instrument whose calibration was due before the visit.
void WarnOfCalibration(const std::string& command, const archive::Visit& visit) {
    for (const std::size_t i : archive::PastCalibration(visit)) {
        const archive::VisitInstrument& instrument = visit.instruments[i];
        Tell(command,
             CliText::tr("warning: the calibration of %1 (serial %2) was due on %3, before the visit")
                 .arg(Given(instrument.name), Given(instrument.serial.empty() ? "-" : instrument.serial),
                      Given(instrument.calibrationDue)));
    }
}

int AddVisit(const ParsedArguments& options) {
    archive::Visit visit;
    if (!ParseVisitOptions("visit add", options, visit)) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("visit add");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto site = archive::FindSite(*store, options.positionals[0], error);
    if (!site) {
        return CommandFailed("visit add", texts::ArchiveProblemText(error));
    }
    visit.site = site->id;
    const archive::Result<std::int64_t> id = archive::AddVisit(*store, visit);
    if (!id) {
        return CommandFailed("visit add", texts::FailureText(id.Error()));
    }
    WarnOfCalibration("visit add", visit);
    Confirm(CliText::tr("visit %1 added").arg(QString::number(id.Value())));
    return kExitOk;
}

int EditVisit(const ParsedArguments& options) {
    const auto id = VisitIdOf("visit edit", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("visit edit");
    if (store == nullptr) {
        return kExitFailed;
    }
    archive::Result<archive::Visit> visit = archive::VisitById(*store, *id);
    if (!visit) {
        return CommandFailed("visit edit", texts::FailureText(visit.Error()));
    }
    if (!ParseVisitOptions("visit edit", options, visit.Value())) {
        return kExitUsage;
    }
    if (const archive::Status saved = archive::UpdateVisit(*store, visit.Value()); !saved) {
        return CommandFailed("visit edit", texts::FailureText(saved.Error()));
    }
    WarnOfCalibration("visit edit", visit.Value());
    Confirm(CliText::tr("visit %1 changed").arg(QString::number(*id)));
    return kExitOk;
}

int DeleteVisit(const ParsedArguments& options) {
    const auto id = VisitIdOf("visit delete", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("visit delete");
    if (store == nullptr) {
        return kExitFailed;
    }
    if (const archive::Status removed = archive::DeleteVisit(*store, *id); !removed) {
        return CommandFailed("visit delete", texts::FailureText(removed.Error()));
    }
    Confirm(CliText::tr("visit %1 deleted; its results stay with their points").arg(QString::number(*id)));
    return kExitOk;
}

int AssignToVisit(const ParsedArguments& options) {
    const auto id = VisitIdOf("visit assign", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    std::vector<std::int64_t> results;
    for (std::size_t i = 1; i < options.positionals.size(); ++i) {
        const auto result = WholeNumber(options.positionals[i], 1, 999999999);
        if (!result) {
            return UsageError(
                "visit assign",
                CliText::tr("result ids are whole numbers as \"history\" prints them, not \"%1\"")
                    .arg(Given(options.positionals[i])));
        }
        results.push_back(*result);
    }
    auto store = OpenArchiveFor("visit assign");
    if (store == nullptr) {
        return kExitFailed;
    }
    const bool typed = options.Has("typed");
    const archive::Status assigned = typed ? archive::AssignTypedToVisit(*store, results, *id)
                                           : archive::AssignToVisit(*store, results, *id);
    if (!assigned) {
        return CommandFailed("visit assign", texts::FailureText(assigned.Error()));
    }
    const int count = static_cast<int>(results.size());
    Confirm((typed ? CliText::tr("%n typed result(s) assigned to visit %1", nullptr, count)
                   : CliText::tr("%n result(s) assigned to visit %1", nullptr, count))
                .arg(QString::number(*id)));
    return kExitOk;
}

// A visit's read-outs' results and its typed results, by id.
struct VisitMembers {
    std::vector<std::int64_t> results;
    std::vector<std::int64_t> typed;
};

numbers::Json VisitJson(const archive::Visit& visit, const VisitMembers& members) {
    const auto orNull = [](const std::string& text) {
        return text.empty() ? numbers::Json() : numbers::Json(text);
    };
    numbers::Json instruments = numbers::Json::array();
    const std::vector<std::size_t> past = archive::PastCalibration(visit);
    for (std::size_t i = 0; i < visit.instruments.size(); ++i) {
        const archive::VisitInstrument& instrument = visit.instruments[i];
        numbers::Json item = numbers::Json::object();
        item["name"] = instrument.name;
        item["serial"] = instrument.serial;
        item["calibration_due"] = orNull(instrument.calibrationDue);
        item["calibration_past"] = std::find(past.begin(), past.end(), i) != past.end();
        instruments.push_back(std::move(item));
    }
    numbers::Json json = numbers::Json::object();
    json["id"] = visit.id;
    json["date"] = visit.date;
    json["by"] = visit.by;
    json["instruments"] = std::move(instruments);
    json["weather"] = visit.weather;
    json["air_temperature"] =
        visit.airTemperature ? numbers::JsonNumber(*visit.airTemperature) : numbers::Json();
    json["soil"] = orNull(archive::SoilWord(visit.soil));
    json["notes"] = visit.notes;
    json["results"] = members.results;
    json["typed_results"] = members.typed;
    return json;
}

std::string VisitTable(const std::vector<archive::Visit>& visits, const std::vector<VisitMembers>& members) {
    std::vector<std::vector<std::string>> lines = {
        {"ID", "DATE", "BY", "INSTRUMENTS", "WEATHER", "AIR", "SOIL", "RESULTS", "NOTES"}};
    const auto dash = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
    for (std::size_t v = 0; v < visits.size(); ++v) {
        const archive::Visit& visit = visits[v];
        const std::vector<std::size_t> past = archive::PastCalibration(visit);
        std::string instruments;
        for (std::size_t i = 0; i < visit.instruments.size(); ++i) {
            const archive::VisitInstrument& instrument = visit.instruments[i];
            instruments +=
                (i == 0 ? "" : ", ") + instrument.name +
                (instrument.serial.empty() ? "" : " #" + instrument.serial) +
                (std::find(past.begin(), past.end(), i) != past.end() ? " (calibration past)" : "");
        }
        std::string notes = visit.notes;
        std::replace(notes.begin(), notes.end(), '\n', ' ');
        lines.push_back({std::to_string(visit.id), visit.date, dash(visit.by), dash(instruments),
                         dash(visit.weather),
                         visit.airTemperature ? archive::NumberText(*visit.airTemperature) + " C" : "-",
                         dash(archive::SoilWord(visit.soil)),
                         std::to_string(members[v].results.size() + members[v].typed.size()), dash(notes)});
    }
    return AlignedTable(lines);
}

int ListVisits(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("visits", CliText::tr("--format is table or json"));
    }
    auto store = OpenArchiveFor("visits");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto site = archive::FindSite(*store, options.positionals[0], error);
    if (!site) {
        return CommandFailed("visits", texts::ArchiveProblemText(error));
    }
    const auto visits = archive::SiteVisits(*store, site->id);
    if (!visits) {
        return CommandFailed("visits", texts::FailureText(visits.Error()));
    }
    std::vector<VisitMembers> members;
    for (const archive::Visit& visit : visits.Value()) {
        auto ids = archive::VisitResults(*store, visit.id);
        auto typed = ids ? archive::VisitTypedResults(*store, visit.id)
                         : archive::Result<std::vector<std::int64_t>>(ids.Error());
        if (!typed) {
            return CommandFailed("visits", texts::FailureText(typed.Error()));
        }
        members.push_back({std::move(ids).Value(), std::move(typed).Value()});
    }
    if (format == "table") {
        return PrintText(VisitTable(visits.Value(), members)) ? kExitOk : kExitFailed;
    }
    numbers::Json array = numbers::Json::array();
    for (std::size_t i = 0; i < visits.Value().size(); ++i) {
        array.push_back(VisitJson(visits.Value()[i], members[i]));
    }
    return PrintText(numbers::JsonLines(array)) ? kExitOk : kExitFailed;
}

const CommandRegistrar kVisitRegistrar(
    {"visit",
     "\"visit add SITE --date YYYY-MM-DD\" keeps a visit of the site: who visited, the instruments used "
     "with their serial numbers and calibration due dates (a warning is given for each whose calibration "
     "was due before the visit), the weather, the air temperature, the soil's condition and notes. \"visit "
     "edit ID\" changes the options given and keeps the others; \"visit delete ID\" deletes the visit (its "
     "results stay with their points). \"visit assign ID RESULT...\" assigns results (ids as \"history\" "
     "prints them) of the visit's site to the visit, or with --typed results typed by hand (ids as "
     "\"history\" "
     "lists them under TYPED RESULTS); a result belongs to one visit at most.",
     {{{"visit add", {"SITE"}, VisitOptions(Presence::Required)}, AddVisit},
      {{"visit edit", {"ID"}, VisitOptions(Presence::Optional)}, EditVisit},
      {{"visit delete", {"ID"}, {}}, DeleteVisit},
      {{"visit assign",
        {"ID", "RESULT..."},
        {{"typed", "", "The ids are of results typed by hand.", Presence::Optional}}},
       AssignToVisit}}});

const CommandRegistrar kVisitsRegistrar(
    {"visits",
     "Lists the site's visits, oldest first: id, date, who, instruments (those past their calibration due "
     "date marked), weather, air temperature, soil, the number of results assigned (typed ones included) "
     "and notes.",
     {{{"visits", {"SITE"}, {{"format", "table|json", "The listing's format; table by default."}}},
       ListVisits}}});

}  // namespace
}  // namespace terrovane::cli
