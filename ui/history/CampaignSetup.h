#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "CopySiteDialog.h"
#include "HistoryControls.h"
#include "TreeEntryEdits.h"

namespace terrovane::history {

// The archive window's set-up before a campaign: new sites (also as a copy of another's test points), new
// test points, the sites on a map, and the due list.
class CampaignSetup {
  public:
    CampaignSetup(HistoryControls& controls, TreeEntryEdits& properties)
        : controls_(controls), properties_(properties) {}

    // A new site, a new site with the test points of another (same kind of installation), or a new test
    // point of the chosen site (or of the chosen point's site), each in the Properties dialog; the new one
    // is chosen in the tree.
    void NewSite();
    void NewSiteAsCopy();
    void NewPoint();
    // Archive > Export sites...: the sites with a position as GeoJSON or KML, for any map program.
    void ExportSites();
    // The due list in a window of its own, following the archive as the window does.
    QWidget* ShowDueList();

    // Called once the copy's first step is up (tests work it as a user would).
    std::function<void(CopySiteDialog&)> copySiteShown;
    // Asks for the sites' file ("" when cancelled); tests answer it themselves.
    std::function<QString()> sitesFileChooser;

  private:
    // Refreshes and chooses the new entry.
    void ChooseNew(const TreeChoice& choice);

    HistoryControls& controls_;
    TreeEntryEdits& properties_;
};

}  // namespace terrovane::history
