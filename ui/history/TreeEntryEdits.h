#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "DeletionSnapshot.h"
#include "HistoryControls.h"
#include "WindowUndo.h"

namespace terrovane::history {

// The site or point chosen in the archive window's tree: a new name, deleted (its results stay,
// unassigned), or its Properties (from its menu, or a double-click) saved at once; each undone as one step.
class TreeEntryEdits {
  public:
    TreeEntryEdits(HistoryControls& controls, WindowUndo& undo) : controls_(controls), undo_(undo) {}

    void RenameChosen();
    void DeleteChosen();
    void EditChosenProperties();
    // Runs a Properties dialog, new or of the chosen entry; true once it was saved and closed.
    bool RunProperties(QDialog& dialog);

    // Asks for a new name; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<QString>(const QString& title, const QString& current)> nameAsker;
    // Called once a Properties dialog is up (tests work it as a user would).
    std::function<void(QDialog&)> propertiesShown;

  private:
    std::optional<QString> AskName(const QString& title, const QString& current);
    // Remembers the deletion made, or gives why it failed.
    bool DeleteRemembered(const QString& text, archive::Result<archive::DeletionSnapshot> deleted,
                          std::string& error);

    HistoryControls& controls_;
    WindowUndo& undo_;
};

}  // namespace terrovane::history
