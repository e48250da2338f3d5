#include "ResultFilters.h"

#include "FlowLayout.h"
#include "HistoryWindow.h"
#include "ModeName.h"

namespace terrovane::history {

void ResultFilters::Build(QBoxLayout* layout) {
    QWidget* window = controls_.window;
    auto* row = new screenfit::FlowLayout;
    const auto dateEdit = [this, window](QCheckBox*& enabled, QDateEdit*& edit, const QString& text,
                                         QDate date) {
        enabled = new QCheckBox(text, window);
        edit = new QDateEdit(date, window);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        QObject::connect(enabled, &QCheckBox::toggled, edit, &QDateEdit::setEnabled);
        QObject::connect(enabled, &QCheckBox::toggled, window, [this] { Apply(); });
        QObject::connect(edit, &QDateEdit::dateChanged, window, [this] { Apply(); });
    };
    dateEdit(sinceOn_, since_, HistoryWindow::tr("Measured from"), QDate(QDate::currentDate().year(), 1, 1));
    dateEdit(untilOn_, until_, HistoryWindow::tr("to"), QDate::currentDate());
    mode_ = new QComboBox(window);
    mode_->addItem(HistoryWindow::tr("All modes"), 0);
    for (int code = 1; code <= 10; ++code) {
        mode_->addItem(QString::fromStdString(format::ModeName(static_cast<std::uint32_t>(code))), code);
    }
    QObject::connect(mode_, &QComboBox::currentIndexChanged, window, [this] { Apply(); });
    label_ = new QLineEdit(window);
    label_->setPlaceholderText(HistoryWindow::tr("Label contains..."));
    label_->setClearButtonEnabled(true);
    QObject::connect(label_, &QLineEdit::textChanged, window, [this] { Apply(); });
    for (QWidget* widget : std::initializer_list<QWidget*>{sinceOn_, since_, untilOn_, until_, mode_}) {
        row->addWidget(widget);
    }
    label_->setMinimumWidth(label_->fontMetrics().horizontalAdvance(label_->placeholderText()) * 3 / 2);
    row->addWidget(label_);
    layout->addLayout(row);
}

void ResultFilters::Apply() {
    archive::ResultFilter filter;
    if (sinceOn_->isChecked()) {
        filter.since = since_->date().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    }
    if (untilOn_->isChecked()) {
        filter.until = until_->date().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    }
    if (const int mode = mode_->currentData().toInt(); mode != 0) {
        filter.mode = mode;
    }
    if (!label_->text().trimmed().isEmpty()) {
        filter.labelContains = label_->text().trimmed().toStdString();
    }
    SiteTree* tree = controls_.tree;
    if (!tree->Searched().trimmed().isEmpty()) {
        filter.search = tree->Searched().toStdString();
    }
    const TreeChoice chosen = tree != nullptr ? tree->Current() : TreeChoice{};
    if (chosen.kind == TreeChoice::Kind::Unassigned) {
        filter.unassigned = true;
    } else if (chosen.kind == TreeChoice::Kind::Site) {
        filter.siteId = chosen.id;
    } else if (chosen.kind == TreeChoice::Kind::Point) {
        filter.pointId = chosen.id;
    }
    if (controls_.typed != nullptr) {
        controls_.typed->SetSearch(filter.search.value_or(std::string()));
    }
    controls_.model->SetFilter(filter);
}

}  // namespace terrovane::history
