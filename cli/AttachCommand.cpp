// terrovane-cli attach, attachments, attachment get|caption|report and detach: photos and documents of a site
// or a test point.
#include <set>

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "AtomicFile.h"
#include "AttachmentOwner.h"
#include "Attachments.h"
#include "Command.h"
#include "Inspect.h"
#include "Json.h"
#include "ReportPhotos.h"
#include "ResultListing.h"
#include "ResultsOutput.h"

namespace terrovane::cli {
namespace {

const char* OwnerWord(archive::AttachedTo kind) {
    switch (kind) {
        case archive::AttachedTo::Site:
            return "site";
        case archive::AttachedTo::Point:
            return "point";
        case archive::AttachedTo::Result:
            return "result";
        case archive::AttachedTo::TypedResult:
            return "typed-result";
    }
    return "site";
}

std::optional<std::int64_t> AttachmentId(const std::string& command, const std::string& text) {
    const auto id = WholeNumber(text, 1, 999999999);
    if (!id) {
        UsageError(command, CliText::tr("an attachment's id is a whole number as \"attachments\" lists it, "
                                        "not \"%1\"")
                                .arg(Given(text)));
    }
    return id;
}

std::string PositionWords(const archive::AttachmentRow& row) {
    return row.position ? archive::NumberText(row.position->latitude) + "," +
                              archive::NumberText(row.position->longitude)
                        : std::string();
}

int AttachFile(const ParsedArguments& options) {
    // The file is checked before the archive is opened: a file that is not what its name says changes
    // nothing.
    archive::Result<archive::AttachmentFile> file = attach::ReadAttachment(options.positionals[1]);
    if (!file) {
        return CommandFailed("attach", texts::FailureText(file.Error()));
    }
    auto store = OpenArchiveFor("attach");
    if (store == nullptr) {
        return kExitFailed;
    }
    const auto owner = FindAttachmentOwner("attach", *store, options.positionals[0]);
    if (!owner) {
        return kExitFailed;
    }
    archive::NewAttachment attachment{*owner, attach::FileNameOf(options.positionals[1]),
                                      options.Value("caption"), std::move(file).Value()};
    const archive::Result<std::int64_t> id = archive::Attach(*store, attachment);
    if (!id) {
        return CommandFailed("attach", texts::FailureText(id.Error()));
    }
    Confirm(CliText::tr("attachment %1 added to %2")
                .arg(QString::number(id.Value()), Given(options.positionals[0])));
    if (!attachment.file.taken.empty()) {
        Confirm(CliText::tr("taken %1").arg(Given(attachment.file.taken)));
    }
    if (attachment.file.position) {
        Confirm(CliText::tr("taken at %1,%2 (\"site set SITE --position LAT,LON\" makes it the site's)")
                    .arg(Given(archive::NumberText(attachment.file.position->latitude)),
                         Given(archive::NumberText(attachment.file.position->longitude))));
    }
    return kExitOk;
}

numbers::Json AttachmentJson(const archive::AttachmentRow& row, bool inReport) {
    const auto orNull = [](const std::string& text) {
        return text.empty() ? numbers::Json() : numbers::Json(text);
    };
    numbers::Json json = numbers::Json::object();
    json["id"] = row.id;
    json["attached_to"] = OwnerWord(row.owner.kind);
    json["owner_id"] = row.owner.id;
    json["name"] = row.name;
    json["caption"] = row.caption;
    json["kind"] = archive::AttachmentKindWord(row.kind);
    json["sha256"] = row.digest;
    json["bytes"] = row.size;
    json["width"] = row.width > 0 ? numbers::Json(row.width) : numbers::Json();
    json["height"] = row.height > 0 ? numbers::Json(row.height) : numbers::Json();
    json["taken"] = orNull(row.taken);
    json["latitude"] = row.position ? numbers::JsonNumber(row.position->latitude) : numbers::Json();
    json["longitude"] = row.position ? numbers::JsonNumber(row.position->longitude) : numbers::Json();
    json["added_at"] = row.addedAt;
    json["in_report"] = inReport;
    return json;
}

std::string AttachmentTable(const std::vector<archive::AttachmentRow>& rows,
                            const std::set<std::int64_t>& chosen) {
    std::vector<std::vector<std::string>> lines = {
        {"ID", "NAME", "KIND", "SIZE", "TAKEN", "POSITION", "REPORT", "CAPTION"}};
    const auto dash = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
    for (const archive::AttachmentRow& row : rows) {
        const std::string size = row.width > 0 ? std::to_string(row.width) + "x" + std::to_string(row.height)
                                               : std::to_string(row.size) + " bytes";
        lines.push_back({std::to_string(row.id), row.name, archive::AttachmentKindWord(row.kind), size,
                         dash(row.taken), dash(PositionWords(row)), chosen.count(row.id) > 0 ? "yes" : "-",
                         dash(row.caption)});
    }
    return AlignedTable(lines);
}

int ListAttachments(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("attachments", CliText::tr("--format is table or json"));
    }
    auto store = OpenArchiveFor("attachments");
    if (store == nullptr) {
        return kExitFailed;
    }
    const auto owner = FindAttachmentOwner("attachments", *store, options.positionals[0]);
    if (!owner) {
        return kExitFailed;
    }
    const auto rows = archive::Attachments(*store, *owner);
    if (!rows) {
        return CommandFailed("attachments", texts::FailureText(rows.Error()));
    }
    const auto chosen = archive::ChosenForReport(*store);
    if (!chosen) {
        return CommandFailed("attachments", texts::FailureText(chosen.Error()));
    }
    if (format == "table") {
        return PrintText(AttachmentTable(rows.Value(), chosen.Value())) ? kExitOk : kExitFailed;
    }
    numbers::Json array = numbers::Json::array();
    for (const archive::AttachmentRow& row : rows.Value()) {
        array.push_back(AttachmentJson(row, chosen.Value().count(row.id) > 0));
    }
    return PrintText(numbers::JsonLines(array)) ? kExitOk : kExitFailed;
}

int GetAttachment(const ParsedArguments& options) {
    const auto id = AttachmentId("attachment get", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("attachment get");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<std::string> bytes = archive::AttachmentBytes(*store, *id);
    if (!bytes) {
        return CommandFailed("attachment get", texts::FailureText(bytes.Error()));
    }
    std::string error;
    if (!platform::WriteFileAtomically(options.Value("out"), bytes.Value(), error)) {
        return CommandFailed("attachment get", Given(error));
    }
    Confirm(
        CliText::tr("attachment %1 written to %2").arg(QString::number(*id), Given(options.Value("out"))));
    return kExitOk;
}

int CaptionAttachment(const ParsedArguments& options) {
    const auto id = AttachmentId("attachment caption", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("attachment caption");
    if (store == nullptr) {
        return kExitFailed;
    }
    if (const archive::Status set = archive::SetAttachmentCaption(*store, *id, options.positionals[1]);
        !set) {
        return CommandFailed("attachment caption", texts::FailureText(set.Error()));
    }
    Confirm(CliText::tr("caption of attachment %1 set").arg(QString::number(*id)));
    return kExitOk;
}

int ChooseAttachmentForReport(const ParsedArguments& options) {
    const auto id = AttachmentId("attachment report", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    const std::string& choice = options.positionals[1];
    if (choice != "yes" && choice != "no") {
        return UsageError("attachment",
                          CliText::tr("attachment report takes yes or no, not \"%1\"").arg(Given(choice)));
    }
    auto store = OpenArchiveFor("attachment report");
    if (store == nullptr) {
        return kExitFailed;
    }
    if (const archive::Status set = archive::ChooseForReport(*store, *id, choice == "yes"); !set) {
        return CommandFailed("attachment report", texts::FailureText(set.Error()));
    }
    Confirm(choice == "yes"
                ? CliText::tr("attachment %1 goes into the site report").arg(QString::number(*id))
                : CliText::tr("attachment %1 stays out of the site report").arg(QString::number(*id)));
    return kExitOk;
}

int DetachAttachment(const ParsedArguments& options) {
    const auto id = AttachmentId("detach", options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("detach");
    if (store == nullptr) {
        return kExitFailed;
    }
    if (const archive::Status removed = archive::Detach(*store, *id); !removed) {
        return CommandFailed("detach", texts::FailureText(removed.Error()));
    }
    Confirm(CliText::tr("attachment %1 removed").arg(QString::number(*id)));
    return kExitOk;
}

const CommandRegistrar kAttachRegistrar(
    {"attach",
     "Attaches a photo (JPEG, PNG) or a document (PDF) to a site or to a test point (SITE/POINT). The file "
     "is checked first: one that is not what its name says, or an image that does not decode, is refused. "
     "The "
     "archive keeps each file once, however often it is attached, with a thumbnail; a photo's EXIF date and "
     "GPS position are read and shown.",
     {{{"attach", {"SITE[/POINT]", "FILE"}, {{"caption", "TEXT", "A caption for the attachment."}}},
       AttachFile}}});

const CommandRegistrar kAttachmentsRegistrar(
    {"attachments",
     "Lists the photos and documents attached to a site or to a test point (SITE/POINT), in the order they "
     "were attached: id, file name, kind, size, EXIF date and position, whether it goes into the site "
     "report, caption.",
     {{{"attachments",
        {"SITE[/POINT]"},
        {{"format", "table|json", "The listing's format; table by default."}}},
       ListAttachments}}});

const CommandRegistrar kAttachmentRegistrar(
    {"attachment",
     "\"attachment get ID --out FILE\" writes the attached file exactly as it was attached. \"attachment "
     "caption ID TEXT\" sets its caption (an empty TEXT removes it). \"attachment report ID yes|no\" "
     "chooses a photo for the site report, where it is printed with its caption after its point's results, "
     "or takes it out again.",
     {{{"attachment get", {"ID"}, {{"out", "FILE", "Where the file is written.", Presence::Required}}},
       GetAttachment},
      {{"attachment caption", {"ID", "TEXT"}, {}}, CaptionAttachment},
      {{"attachment report", {"ID", "yes|no"}, {}}, ChooseAttachmentForReport}}});

const CommandRegistrar kDetachRegistrar(
    {"detach",
     "Removes the attachment ID from its site, point or result; the file leaves the archive when nothing "
     "else holds it.",
     {{{"detach", {"ID"}, {}}, DetachAttachment}}});

}  // namespace
}  // namespace terrovane::cli
