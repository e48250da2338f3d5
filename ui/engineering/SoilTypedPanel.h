#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include <optional>
#include <vector>

#include "TypedReadingsTable.h"
#include "TypedSoundings.h"
#include "TypedTakingForm.h"

namespace terrovane::engineering {

// The soil window's sounding typed in: its array (Wenner or Schlumberger), what was read (a resistance or
// an apparent resistivity), the readings by spacing (a Schlumberger reading's AB/2 with its MN/2), when, with
// what and by whom they were measured, the site's soundings kept before, and the button that keeps this one
// with the site.
class SoilTypedPanel : public QWidget {
  public:
    explicit SoilTypedPanel(QWidget* parent = nullptr);

    QComboBox& Array() const { return *array_; }
    QComboBox& Quantity() const { return *quantity_; }
    TypedReadingsTable& Readings() const { return *readings_; }
    TypedTakingForm& Taking() const { return *taking_; }
    QComboBox& Stored() const { return *stored_; }
    QPushButton& KeepButton() const { return *keep_; }

    // The sounding as typed, a Schlumberger row's MN/2 0 where none was typed; false with what is wrong
    // with its rows (a Schlumberger row's MN/2 not below its AB/2 among them).
    bool Sounding(archive::TypedSounding& sounding, QString& problem) const;
    void Show(const archive::TypedSounding& sounding);
    // Lists the site's soundings kept before, newest first, after "New sounding".
    void List(const std::vector<archive::TypedSounding>& soundings);
    std::optional<archive::TypedSounding> Chosen() const;

  private:
    // The columns follow the choices: a Schlumberger sounding has its MN/2 column.
    void FollowChoices();

    QComboBox* stored_ = nullptr;
    QComboBox* array_ = nullptr;
    QComboBox* quantity_ = nullptr;
    TypedReadingsTable* readings_ = nullptr;
    TypedTakingForm* taking_ = nullptr;
    QPushButton* keep_ = nullptr;
    std::vector<archive::TypedSounding> soundings_;
};

}  // namespace terrovane::engineering
