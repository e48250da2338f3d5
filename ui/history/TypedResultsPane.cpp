#include "TypedResultsPane.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "ResultWords.h"
#include "Sites.h"
#include "TypedMethodText.h"
#include "TypedVerdict.h"

namespace terrovane::history {

TypedResultsPane::TypedResultsPane(archive::Archive* archive, QWidget* parent)
    : QWidget(parent), archive_(archive) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* head = new QHBoxLayout;
    auto* title = new QLabel(tr("Results typed by hand"), this);
    head->addWidget(title, 1);
    auto* add = new QPushButton(tr("New result..."), this);
    correct_ = new QPushButton(tr("Correct..."), this);
    for (QPushButton* button : {add, correct_}) {
        button->setEnabled(archive_ != nullptr);
        head->addWidget(button);
    }
    connect(add, &QPushButton::clicked, this, &TypedResultsPane::NewResult);
    connect(correct_, &QPushButton::clicked, this, &TypedResultsPane::CorrectChosen);
    layout->addLayout(head);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(kColumns);
    // Several at once, so a day's typed results join their visit together.
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setHeaderLabels({tr("Measured"), tr("Point"), tr("Method"), tr("Values"), tr("Verdict"),
                            tr("Instrument"), tr("Measured by"), tr("Typed by")});
    list_->setAccessibleName(title->text());
    list_->setRootIsDecorated(true);
    list_->setAlternatingRowColors(true);
    list_->header()->setStretchLastSection(true);
    layout->addWidget(list_, 1);
}

QTreeWidgetItem* TypedResultsPane::Item(const archive::TypedResultVersion& v, QTreeWidgetItem* parent) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(list_);
    const QString by =
        QString::fromStdString(v.fields.typedBy) + QStringLiteral(", ") +
        QString::fromStdString(v.typedAt.substr(0, 16)).replace(QLatin1Char('T'), QLatin1Char(' '));
    item->setText(kMeasured, QString::fromStdString(v.fields.measured) +
                                 (v.replacedBy ? QStringLiteral(" ") + tr("(corrected)") : QString()));
    item->setText(kPoint, v.point ? QString::fromStdString(v.site + " / " + v.pointName) : tr("unassigned"));
    item->setText(kMethod, texts::TypedMethodText(v.fields.method));
    item->setText(kValues, QString::fromStdString(archive::TypedValuesText(v.fields.values)));
    item->setText(kVerdict, texts::VerdictText(archive::JudgeTyped(v.fields, v.limit)));
    item->setText(kInstrument, QString::fromStdString(v.fields.instrument));
    item->setText(kBy, QString::fromStdString(v.fields.measuredBy));
    item->setText(kTypedBy, by);
    item->setToolTip(kValues, QString::fromStdString(v.fields.note));
    item->setData(kMeasured, Qt::UserRole, QVariant::fromValue<qint64>(v.id));
    return item;
}

void TypedResultsPane::Show(const TreeChoice& choice) {
    choice_ = choice;
    list_->clear();
    if (archive_ == nullptr) {
        return;
    }
    archive::ResultFilter filter;
    if (choice.kind == TreeChoice::Kind::Unassigned) {
        filter.unassigned = true;
    } else if (choice.kind == TreeChoice::Kind::Site) {
        filter.siteId = choice.id;
    } else if (choice.kind == TreeChoice::Kind::Point) {
        filter.pointId = choice.id;
    }
    if (!search_.empty()) {
        filter.search = search_;
    }
    const auto typed = archive::TypedResults(*archive_, filter);
    if (!typed) {
        new QTreeWidgetItem(list_, {texts::FailureText(typed.Error())});
        return;
    }
    for (const archive::TypedResultVersion& version : typed.Value()) {
        QTreeWidgetItem* item = Item(version, nullptr);
        if (!version.replaces) {
            continue;
        }
        // The earlier versions stay visible beneath the result they led to.
        const auto history = archive::TypedResultHistory(*archive_, version.id);
        if (history) {
            for (std::size_t i = 1; i < history.Value().size(); ++i) {
                Item(history.Value()[i], item);
            }
        }
    }
    for (int column = 0; column < kColumns - 1; ++column) {
        list_->resizeColumnToContents(column);
    }
}

void TypedResultsPane::SetSearch(const std::string& words) {
    if (words != search_) {
        search_ = words;
        Reload();
    }
}

std::vector<PointOffer> TypedResultsPane::Points() {
    std::vector<PointOffer> offers;
    std::vector<archive::PointRow> rows;
    std::string error;
    if (archive_ != nullptr && archive::Points(*archive_, 0, rows, error)) {
        for (const archive::PointRow& row : rows) {
            offers.push_back({row.id, QString::fromStdString(row.siteName + " / " + row.fields.name)});
        }
    }
    return offers;
}

void TypedResultsPane::RunDialog(TypedResultDialog& dialog) {
    if (dialogShown) {
        dialog.show();
        dialogShown(dialog);
    } else {
        dialog.exec();
    }
    if (dialog.result() == QDialog::Accepted) {
        emit Changed();
    }
}

void TypedResultsPane::NewResult() {
    if (archive_ == nullptr) {
        return;
    }
    const std::int64_t point = choice_.kind == TreeChoice::Kind::Point ? choice_.id : 0;
    TypedResultDialog dialog(
        Points(), point, std::nullopt,
        [this](archive::TypedResultFields fields) {
            fields.typedBy = archive::TypingAccount();
            return archive::AddTypedResult(*archive_, fields);
        },
        this);
    RunDialog(dialog);
}

void TypedResultsPane::CorrectChosen() {
    QTreeWidgetItem* item = list_->currentItem();
    if (archive_ == nullptr || item == nullptr || item->data(kMeasured, Qt::UserRole).isNull()) {
        return;
    }
    // A correction is of the result: chosen on an earlier version, it corrects the newest.
    while (item->parent() != nullptr) {
        item = item->parent();
    }
    const std::int64_t id = item->data(kMeasured, Qt::UserRole).toLongLong();
    const auto version = archive::TypedResultById(*archive_, id);
    if (!version) {
        return;
    }
    TypedResultDialog dialog(
        Points(), 0, version.Value().fields,
        [this, id, before = version.Value().fields](archive::TypedResultFields fields) {
            fields.typedBy = archive::TypingAccount();
            auto made = archive::CorrectTypedResult(*archive_, id, fields);
            if (made && corrected) {
                corrected(made.Value(), before, fields);
            }
            return made;
        },
        this);
    RunDialog(dialog);
}

}  // namespace terrovane::history
