// terrovane-cli firm set and firm show: the firm that issues the reports.
#include <span>

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "ContentKey.h"
#include "Firm.h"
#include "Json.h"
#include "Logo.h"
#include "ResultListing.h"

namespace terrovane::cli {
namespace {

// The options that name a field, with the field each sets.
struct FirmField {
    const char* option;
    std::string archive::FirmProfile::*field;
};
constexpr FirmField kFirmFields[] = {
    {"name", &archive::FirmProfile::name},       {"address", &archive::FirmProfile::address},
    {"phone", &archive::FirmProfile::phone},     {"email", &archive::FirmProfile::email},
    {"licence", &archive::FirmProfile::licence}, {"prefix", &archive::FirmProfile::prefix}};

std::string LogoDigest(const std::string& logo) {
    return archive::HexText(
        archive::Sha256({reinterpret_cast<const std::uint8_t*>(logo.data()), logo.size()}));
}

int SetFirm(const ParsedArguments& options) {
    bool anyGiven = options.Has("logo") || options.Has("no-logo");
    for (const FirmField& field : kFirmFields) {
        anyGiven = anyGiven || options.Has(field.option);
    }
    if (!anyGiven) {
        return UsageError("firm", CliText::tr("firm set needs at least one of its options"));
    }
    archive::FirmProfile given;
    // The logo is checked before the archive is opened: a file that is none changes nothing.
    if (options.Has("logo")) {
        if (const archive::Status read = attach::ReadLogo(options.Value("logo"), given); !read) {
            return CommandFailed("firm set", texts::FailureText(read.Error()));
        }
    }
    auto store = OpenArchiveFor("firm set");
    if (store == nullptr) {
        return kExitFailed;
    }
    archive::Result<archive::FirmProfile> firm = archive::LoadFirm(*store);
    if (!firm) {
        return CommandFailed("firm set", texts::FailureText(firm.Error()));
    }
    for (const FirmField& field : kFirmFields) {
        if (options.Has(field.option)) {
            firm.Value().*field.field = options.Value(field.option);
        }
    }
    if (options.Has("logo")) {
        firm.Value().logo = std::move(given.logo);
        firm.Value().logoType = given.logoType;
    } else if (options.Has("no-logo")) {
        firm.Value().logo.clear();
        firm.Value().logoType.clear();
    }
    if (const archive::Status saved = archive::SaveFirm(*store, firm.Value()); !saved) {
        return CommandFailed("firm set", texts::FailureText(saved.Error()));
    }
    Confirm(
        CliText::tr("the firm's profile is kept; in a team it goes to the server with the next sync, "
                    "where only an admin may change it"));
    return kExitOk;
}

numbers::Json FirmJson(const archive::FirmProfile& firm) {
    numbers::Json json = numbers::Json::object();
    for (const FirmField& field : kFirmFields) {
        json[field.option] = firm.*field.field;
    }
    if (firm.logo.empty()) {
        json["logo"] = nullptr;
    } else {
        json["logo"] = {{"type", firm.logoType},
                        {"bytes", static_cast<std::int64_t>(firm.logo.size())},
                        {"sha256", LogoDigest(firm.logo)}};
    }
    return json;
}

std::string FirmTable(const archive::FirmProfile& firm) {
    std::vector<std::vector<std::string>> lines;
    for (const FirmField& field : kFirmFields) {
        const std::string& value = firm.*field.field;
        std::string shown = value.empty() ? std::string("-") : value;
        // An address of several lines is shown on one, its lines apart by commas.
        for (std::size_t at = 0; (at = shown.find('\n', at)) != std::string::npos;) {
            shown.replace(at, 1, ", ");
        }
        lines.push_back({field.option, shown});
    }
    lines.push_back({"logo", firm.logo.empty()
                                 ? std::string("-")
                                 : firm.logoType + ", " + std::to_string(firm.logo.size()) + " bytes"});
    return AlignedTable(lines);
}

int ShowFirm(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("firm", CliText::tr("--format is table or json"));
    }
    auto store = OpenArchiveFor("firm show");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<archive::FirmProfile> firm = archive::LoadFirm(*store);
    if (!firm) {
        return CommandFailed("firm show", texts::FailureText(firm.Error()));
    }
    return PrintText(format == "json" ? numbers::JsonText(FirmJson(firm.Value())) + "\n"
                                      : FirmTable(firm.Value()))
               ? kExitOk
               : kExitFailed;
}

const CommandRegistrar kFirmRegistrar(
    {"firm",
     "The firm that issues the reports, printed in every site report's header and on its title page. "
     "\"firm set\" changes the fields given and keeps the others; --prefix is the first part of the report "
     "numbers (1 to 12 letters and digits); --logo takes a PNG image or an SVG drawing of at most 1 MB, "
     "checked whole, and --no-logo removes it. In a team the profile is the server's, one for everyone: the "
     "next sync sends a change made here, and the server takes it from admins only. \"firm show\" prints "
     "the profile.",
     {{{"firm set",
        {},
        {{"name", "T", "The firm's name."},
         {"address", "T", "Its address; it may hold several lines."},
         {"phone", "T", "Its phone number."},
         {"email", "T", "Its e-mail address."},
         {"licence", "T", "Its accreditation or licence number."},
         {"prefix", "P", "The first part of its report numbers, 1 to 12 letters and digits."},
         {"logo", "FILE", "Its logo: a PNG image or an SVG drawing.", Presence::AtMostOneOf},
         {"no-logo", "", "Removes the logo.", Presence::AtMostOneOf}}},
       SetFirm},
      {{"firm show", {}, {{"format", "table|json", "The listing's format; table by default."}}}, ShowFirm}}});

}  // namespace
}  // namespace terrovane::cli
