#pragma once

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "SiteChoice.h"
#include "SoilTypedPanel.h"
#include "Sounding.h"

namespace terrovane::engineering {

// The soil window's sounding, the one the fit takes: the chosen results' (with what was left out of them
// and other notes), a stored model's, or "Readings typed in": one measured with another instrument, typed
// in spacing by spacing and kept with the site beside the soundings kept before.
class SoilSoundingSource {
  public:
    // The switch is `window`'s child; the panel comes with AddPanel.
    SoilSoundingSource(QWidget* window, archive::Archive* archive, std::optional<SiteChoice> site,
                       const analysis::GatheredSounding& gathered);
    // The typed panel, hidden until the switch is on, into `row`.
    void AddPanel(QWidget* window, QHBoxLayout& row);

    QCheckBox& TypedChoice() const { return *typed_; }
    SoilTypedPanel& TypedPanel() const { return *panel_; }
    bool TypedMode() const { return typed_->isChecked(); }
    const analysis::Sounding& Points() const { return sounding_; }
    // What was left out and other notes, one a line; empty when there are none.
    const QString& Notes() const { return notes_; }
    const std::vector<std::string>& LeftOut() const { return leftOut_; }

    // The typed sounding's points; false with what keeps it from being fitted.
    bool TakeTyped(QString& problem);
    // The typed sounding (true) or the chosen results' again (false).
    void Switch(bool typed);
    // A stored model's sounding, with when it was stored and what it left out.
    void ShowStored(const archive::StoredSoilModel& model);
    // Lists the site's kept soundings; a problem reading them goes to `status`.
    void ListKept(QLabel& status);
    // Keeps the typed sounding with the site; `status` says how it went.
    void KeepTyped(QLabel& status);

  private:
    archive::Archive* archive_;
    std::optional<SiteChoice> site_;
    QCheckBox* typed_ = nullptr;
    SoilTypedPanel* panel_ = nullptr;
    analysis::Sounding sounding_;
    QString notes_;
    std::vector<std::string> leftOut_;
    // The chosen results' sounding and notes, kept while a typed one is shown.
    analysis::Sounding resultsSounding_;
    QString resultsNotes_;
    std::vector<std::string> resultsLeftOut_;
};

}  // namespace terrovane::engineering
