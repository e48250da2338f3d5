#pragma once

#include <QComboBox>
#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

#include "SiteTypes.h"

namespace terrovane::history {

// The first step of "New site as a copy of...": which site's test points the new one takes (their names,
// kinds, limits and intervals, not their results). The Properties dialog of the new site follows.
class CopySiteDialog : public QDialog {
    Q_OBJECT

  public:
    // `preferred` is chosen at first where it is among the sites.
    CopySiteDialog(const std::vector<archive::SiteRow>& sites, std::int64_t preferred,
                   QWidget* parent = nullptr);

    QComboBox& Source() const { return *source_; }
    // The site chosen; nothing when there is none to choose.
    std::optional<std::int64_t> Chosen() const;

  private:
    QComboBox* source_ = nullptr;
};

}  // namespace terrovane::history
