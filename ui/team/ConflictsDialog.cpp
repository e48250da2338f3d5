#include "ConflictsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "ConflictTexts.h"
#include "EscapeCloses.h"
#include "FocusFrame.h"

namespace terrovane::teamui {
namespace {

enum Column { kSubject, kField, kThisValue, kThisBy, kThisWhen, kThatValue, kThatBy, kThatWhen, kColumns };

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setToolTip(text);
    return item;
}

}  // namespace

ConflictsDialog::ConflictsDialog(archive::Archive& archive, QWidget* parent)
    : QDialog(parent), archive_(archive) {
    setWindowTitle(tr("Conflicts"));
    auto* outer = new QVBoxLayout(this);
    auto* intro =
        new QLabel(tr("The same field was changed in two places. \"This\" value is the one in force "
                      "everywhere, \"that\" one lost."),
                   this);
    intro->setWordWrap(true);
    outer->addWidget(intro);
    list_ = new QTableWidget(0, kColumns, this);
    list_->setHorizontalHeaderLabels({tr("Changed"), tr("Field"), tr("This value"), tr("By"), tr("When"),
                                      tr("That value"), tr("By"), tr("When")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->setWordWrap(false);
    list_->horizontalHeader()->setStretchLastSection(true);
    keyboard::ShowFocusFrame(list_);
    outer->addWidget(list_, 1);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    outer->addWidget(status_);

    auto* row = new QHBoxLayout;
    keepThis_ = new QPushButton(tr("Keep &this"), this);
    keepThat_ = new QPushButton(tr("Keep t&hat"), this);
    row->addWidget(keepThis_);
    row->addWidget(keepThat_);
    row->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    row->addWidget(buttons);
    outer->addLayout(row);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(keepThis_, &QPushButton::clicked, this, [this] { Keep(sync::Keep::Kept); });
    connect(keepThat_, &QPushButton::clicked, this, [this] { Keep(sync::Keep::Lost); });
    connect(list_, &QTableWidget::itemSelectionChanged, this, &ConflictsDialog::ShowChoice);
    keyboard::CloseOnEscape(this);
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 20);
    Reload();
}

void ConflictsDialog::Reload() {
    const int chosenRow = list_->currentRow();
    const std::int64_t chosen =
        chosenRow >= 0 && chosenRow < static_cast<int>(conflicts_.size()) ? conflicts_[chosenRow].id : -1;
    auto listed = sync::ListConflicts(archive_);
    conflicts_.clear();
    if (!listed.Ok()) {
        status_->setText(
            tr("The conflicts could not be read: %1").arg(QString::fromStdString(listed.Error().Text())));
    } else {
        conflicts_ = std::move(listed).Value();
        status_->setText(conflicts_.empty() ? tr("There are no conflicts.") : QString());
    }
    list_->setRowCount(static_cast<int>(conflicts_.size()));
    for (int r = 0; r < static_cast<int>(conflicts_.size()); ++r) {
        const sync::Conflict& c = conflicts_[r];
        list_->setItem(r, kSubject, Cell(ConflictSubjectText(c)));
        list_->setItem(r, kField, Cell(ConflictFieldText(c.field)));
        list_->setItem(r, kThisValue, Cell(ConflictValueText(c.keptValue)));
        list_->setItem(r, kThisBy, Cell(ConflictWhoText(c.keptBy)));
        list_->setItem(r, kThisWhen, Cell(ConflictWhenText(c.keptStamp)));
        list_->setItem(r, kThatValue, Cell(ConflictValueText(c.lostValue)));
        list_->setItem(r, kThatBy, Cell(ConflictWhoText(c.lostBy)));
        list_->setItem(r, kThatWhen, Cell(ConflictWhenText(c.lostStamp)));
        if (c.id == chosen) {
            list_->selectRow(r);
        }
    }
    list_->resizeColumnsToContents();
    ShowChoice();
}

void ConflictsDialog::showEvent(QShowEvent* event) {
    // As wide as the columns need, within the screen: each side's value, who and when side by side.
    int columns = list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth() +
                  6 * fontMetrics().averageCharWidth();
    for (int c = 0; c < kColumns; ++c) {
        columns += list_->columnWidth(c);
    }
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(std::max(width(), columns + margins), screen.width() * 9 / 10), height());
    QDialog::showEvent(event);
}

void ConflictsDialog::ShowChoice() {
    const bool chosen = !list_->selectedItems().isEmpty();
    keepThis_->setEnabled(chosen);
    keepThat_->setEnabled(chosen);
}

void ConflictsDialog::Keep(sync::Keep keep) {
    const int row = list_->currentRow();
    if (list_->selectedItems().isEmpty() || row < 0 || row >= static_cast<int>(conflicts_.size())) {
        return;
    }
    const archive::Status settled = sync::ResolveConflict(archive_, conflicts_[row].id, keep);
    Reload();
    if (!settled.Ok()) {
        status_->setText(
            tr("The conflict could not be settled: %1").arg(QString::fromStdString(settled.Error().Text())));
        return;
    }
    emit Settled();
}

}  // namespace terrovane::teamui
