#pragma once

#include <functional>

#include "Archive.h"
#include "VisitDialog.h"

namespace terrovane::history {

class SiteVisitList;
class VisitsPane;

// The visits pane's buttons at work: "New visit..." and "Edit..." open the visit's dialog, "Delete"
// removes the chosen visit (its results stay with their points) and "Add results" puts the results
// selected in the window into it.
class VisitEdits {
  public:
    VisitEdits(VisitsPane& pane, archive::Archive* archive, SiteVisitList& visits)
        : pane_(pane), archive_(archive), visits_(visits) {}

    void NewVisit();
    void EditChosen();
    void DeleteChosen();
    void AddSelectedResults();
    // Called once the dialog is up (tests work it as a user would); the dialog runs modally otherwise.
    std::function<void(VisitDialog&)> dialogShown;

  private:
    void RunDialog(VisitDialog& dialog);

    VisitsPane& pane_;
    archive::Archive* archive_;
    SiteVisitList& visits_;
};

}  // namespace terrovane::history
