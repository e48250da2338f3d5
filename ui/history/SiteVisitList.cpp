// The visits pane's list of the chosen site's visits.
#include "SiteVisitList.h"

#include <QHeaderView>

#include "ArchiveProblemText.h"
#include "Sites.h"
#include "VisitText.h"
#include "Visits.h"
#include "VisitsPane.h"

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

QTreeWidget* SiteVisitList::Build(QWidget* pane) {
    list_ = new QTreeWidget(pane);
    list_->setColumnCount(kColumns);
    list_->setHeaderLabels({VisitsPane::tr("Date"), VisitsPane::tr("By"), VisitsPane::tr("Instruments"),
                            VisitsPane::tr("Conditions"), VisitsPane::tr("Results")});
    list_->setAccessibleName(VisitsPane::tr("Visits"));
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->header()->setStretchLastSection(false);
    return list_;
}

void SiteVisitList::Show(archive::Archive* archive, const TreeChoice& choice) {
    const std::int64_t formerVisit = Chosen();
    list_->clear();
    site_ = 0;
    siteName_.clear();
    if (archive != nullptr &&
        (choice.kind == TreeChoice::Kind::Site || choice.kind == TreeChoice::Kind::Point)) {
        std::string error;
        if (choice.kind == TreeChoice::Kind::Point) {
            if (const auto point = archive::PointById(*archive, choice.id, error)) {
                site_ = point->site;
                siteName_ = QString::fromStdString(point->siteName);
            }
        } else {
            std::vector<archive::SiteRow> sites;
            if (archive::Sites(*archive, sites, error)) {
                for (const archive::SiteRow& site : sites) {
                    if (site.id == choice.id) {
                        site_ = site.id;
                        siteName_ = QString::fromStdString(site.fields.name);
                    }
                }
            }
        }
    }
    if (site_ != 0) {
        const auto visits = archive::SiteVisits(*archive, site_);
        if (!visits) {
            new QTreeWidgetItem(list_, {texts::FailureText(visits.Error())});
        } else {
            for (const archive::Visit& visit : visits.Value()) {
                const auto results = archive::VisitResults(*archive, visit.id);
                const auto typed = archive::VisitTypedResults(*archive, visit.id);
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
}

std::int64_t SiteVisitList::Chosen() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item != nullptr ? item->data(kDate, Qt::UserRole).toLongLong() : 0;
}

void SiteVisitList::Choose(std::int64_t visit) {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->data(kDate, Qt::UserRole).toLongLong() == visit) {
            list_->setCurrentItem(item);
        }
    }
}

}  // namespace terrovane::history
