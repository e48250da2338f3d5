#include "ArchiveAccess.h"

#include "ArchivePath.h"
#include "ArchiveProblemText.h"
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
        CommandFailed(command,
                      CliText::tr("cannot open the archive: %1").arg(texts::ArchiveProblemText(error)));
    } else if (!aside.empty()) {
        TellMovedAside(command, aside);
    }
    return store;
}

void TellMovedAside(const std::string& command, const std::string& aside) {
    Tell(command, CliText::tr("the archive was damaged; it was moved aside as %1 and a new one started")
                      .arg(Given(aside)));
}

int CommandFailed(const std::string& command, const QString& reason) {
    Tell(command, reason);
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
