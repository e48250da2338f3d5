#pragma once

#include <QCheckBox>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "Archive.h"

namespace terrovane::history {

// The assignment's offer of a visit: the newest visit of the chosen site dated on a day the results were
// measured, ticked when there is one and hidden when there is none.
class AssignVisitOffer {
  public:
    explicit AssignVisitOffer(archive::Archive& archive) : archive_(archive) {}

    QCheckBox* Build(QWidget* dialog);
    // The results being assigned, whose measuring days find the visit to offer.
    void OfferVisitsOf(const std::vector<std::int64_t>& results) { results_ = results; }
    // The offer for the site chosen now (0 for none).
    void Update(std::int64_t site);
    // The visit the results join: the one offered while it is ticked, else 0.
    std::int64_t Chosen() const;

    QCheckBox& Box() const { return *visit_; }

  private:
    archive::Archive& archive_;
    QCheckBox* visit_ = nullptr;
    std::int64_t offeredVisit_ = 0;
    std::vector<std::int64_t> results_;
};

}  // namespace terrovane::history
