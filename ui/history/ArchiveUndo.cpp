#include "ArchiveUndo.h"

#include <map>

#include "Sites.h"

namespace terrovane::history {

ArchiveCommand::ArchiveCommand(const QString& text, Step undo, Step redo,
                               std::function<void(const std::string&)> failed, std::function<void()> after)
    : QUndoCommand(text),
      undo_(std::move(undo)),
      redo_(std::move(redo)),
      failed_(std::move(failed)),
      after_(std::move(after)) {}

void ArchiveCommand::Run(const Step& step) {
    std::string error;
    if (!step(error)) {
        setObsolete(true);
        failed_(error);
    }
    after_();
}

void ArchiveCommand::undo() {
    Run(undo_);
}

void ArchiveCommand::redo() {
    if (made_) {
        made_ = false;
        return;
    }
    Run(redo_);
}

// Each result back to the point it had (or none), one unit of work per point.
bool AssignEach(archive::Archive& archive, const ResultPoints& points, std::string& error) {
    std::map<std::optional<std::int64_t>, std::vector<std::int64_t>> byPoint;
    for (const auto& [result, point] : points) {
        byPoint[point].push_back(result);
    }
    for (const auto& [point, results] : byPoint) {
        if (!archive::Assign(archive, results, point, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace terrovane::history
