#include "CopySiteDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "FocusFrame.h"
#include "ScreenFit.h"

namespace terrovane::history {

CopySiteDialog::CopySiteDialog(const std::vector<archive::SiteRow>& sites, std::int64_t preferred,
                               QWidget* parent)
    : QDialog(parent) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(tr("New site as a copy"));
    setMinimumWidth(screenfit::TitleRoom(this));
    source_ = new QComboBox(this);
    for (const archive::SiteRow& site : sites) {
        source_->addItem(
            tr("%1 (%n test point(s))", nullptr, site.points).arg(QString::fromStdString(site.fields.name)),
            static_cast<qlonglong>(site.id));
        if (site.id == preferred) {
            source_->setCurrentIndex(source_->count() - 1);
        }
    }
    auto* note = new QLabel(
        tr("The new site gets a test point for each of this site's, with its name, kind, limit and re-test "
           "interval. Results stay where they are."),
        this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!sites.empty());
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Copy the test points of:"), source_);
    layout->addRow(note);
    layout->addRow(buttons);
}

std::optional<std::int64_t> CopySiteDialog::Chosen() const {
    if (source_->currentIndex() < 0) {
        return std::nullopt;
    }
    return source_->currentData().toLongLong();
}

}  // namespace terrovane::history
