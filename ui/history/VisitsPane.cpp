#include "VisitsPane.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTimer>
#include <QVBoxLayout>

#include "ArchiveFailure.h"
#include "ArchiveProblemText.h"
#include "FlowLayout.h"
#include "MessageBox.h"
#include "ResultsOutput.h"
#include "Sites.h"
#include "VisitText.h"
#include "Visits.h"

namespace terrovane::history {
namespace {

QString InstrumentsText(const archive::Visit& visit) {
    const std::vector<std::size_t> past = archive::PastCalibration(visit);
    QStringList names;
    for (std::size_t i = 0; i < visit.instruments.size(); ++i) {
        const archive::VisitInstrument& instrument = visit.instruments[i];
        QString name = QString::fromStdString(instrument.name.empty() ? instrument.serial : instrument.name);
        if (std::find(past.begin(), past.end(), i) != past.end()) {
            name += QStringLiteral(" ⚠");
        }
        names << name;
    }
    return names.join(QStringLiteral(", "));
}

QString ConditionsText(const archive::Visit& visit) {
    QStringList parts;
    if (!visit.weather.empty()) {
        parts << QString::fromStdString(visit.weather);
    }
    if (visit.airTemperature) {
        parts << QCoreApplication::translate("Visits", "%1 °C")
                     .arg(QLocale().toString(*visit.airTemperature, 'f', 1));
    }
    if (visit.soil != archive::SoilCondition::Unknown) {
        parts << QCoreApplication::translate("Visits", "soil %1").arg(texts::SoilConditionText(visit.soil));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

VisitsPane::VisitsPane(archive::Archive* archive, QWidget* parent) : QWidget(parent), archive_(archive) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    title_ = new QLabel(tr("Visits"), this);
    layout->addWidget(title_);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(kColumns);
    list_->setHeaderLabels({tr("Date"), tr("By"), tr("Instruments"), tr("Conditions"), tr("Results")});
    list_->setAccessibleName(tr("Visits"));
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->header()->setStretchLastSection(false);
    layout->addWidget(list_, 1);
    auto* buttons = new screenfit::FlowLayout;
    add_ = new QPushButton(tr("New visit..."), this);
    edit_ = new QPushButton(tr("Edit..."), this);
    delete_ = new QPushButton(tr("Delete"), this);
    addResults_ = new QPushButton(tr("Add results"), this);
    addResults_->setToolTip(
        tr("Puts the results selected in the list, and the typed result chosen below it, into the chosen "
           "visit"));
    for (QPushButton* button : {add_, edit_, delete_, addResults_}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, &VisitsPane::NewVisit);
    connect(edit_, &QPushButton::clicked, this, &VisitsPane::EditChosen);
    connect(delete_, &QPushButton::clicked, this, &VisitsPane::DeleteChosen);
    connect(addResults_, &QPushButton::clicked, this, &VisitsPane::AddSelectedResults);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &VisitsPane::EditChosen);
    connect(list_, &QTreeWidget::currentItemChanged, this, &VisitsPane::UpdateButtons);
    UpdateButtons();
}

void VisitsPane::Show(const TreeChoice& choice) {
    choice_ = choice;
    const std::int64_t formerVisit = ChosenVisit();
    list_->clear();
    site_ = 0;
    siteName_.clear();
    if (archive_ != nullptr &&
        (choice.kind == TreeChoice::Kind::Site || choice.kind == TreeChoice::Kind::Point)) {
        std::string error;
        if (choice.kind == TreeChoice::Kind::Point) {
            if (const auto point = archive::PointById(*archive_, choice.id, error)) {
                site_ = point->site;
                siteName_ = QString::fromStdString(point->siteName);
            }
        } else {
            std::vector<archive::SiteRow> sites;
            if (archive::Sites(*archive_, sites, error)) {
                for (const archive::SiteRow& site : sites) {
                    if (site.id == choice.id) {
                        site_ = site.id;
                        siteName_ = QString::fromStdString(site.fields.name);
                    }
                }
            }
        }
    }
    title_->setText(site_ != 0 ? tr("Visits of %1").arg(siteName_) : tr("Visits (choose a site)"));
    if (site_ != 0) {
        const auto visits = archive::SiteVisits(*archive_, site_);
        if (!visits) {
            new QTreeWidgetItem(list_, {texts::FailureText(visits.Error())});
        } else {
            for (const archive::Visit& visit : visits.Value()) {
                const auto results = archive::VisitResults(*archive_, visit.id);
                const auto typed = archive::VisitTypedResults(*archive_, visit.id);
                auto* item = new QTreeWidgetItem(list_);
                item->setText(kDate, QString::fromStdString(visit.date));
                item->setText(kBy, QString::fromStdString(visit.by));
                item->setText(kInstruments, InstrumentsText(visit));
                item->setText(kConditions, ConditionsText(visit));
                item->setText(kResults, results && typed
                                            ? QString::number(results.Value().size() + typed.Value().size())
                                            : QString());
                item->setToolTip(kConditions, QString::fromStdString(visit.notes));
                QStringList warnings;
                for (const std::size_t i : archive::PastCalibration(visit)) {
                    warnings << texts::CalibrationPastText(visit.instruments[i]);
                }
                item->setToolTip(kInstruments, warnings.join(QLatin1Char('\n')));
                item->setData(kDate, Qt::UserRole, QVariant::fromValue<qint64>(visit.id));
                if (visit.id == formerVisit) {
                    list_->setCurrentItem(item);
                }
            }
        }
    }
    for (int column = 0; column < kColumns; ++column) {
        list_->resizeColumnToContents(column);
    }
    UpdateButtons();
}

std::int64_t VisitsPane::ChosenVisit() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item != nullptr ? item->data(kDate, Qt::UserRole).toLongLong() : 0;
}

void VisitsPane::UpdateButtons() {
    add_->setEnabled(archive_ != nullptr && site_ != 0);
    const bool chosen = ChosenVisit() != 0;
    for (QPushButton* button : {edit_, delete_, addResults_}) {
        button->setEnabled(chosen);
    }
}

void VisitsPane::RunDialog(VisitDialog& dialog) {
    if (dialogShown) {
        QTimer::singleShot(0, &dialog, [this, &dialog] { dialogShown(dialog); });
    }
    if (dialog.exec() == QDialog::Accepted) {
        Reload();
        for (int i = 0; i < list_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list_->topLevelItem(i);
            if (item->data(kDate, Qt::UserRole).toLongLong() == dialog.StoredId()) {
                list_->setCurrentItem(item);
            }
        }
        emit Changed();
    }
}

void VisitsPane::NewVisit() {
    if (archive_ == nullptr || site_ == 0) {
        return;
    }
    archive::Visit start;
    start.site = site_;
    VisitDialog dialog(
        siteName_, start, [this](const archive::Visit& visit) { return archive::AddVisit(*archive_, visit); },
        this);
    RunDialog(dialog);
}

void VisitsPane::EditChosen() {
    const std::int64_t id = ChosenVisit();
    if (archive_ == nullptr || id == 0) {
        return;
    }
    const auto visit = archive::VisitById(*archive_, id);
    if (!visit) {
        SayArchiveFailure(tr("The visit could not be read."), *archive_, visit.Error().Text());
        return Reload();
    }
    VisitDialog dialog(
        siteName_, visit.Value(),
        [this](const archive::Visit& fields) -> archive::Result<std::int64_t> {
            if (const archive::Status saved = archive::UpdateVisit(*archive_, fields); !saved) {
                return saved.Error();
            }
            return fields.id;
        },
        this);
    RunDialog(dialog);
}

void VisitsPane::DeleteChosen() {
    const std::int64_t id = ChosenVisit();
    if (archive_ == nullptr || id == 0 ||
        !platform::AskBeforeDeleting(
            QT_TRANSLATE_NOOP(
                "Messages",
                "Delete the visit of %1? Its results stay in the archive with their test points."),
            {list_->currentItem()->text(kDate).toStdString()})) {
        return;
    }
    if (const archive::Status removed = archive::DeleteVisit(*archive_, id); !removed) {
        SayArchiveFailure(tr("The visit could not be deleted."), *archive_, removed.Error().Text());
    }
    Reload();
    emit Changed();
}

void VisitsPane::AddSelectedResults() {
    const std::int64_t id = ChosenVisit();
    const std::vector<std::int64_t> results =
        selectedResults ? selectedResults() : std::vector<std::int64_t>{};
    const std::vector<std::int64_t> typed =
        selectedTypedResults ? selectedTypedResults() : std::vector<std::int64_t>{};
    if (archive_ == nullptr || id == 0) {
        return;
    }
    if (results.empty() && typed.empty()) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose one or more results in the list first."));
    }
    archive::Status added = archive::AssignToVisit(*archive_, results, id);
    if (added) {
        added = archive::AssignTypedToVisit(*archive_, typed, id);
    }
    if (!added) {
        SayArchiveFailure(tr("The results could not be added to the visit."), *archive_,
                          added.Error().Text());
        return;
    }
    Reload();
    emit Changed();
}

}  // namespace terrovane::history
