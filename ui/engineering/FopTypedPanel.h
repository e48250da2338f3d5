#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include <optional>
#include <vector>

#include "TypedReadingsTable.h"
#include "TypedTakingForm.h"
#include "TypedTraverses.h"

namespace terrovane::engineering {

// The fall-of-potential window's traverse typed in: the readings (the potential probe's distance and the
// resistance read there), when, with what and by whom they were measured, the point's traverses kept
// before, and the button that keeps this one with the point.
class FopTypedPanel : public QWidget {
  public:
    explicit FopTypedPanel(QWidget* parent = nullptr);

    TypedReadingsTable& Readings() const { return *readings_; }
    TypedTakingForm& Taking() const { return *taking_; }
    QComboBox& Stored() const { return *stored_; }
    QPushButton& KeepButton() const { return *keep_; }

    // Lists the point's traverses kept before, newest first, after "New traverse".
    void List(const std::vector<archive::TypedTraverse>& traverses);
    // The traverse chosen in the list; none for a new one.
    std::optional<archive::TypedTraverse> Chosen() const;

  private:
    QComboBox* stored_ = nullptr;
    TypedReadingsTable* readings_ = nullptr;
    TypedTakingForm* taking_ = nullptr;
    QPushButton* keep_ = nullptr;
    std::vector<archive::TypedTraverse> traverses_;
};

// How a kept series is offered in a list: "2024-03-01 09:15, Jo Field, 9 readings".
QString KeptSeriesText(const archive::TypedTaking& taking, std::size_t readings);

}  // namespace terrovane::engineering
