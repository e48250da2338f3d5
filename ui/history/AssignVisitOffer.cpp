// The assignment's offer to join that day's visit.
#include "AssignVisitOffer.h"

#include "AssignDialog.h"
#include "Visits.h"

namespace terrovane::history {

QCheckBox* AssignVisitOffer::Build(QWidget* dialog) {
    visit_ = new QCheckBox(dialog);
    visit_->hide();
    return visit_;
}

// A visit that cannot be read is simply not offered.
void AssignVisitOffer::Update(std::int64_t site) {
    offeredVisit_ = 0;
    if (site != 0 && !results_.empty()) {
        const auto visits = archive::VisitsOnDaysOf(archive_, site, results_);
        if (visits && !visits.Value().empty()) {
            const archive::Visit& visit = visits.Value().back();
            offeredVisit_ = visit.id;
            visit_->setText(
                visit.by.empty()
                    ? AssignDialog::tr("Add those measured on %1 to that day's visit")
                          .arg(QString::fromStdString(visit.date))
                    : AssignDialog::tr("Add those measured on %1 to that day's visit (%2)")
                          .arg(QString::fromStdString(visit.date), QString::fromStdString(visit.by)));
            visit_->setChecked(true);
        }
    }
    visit_->setVisible(offeredVisit_ != 0);
}

std::int64_t AssignVisitOffer::Chosen() const {
    return offeredVisit_ != 0 && visit_->isChecked() ? offeredVisit_ : 0;
}

}  // namespace terrovane::history
