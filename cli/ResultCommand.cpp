// terrovane-cli result: results measured otherwise and typed by hand, their corrections and history.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "ResultListing.h"
#include "Sites.h"
#include "TypedResultListing.h"
#include "TypedResults.h"
#include "TypedResultsJson.h"

namespace terrovane::cli {
namespace {

// The fields the options give, over `fields`; false after a usage message.
bool ParseFields(const std::string& command, const ParsedArguments& options,
                 archive::TypedResultFields& fields) {
    if (options.Has("method")) {
        fields.method = options.Value("method");
    }
    if (options.Has("value")) {
        fields.values.clear();
        for (const std::string& text : options.values.at("value")) {
            const archive::TypedValueParse parsed = archive::ParseTypedValue(text);
            if (!parsed.value) {
                UsageError(command, texts::ArchiveProblemText(parsed.problem));
                return false;
            }
            fields.values.push_back(*parsed.value);
        }
    }
    if (options.Has("date")) {
        fields.measured = options.Value("date");
    }
    for (const auto& [name, member] :
         {std::pair{"instrument", &fields.instrument}, std::pair{"by", &fields.measuredBy},
          std::pair{"note", &fields.note}}) {
        if (options.Has(name)) {
            *member = options.Value(name);
        }
    }
    fields.typedBy = archive::TypingAccount();
    // Checked before the archive is opened, so a mistyped entry is a usage error like any other.
    if (const std::optional<archive::Failure> problem =
            archive::TypedResultProblem(fields, archive::NowMinute())) {
        UsageError(command, texts::FailureText(*problem));
        return false;
    }
    return true;
}

// The point of "--point SITE/POINT" (the last "/" separates them); false after a message.
bool FindPointOption(const std::string& command, archive::Archive& store, const std::string& target,
                     std::int64_t& point) {
    const auto slash = target.rfind('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == target.size()) {
        UsageError(command, CliText::tr("--point takes SITE/POINT"));
        return false;
    }
    std::string error;
    const auto found = archive::FindPoint(store, target.substr(0, slash), target.substr(slash + 1), error);
    if (!found) {
        CommandFailed(command, texts::ArchiveProblemText(error));
        return false;
    }
    point = found->id;
    return true;
}

std::optional<std::int64_t> VersionId(const std::string& command, const std::string& text) {
    const auto id = WholeNumber(text, 1, 999999999);
    if (!id) {
        UsageError(command, CliText::tr("a typed result's id is a whole number as \"result show\" prints it, "
                                        "not \"%1\"")
                                .arg(Given(text)));
    }
    return id;
}

int AddResult(const ParsedArguments& options) {
    archive::TypedResultFields fields;
    if (!ParseFields("result add", options, fields)) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("result add");
    if (store == nullptr) {
        return kExitFailed;
    }
    if (!FindPointOption("result add", *store, options.Value("point"), fields.point)) {
        return kExitFailed;
    }
    const archive::Result<std::int64_t> id = archive::AddTypedResult(*store, fields);
    if (!id) {
        return CommandFailed("result add", texts::FailureText(id.Error()));
    }
    Confirm(CliText::tr("typed result %1 added").arg(QString::number(id.Value())));
    return kExitOk;
}

// A correction starts from the version it corrects: only what the options give changes.
int Correct(const ParsedArguments& options) {
    const auto id = VersionId("result correct", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("result correct");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<archive::TypedResultVersion> old = archive::TypedResultById(*store, *id);
    if (!old) {
        return CommandFailed("result correct", texts::FailureText(old.Error()));
    }
    archive::TypedResultFields fields = old.Value().fields;
    if (!ParseFields("result correct", options, fields)) {
        return kExitUsage;
    }
    if (options.Has("point") &&
        !FindPointOption("result correct", *store, options.Value("point"), fields.point)) {
        return kExitFailed;
    }
    const archive::Result<std::int64_t> made = archive::CorrectTypedResult(*store, *id, fields);
    if (!made) {
        return CommandFailed("result correct", texts::FailureText(made.Error()));
    }
    Confirm(CliText::tr("typed result %1 corrected as %2")
                .arg(QString::number(*id), QString::number(made.Value())));
    return kExitOk;
}

int Show(const ParsedArguments& options) {
    const auto id = VersionId("result show", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("result show", CliText::tr("--format is table or json"));
    }
    auto store = OpenArchiveFor("result show");
    if (store == nullptr) {
        return kExitFailed;
    }
    const auto history = archive::TypedResultHistory(*store, *id);
    if (!history) {
        return CommandFailed("result show", texts::FailureText(history.Error()));
    }
    return PrintText(format == "json" ? archive::TypedResultsJson(history.Value())
                                      : TypedResultTable(history.Value()))
               ? kExitOk
               : kExitFailed;
}

std::vector<DeclaredOption> FieldOptions(Presence required) {
    return {
        {"point", "SITE/POINT", "The test point, after its site's name.", required},
        {"method", "METHOD",
         "How it was measured: 3-pole, 4-pole, 3-pole-clamp, 4-pole-clamp, 2-clamp, 2-pole-ac, 2-pole-dc, "
         "4-pole-dc, resistivity, ac-current, fall-of-potential, slope, clamp-on, two-point or star-delta.",
         required},
        {"value", "NAME=VALUE[UNIT]",
         "A value, as Re=4.2, Re=12kohm, rho=85ohm.m or I=20mA; over range as Re=>300k. Units: "
         "\u03a9, k\u03a9, m\u03a9, \u03a9\u00b7m, k\u03a9\u00b7m, mA, A (or ohm, kohm, mohm, ohm.m, "
         "kohm.m); none is the base unit. Names: Re, Rs, Rh, Rk, Rac, R, rho, I, as the method takes them.",
         Presence::Repeatable},
        {"date", "\"YYYY-MM-DD HH:MM\"", "When it was measured, local time; not in the future.", required},
        {"instrument", "TEXT", "The instrument: make, model, serial."},
        {"by", "NAME", "Who measured."},
        {"note", "TEXT", "A note."}};
}

const CommandRegistrar kResultRegistrar(
    {"result",
     "\"result add\" stores a result measured with another instrument or method, typed by hand, at a test "
     "point: it is judged against the point's limit and counts for its due date like a read-out's result, "
     "and every listing marks it typed, with the account that typed it. Values are kept in ohm, ohm-metre "
     "and ampere; a value over range is kept as its bound, never as a reading. \"result correct ID\" stores "
     "a correction of typed result ID as a new version (only the options given change; --value replaces "
     "all values); the old version stays in its history. \"result show ID\" lists every version of the "
     "result, newest first.",
     {{{"result add", {}, FieldOptions(Presence::Required)}, AddResult},
      {{"result correct", {"ID"}, FieldOptions(Presence::Optional)}, Correct},
      {{"result show", {"ID"}, {{"format", "table|json", "The listing's format; table by default."}}},
       Show}}});

}  // namespace
}  // namespace terrovane::cli
