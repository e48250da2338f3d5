#include "AssignDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>

#include <QPushButton>

#include "ArchiveFailure.h"
#include "ArchiveProblemText.h"
#include "FocusFrame.h"
#include "ScreenFit.h"
#include "Sites.h"

namespace terrovane::history {

AssignDialog::AssignDialog(archive::Archive& archive, int results, QWidget* parent)
    : QDialog(parent), archive_(archive) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(results == 1 ? tr("Assign 1 result") : tr("Assign %1 results").arg(results));
    site_ = new QComboBox(this);
    point_ = new QComboBox(this);
    inOrder_ = new QCheckBox(tr("One result per test point, in slot order, from this point on"), this);
    inOrder_->setEnabled(results > 1);
    QCheckBox* visit = visitOffer_.Build(this);
    auto* newSite = new QPushButton(tr("New site..."), this);
    auto* newPoint = new QPushButton(tr("New test point..."), this);
    connect(newSite, &QPushButton::clicked, this, [this] { newEntries_.AskNewSite(); });
    connect(newPoint, &QPushButton::clicked, this, [this] { newEntries_.AskNewPoint(); });
    connect(site_, &QComboBox::currentIndexChanged, this, [this] { FillPoints(0); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("Assign"));
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    problem_->hide();
    connect(point_, &QComboBox::currentIndexChanged, this, &AssignDialog::UpdateAssignButton);
    connect(inOrder_, &QCheckBox::toggled, problem_, &QLabel::hide);
    connect(buttons, &QDialogButtonBox::accepted, this, &AssignDialog::TryAssign);
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
    layout->addRow(visit);
    layout->addRow(problem_);
    layout->addRow(buttons);
    FillSites(0);
    screenfit::ResizeOnScreen(this, QSize(520, sizeHint().height()));
}

void AssignDialog::FillSites(std::int64_t chosen) {
    const QSignalBlocker quiet(site_);
    site_->clear();
    std::vector<archive::SiteRow> sites;
    std::string error;
    const bool read = archive::Sites(archive_, sites, error);
    for (const archive::SiteRow& site : sites) {
        site_->addItem(QString::fromStdString(site.fields.name), static_cast<qlonglong>(site.id));
        if (site.id == chosen) {
            site_->setCurrentIndex(site_->count() - 1);
        }
    }
    FillPoints(0);
    if (!read) {
        // An empty list would say there are no sites yet.
        ShowProblem(ArchiveFailureText(tr("The sites could not be read."), archive_, error));
    }
}

void AssignDialog::FillPoints(std::int64_t chosen) {
    const QSignalBlocker quiet(point_);
    point_->clear();
    problem_->hide();
    const qlonglong site = site_->currentData().toLongLong();
    if (site == 0) {
        return;
    }
    std::vector<archive::PointRow> points;
    std::string error;
    const bool read = archive::Points(archive_, site, points, error);
    for (const archive::PointRow& point : points) {
        point_->addItem(QString::fromStdString(point.fields.name), static_cast<qlonglong>(point.id));
        if (point.id == chosen) {
            point_->setCurrentIndex(point_->count() - 1);
        }
    }
    UpdateAssignButton();
    visitOffer_.Update(site);
    if (!read) {
        ShowProblem(ArchiveFailureText(tr("The site's test points could not be read."), archive_, error));
    }
}

void AssignDialog::OfferVisitsOf(const std::vector<std::int64_t>& results) {
    visitOffer_.OfferVisitsOf(results);
    visitOffer_.Update(site_->currentData().toLongLong());
}

void AssignDialog::ShowProblem(const QString& text) {
    problem_->setText(text);
    problem_->show();
}

void AssignDialog::UpdateAssignButton() {
    ok_->setEnabled(point_->currentIndex() >= 0);
    problem_->hide();
}

void AssignDialog::TryAssign() {
    const std::optional<AssignChoice> choice = Choice();
    if (!choice) {
        return;
    }
    std::string error;
    if (assign && !assign(*choice, error)) {
        const QString change =
            choice->inOrder
                ? tr("Choose an earlier test point, make more points, or clear \"%1\".").arg(inOrder_->text())
                : tr("Choose another test point or site.");
        ShowProblem(
            tr("The results could not be assigned: %1. %2").arg(texts::ArchiveProblemText(error), change));
        return;
    }
    accept();
}

std::optional<AssignChoice> AssignDialog::Choice() const {
    if (point_->currentIndex() < 0) {
        return std::nullopt;
    }
    return AssignChoice{site_->currentData().toLongLong(), point_->currentData().toLongLong(),
                        inOrder_->isEnabled() && inOrder_->isChecked(), visitOffer_.Chosen()};
}

}  // namespace terrovane::history
