// The soil of the commands that compute on the ground (grid, fop plan): a stored model by id or a site's
// newest, read the same way for each.
#include "StoredSoil.h"

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Numbers.h"
#include "Sites.h"

namespace terrovane::cli {

bool LoadStoredModel(const char* command, const ParsedArguments& options, archive::StoredSoilModel& model) {
    auto store = OpenArchiveFor(command);
    if (store == nullptr)
        return false;
    std::string error;
    if (options.Has("soil-model")) {
        const std::optional<long long> id = numbers::ParseInteger(options.Value("soil-model"));
        if (!id || *id <= 0) {
            CommandFailed(command, CliText::tr("--soil-model takes the id of a stored soil model"));
            return false;
        }
        archive::Result<archive::StoredSoilModel> found = archive::SoilModelById(*store, *id);
        if (!found) {
            CommandFailed(command, texts::FailureText(found.Error()));
            return false;
        }
        model = std::move(found).Value();
        return true;
    }
    const std::string name = options.Value("site");
    const auto site = archive::FindSite(*store, name, error);
    if (!site) {
        CommandFailed(command, texts::ArchiveProblemText(error));
        return false;
    }
    const archive::Result<std::vector<archive::StoredSoilModel>> models =
        archive::SoilModels(*store, site->id);
    if (!models) {
        CommandFailed(command, texts::FailureText(models.Error()));
        return false;
    }
    if (models.Value().empty()) {
        CommandFailed(command, CliText::tr("site \"%1\" has no stored soil model").arg(Given(name)));
        return false;
    }
    model = models.Value().front();
    return true;
}

}  // namespace terrovane::cli
