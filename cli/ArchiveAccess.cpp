#include "ArchiveAccess.h"

#include <cstdio>

#include "ArchivePath.h"
#include "Command.h"
#include "Due.h"
#include "Numbers.h"
#include "Settings.h"

namespace terrovane::cli {

std::unique_ptr<archive::Archive> OpenArchiveFor(const std::string& command) {
    std::string error;
    std::string aside;
    auto store = archive::Archive::Open(archive::DefaultArchivePath(), error, &aside);
    if (store == nullptr) {
        CommandFailed(command, "cannot open the archive: " + error);
    } else if (!aside.empty()) {
        std::fprintf(stderr, "%s: the archive was damaged; it was moved aside as %s and a new one started\n",
                     command.c_str(), aside.c_str());
    }
    return store;
}

int CommandFailed(const std::string& command, const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", command.c_str(), reason.c_str());
    return kExitFailed;
}

archive::ValidityThresholds ValiditySettings() {
    return archive::ValidityThresholdsIn(platform::Settings());
}

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const auto value = numbers::ParseInteger(text);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

bool IsCalendarDate(const std::string& text) {
    return !archive::AddMonths(text, 0).empty() && archive::AddMonths(text, 0) == text;
}

}  // namespace terrovane::cli
