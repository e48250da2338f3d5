#pragma once

#include <QDialog>
#include <QString>

#include <functional>

#include "Archive.h"

namespace terrovane::history {

class AssignDialog;

// The assignment's New site... and New test point...: a site or point made on the spot and then chosen.
class AssignNewEntries {
  public:
    AssignNewEntries(AssignDialog& dialog, archive::Archive& archive) : dialog_(dialog), archive_(archive) {}

    // Called once a properties dialog of New site... or New test point... is up (tests work it).
    std::function<void(QDialog&)> propertiesShown;
    // Makes a site or point of the given name and chooses it; false after a message.
    bool NewSite(const QString& name);
    bool NewPoint(const QString& name);
    // New site... and New test point...: the properties dialog, then the new entry chosen.
    void AskNewSite();
    void AskNewPoint();

  private:
    // Runs a properties dialog; true when the user saved.
    bool RunProperties(QDialog& dialog);

    AssignDialog& dialog_;
    archive::Archive& archive_;
};

}  // namespace terrovane::history
