// terrovane-cli find: the archive's entries holding the words given, as the archive window's search
// field finds them.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Find.h"
#include "Json.h"
#include "ResultListing.h"

namespace terrovane::cli {
namespace {

std::string FindTable(const std::vector<archive::FoundEntry>& entries) {
    std::vector<std::vector<std::string>> lines = {{"KIND", "ID", "SITE", "POINT", "DATE", "TEXT"}};
    const auto dash = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
    for (const archive::FoundEntry& entry : entries) {
        lines.push_back({archive::FindKindKey(entry.kind), std::to_string(entry.id), dash(entry.site),
                         dash(entry.point), dash(entry.date), entry.text});
    }
    return AlignedTable(lines);
}

numbers::Json FindJson(const std::vector<archive::FoundEntry>& entries) {
    numbers::Json array = numbers::Json::array();
    const auto orNull = [](const std::string& text) {
        return text.empty() ? numbers::Json() : numbers::Json(text);
    };
    for (const archive::FoundEntry& entry : entries) {
        numbers::Json item;
        item["kind"] = archive::FindKindKey(entry.kind);
        item["id"] = entry.id;
        item["site"] = orNull(entry.site);
        item["point"] = orNull(entry.point);
        item["date"] = orNull(entry.date);
        item["text"] = entry.text;
        array.push_back(std::move(item));
    }
    return array;
}

int Find(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("find", CliText::tr("--format is table or json"));
    }
    std::string text;
    for (const std::string& word : options.positionals) {
        text += (text.empty() ? "" : " ") + word;
    }
    auto store = OpenArchiveFor("find");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<std::vector<archive::FoundEntry>> found = archive::FindEntries(*store, text);
    if (!found) {
        return CommandFailed("find", texts::FailureText(found.Error()));
    }
    const std::vector<archive::FoundEntry>& entries = found.Value();
    if (format == "json") {
        return PrintText(numbers::JsonLines(FindJson(entries))) ? kExitOk : kExitFailed;
    }
    if (entries.empty()) {
        Tell("find", CliText::tr("nothing holds these words"));
        return kExitOk;
    }
    return PrintText(FindTable(entries)) ? kExitOk : kExitFailed;
}

const CommandRegistrar kFindRegistrar(
    {"find",
     "Finds the words in the archive as its window's search field does: sites (name, address, notes), test "
     "points (name, notes), labels, the notes of results and read-outs, typed results (instrument, who "
     "measured, note) and the captions of attachments. Every word must be in the same entry; each is "
     "taken as the start of a word, with case and accents ignored, and Chinese, Japanese or Korean words "
     "are found anywhere in a text. Quotes, stars and the like are taken as typed.",
     {{{"find", {"TEXT..."}, {{"format", "table|json", "The listing's format; table by default."}}}, Find}}});

}  // namespace
}  // namespace terrovane::cli
