#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "AssignDialog.h"
#include "HistoryControls.h"
#include "WindowUndo.h"

namespace terrovane::history {

// "Assign...": the results selected in the list go to a test point (or, in the order measured, to the
// points of a site from one on), and into a visit when one is chosen; undone as one step.
class ResultAssignment {
  public:
    ResultAssignment(HistoryControls& controls, WindowUndo& undo) : controls_(controls), undo_(undo) {}

    void AssignSelected();

    // Asks where the chosen results go; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<AssignChoice>(int results)> assignChooser;
    // Called once the assignment dialog is up (tests work it as a user would).
    std::function<void(AssignDialog&)> assignDialogShown;

  private:
    bool AssignResults(const std::vector<std::int64_t>& ids, const AssignChoice& choice, std::string& error);
    bool AssignInOneUnit(const std::vector<std::int64_t>& ids, const AssignChoice& choice,
                         std::string& error);

    HistoryControls& controls_;
    WindowUndo& undo_;
};

}  // namespace terrovane::history
