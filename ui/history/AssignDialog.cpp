#include "AssignDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QPushButton>

#include "MessageBox.h"
#include "ScreenFit.h"
#include "Sites.h"

namespace terrovane::history {

AssignDialog::AssignDialog(archive::Archive& archive, int results, QWidget* parent)
    : QDialog(parent), archive_(archive) {
    setWindowTitle(results == 1 ? tr("Assign 1 result") : tr("Assign %1 results").arg(results));
    site_ = new QComboBox(this);
    point_ = new QComboBox(this);
    inOrder_ = new QCheckBox(tr("One result per test point, in slot order, from this point on"), this);
    inOrder_->setEnabled(results > 1);
    auto* newSite = new QPushButton(tr("New site..."), this);
    auto* newPoint = new QPushButton(tr("New test point..."), this);
    connect(newSite, &QPushButton::clicked, this, [this] {
        if (const auto name = AskName(tr("New site"))) {
            NewSite(*name);
        }
    });
    connect(newPoint, &QPushButton::clicked, this, [this] {
        if (const auto name = AskName(tr("New test point"))) {
            NewPoint(*name);
        }
    });
    connect(site_, &QComboBox::currentIndexChanged, this, [this] { FillPoints(0); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Assign"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    auto* siteRow = new QHBoxLayout;
    siteRow->addWidget(site_, 1);
    siteRow->addWidget(newSite);
    auto* pointRow = new QHBoxLayout;
    pointRow->addWidget(point_, 1);
    pointRow->addWidget(newPoint);
    layout->addRow(tr("Site:"), siteRow);
    layout->addRow(tr("Test point:"), pointRow);
    layout->addRow(inOrder_);
    layout->addRow(buttons);
    FillSites(0);
    screenfit::ResizeOnScreen(this, QSize(520, sizeHint().height()));
}

void AssignDialog::FillSites(std::int64_t chosen) {
    const QSignalBlocker quiet(site_);
    site_->clear();
    std::vector<archive::SiteRow> sites;
    std::string error;
    archive::Sites(archive_, sites, error);
    for (const archive::SiteRow& site : sites) {
        site_->addItem(QString::fromStdString(site.fields.name), static_cast<qlonglong>(site.id));
        if (site.id == chosen) {
            site_->setCurrentIndex(site_->count() - 1);
        }
    }
    FillPoints(0);
}

void AssignDialog::FillPoints(std::int64_t chosen) {
    point_->clear();
    const qlonglong site = site_->currentData().toLongLong();
    if (site == 0) {
        return;
    }
    std::vector<archive::PointRow> points;
    std::string error;
    archive::Points(archive_, site, points, error);
    for (const archive::PointRow& point : points) {
        point_->addItem(QString::fromStdString(point.fields.name), static_cast<qlonglong>(point.id));
        if (point.id == chosen) {
            point_->setCurrentIndex(point_->count() - 1);
        }
    }
}

std::optional<QString> AssignDialog::AskName(const QString& title) {
    if (nameAsker) {
        return nameAsker(title);
    }
    bool ok = false;
    const QString name = QInputDialog::getText(this, title, tr("Name:"), QLineEdit::Normal, {}, &ok);
    return ok ? std::optional(name) : std::nullopt;
}

bool AssignDialog::NewSite(const QString& name) {
    archive::SiteFields fields;
    fields.name = name.toStdString();
    std::int64_t id = 0;
    std::string error;
    if (!archive::AddSite(archive_, fields, id, error)) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The site could not be made: %1"), {error});
        return false;
    }
    FillSites(id);
    return true;
}

bool AssignDialog::NewPoint(const QString& name) {
    const qlonglong site = site_->currentData().toLongLong();
    if (site == 0) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "Choose or make a site first."));
        return false;
    }
    archive::PointFields fields;
    fields.name = name.toStdString();
    std::int64_t id = 0;
    std::string error;
    if (!archive::AddPoint(archive_, site, fields, id, error)) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The test point could not be made: %1"), {error});
        return false;
    }
    FillPoints(id);
    return true;
}

std::optional<AssignChoice> AssignDialog::Choice() const {
    if (point_->currentIndex() < 0) {
        return std::nullopt;
    }
    return AssignChoice{site_->currentData().toLongLong(), point_->currentData().toLongLong(),
                        inOrder_->isEnabled() && inOrder_->isChecked()};
}

}  // namespace terrovane::history
