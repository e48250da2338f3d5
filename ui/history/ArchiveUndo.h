#pragma once

#include <QUndoCommand>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Archive.h"

namespace terrovane::history {

// One change made in the archive window, undone and redone through the archive's own functions, each as
// a new unit of work (so with the team, an undo is a change like any other). The change is already made
// when the command is pushed. An undo or redo that fails (the archive changed elsewhere meanwhile) is
// said through `failed` and leaves the stack, so the commands before it stay in step with the archive.
class ArchiveCommand : public QUndoCommand {
  public:
    using Step = std::function<bool(std::string& error)>;
    ArchiveCommand(const QString& text, Step undo, Step redo, std::function<void(const std::string&)> failed,
                   std::function<void()> after);

    void undo() override;
    void redo() override;

  private:
    void Run(const Step& step);

    Step undo_;
    Step redo_;
    std::function<void(const std::string&)> failed_;
    std::function<void()> after_;
    bool made_ = true;  // the first redo is the change the window already made
};

// Results with the point each is assigned to (unset: none).
using ResultPoints = std::vector<std::pair<std::int64_t, std::optional<std::int64_t>>>;

// Assigns each result to its point again, one unit of work per point.
[[nodiscard]] bool AssignEach(archive::Archive& archive, const ResultPoints& points, std::string& error);

}  // namespace terrovane::history
