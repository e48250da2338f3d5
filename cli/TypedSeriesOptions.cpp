#include "TypedSeriesOptions.h"

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "CsvNumbers.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::cli {

std::vector<DeclaredOption> TakingOptions() {
    return {{"date", "\"YYYY-MM-DD HH:MM\"", "When it was measured, local time; not in the future.",
             Presence::Required},
            {"instrument", "TEXT", "The instrument: make, model, serial."},
            {"by", "NAME", "Who measured."},
            {"note", "TEXT", "A note."}};
}

bool ParseTaking(const std::string& command, const ParsedArguments& options, archive::TypedTaking& taking) {
    taking.measured = options.Value("date");
    taking.instrument = options.Value("instrument");
    taking.measuredBy = options.Value("by");
    taking.note = options.Value("note");
    taking.typedBy = archive::TypingAccount();
    if (const std::optional<archive::Failure> problem =
            archive::TypedTakingProblem(taking, archive::NowMinute())) {
        UsageError(command, texts::FailureText(*problem));
        return false;
    }
    return true;
}

bool ParseSeriesReading(const std::string& command, const std::string& text,
                        std::optional<archive::TypedQuantity> quantity, SeriesReading& reading) {
    const auto equals = text.find('=');
    const QString shape = CliText::tr(
                              "a reading is DISTANCE=VALUE[UNIT] in metres and ohms or ohm-metres, "
                              "as 10=4.2 or 2=85ohm.m, not \"%1\"")
                              .arg(Given(text));
    if (equals == std::string::npos || !analysis::ParseNumber(text.substr(0, equals), reading.where)) {
        UsageError(command, shape);
        return false;
    }
    const std::string value = text.substr(equals + 1);
    if (!value.empty() && value.front() == '>') {
        UsageError(command, CliText::tr("\"%1\": a value over range is no reading a curve can pass through")
                                .arg(Given(text)));
        return false;
    }
    if (!quantity) {
        // A resistance or a resistivity: the unit says which, so a bare number is asked about.
        const bool unit = !value.empty() && (value.back() < '0' || value.back() > '9') && value.back() != '.';
        if (!unit) {
            UsageError(command, CliText::tr("\"%1\": say the unit, ohm for a resistance or ohm.m for a "
                                            "resistivity")
                                    .arg(Given(text)));
            return false;
        }
        // A resistance's units are tried first, so a prefix alone ("4k") is a kilo-ohm as elsewhere.
        const bool resistance = archive::ParseTypedValue("R=" + value).value.has_value();
        quantity = resistance ? archive::TypedQuantity::Resistance : archive::TypedQuantity::Resistivity;
    }
    const char* name = *quantity == archive::TypedQuantity::Resistivity ? "rho=" : "R=";
    const archive::TypedValueParse parsed = archive::ParseTypedValue(name + value);
    if (!parsed.value) {
        UsageError(command, texts::ArchiveProblemText(parsed.problem));
        return false;
    }
    reading.value = parsed.value->number;
    reading.quantity = *quantity;
    return true;
}

std::optional<std::int64_t> SeriesPoint(const std::string& command, archive::Archive& store,
                                        const std::string& target) {
    const auto slash = target.rfind('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == target.size()) {
        UsageError(command, CliText::tr("--point takes SITE/POINT"));
        return std::nullopt;
    }
    std::string error;
    const auto found = archive::FindPoint(store, target.substr(0, slash), target.substr(slash + 1), error);
    if (!found) {
        CommandFailed(command, texts::ArchiveProblemText(error));
        return std::nullopt;
    }
    return found->id;
}

std::optional<std::int64_t> SeriesId(const std::string& command, const std::string& text) {
    const auto id = WholeNumber(text, 1, 999999999);
    if (!id) {
        UsageError(
            command,
            CliText::tr("an id is a whole number as the listing prints it, not \"%1\"").arg(Given(text)));
    }
    return id;
}

}  // namespace terrovane::cli
