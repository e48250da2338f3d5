#include "SoilTypedPanel.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QVBoxLayout>

#include "FopTypedPanel.h"
#include "TypedNumber.h"

namespace terrovane::engineering {
namespace {

QString SpacingHeader(archive::ElectrodeArray array) {
    return array == archive::ElectrodeArray::Wenner
               ? QCoreApplication::translate("TypedReadings", "Spacing a (m)")
               : QCoreApplication::translate("TypedReadings", "AB/2 (m)");
}

}  // namespace

SoilTypedPanel::SoilTypedPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QFormLayout;
    top->setContentsMargins(0, 0, 0, 0);
    stored_ = new QComboBox(this);
    top->addRow(QCoreApplication::translate("TypedReadings", "&Kept:"), stored_);
    array_ = new QComboBox(this);
    array_->addItem(QCoreApplication::translate("TypedReadings", "Wenner"),
                    static_cast<int>(archive::ElectrodeArray::Wenner));
    array_->addItem(QCoreApplication::translate("TypedReadings", "Schlumberger"),
                    static_cast<int>(archive::ElectrodeArray::Schlumberger));
    top->addRow(QCoreApplication::translate("TypedReadings", "&Array:"), array_);
    quantity_ = new QComboBox(this);
    quantity_->addItem(QCoreApplication::translate("TypedReadings", "Resistance R (Ω)"),
                       static_cast<int>(archive::TypedQuantity::Resistance));
    quantity_->addItem(QCoreApplication::translate("TypedReadings", "Apparent resistivity ρ (Ω·m)"),
                       static_cast<int>(archive::TypedQuantity::Resistivity));
    top->addRow(QCoreApplication::translate("TypedReadings", "&Read:"), quantity_);
    layout->addLayout(top);
    readings_ = new TypedReadingsTable(SpacingHeader(archive::ElectrodeArray::Wenner),
                                       QCoreApplication::translate("TypedReadings", "R (Ω)"), this);
    layout->addWidget(readings_, 1);
    taking_ = new TypedTakingForm(this);
    layout->addWidget(taking_);
    keep_ = new QPushButton(QCoreApplication::translate("TypedReadings", "Keep typed sounding"), this);
    keep_->setToolTip(QCoreApplication::translate(
        "TypedReadings", "Keeps the readings with the site as they were measured, like a result"));
    layout->addWidget(keep_, 0, Qt::AlignLeft);
    List({});
    connect(array_, &QComboBox::currentIndexChanged, this, [this] { FollowChoices(); });
    connect(quantity_, &QComboBox::currentIndexChanged, this, [this] { FollowChoices(); });
}

void SoilTypedPanel::FollowChoices() {
    const auto array = static_cast<archive::ElectrodeArray>(array_->currentData().toInt());
    const bool schlumberger = array == archive::ElectrodeArray::Schlumberger;
    const bool resistance = quantity_->currentIndex() == 0;
    readings_->SetWhereHeader(SpacingHeader(array));
    readings_->SetMiddleHeader(schlumberger ? QCoreApplication::translate("TypedReadings", "MN/2 (m)")
                                            : QString());
    // A Schlumberger resistance falls with the square of AB/2 to a few milliohms at the longest spacings.
    readings_->SetValueHeader(resistance ? QCoreApplication::translate("TypedReadings", "R (Ω)")
                                         : QCoreApplication::translate("TypedReadings", "ρ (Ω·m)"),
                              resistance ? (schlumberger ? 5 : 3) : 2);
}

bool SoilTypedPanel::Sounding(archive::TypedSounding& sounding, QString& problem) const {
    std::vector<std::pair<double, double>> typed;
    std::vector<double> mn2s;
    int badRow = 0;
    if (!readings_->Readings(typed, badRow, &mn2s)) {
        problem = QCoreApplication::translate("TypedReadings",
                                              "Row %1: a spacing and a reading are numbers above 0.")
                      .arg(badRow + 1);
        return false;
    }
    sounding.array = static_cast<archive::ElectrodeArray>(array_->currentData().toInt());
    sounding.quantity = static_cast<archive::TypedQuantity>(quantity_->currentData().toInt());
    sounding.points.clear();
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const double mn2 = i < mn2s.size() ? mn2s[i] : 0;
        // The potential electrodes stand inside the current ones, or the reading gives no resistivity.
        if (sounding.array == archive::ElectrodeArray::Schlumberger && mn2 > 0 && !(mn2 < typed[i].first)) {
            problem = QCoreApplication::translate("TypedReadings", "Row %1: MN/2 must be below AB/2, %2 m.")
                          .arg(static_cast<int>(i) + 1)
                          .arg(keyboard::ShownNumber(typed[i].first, 2));
            return false;
        }
        sounding.points.push_back({typed[i].first, typed[i].second, mn2});
    }
    sounding.taking = taking_->Taking();
    return true;
}

void SoilTypedPanel::Show(const archive::TypedSounding& sounding) {
    {
        const QSignalBlocker quietArray(array_);
        const QSignalBlocker quietQuantity(quantity_);
        array_->setCurrentIndex(array_->findData(static_cast<int>(sounding.array)));
        quantity_->setCurrentIndex(quantity_->findData(static_cast<int>(sounding.quantity)));
    }
    FollowChoices();
    taking_->Show(sounding.taking);
    std::vector<std::pair<double, double>> readings;
    std::vector<double> mn2s;
    for (const archive::TypedSoundingPoint& point : sounding.points) {
        readings.emplace_back(point.spacing, point.reading);
        mn2s.push_back(point.mn2);
    }
    readings_->SetReadings(readings, mn2s);
}

void SoilTypedPanel::List(const std::vector<archive::TypedSounding>& soundings) {
    soundings_ = soundings;
    const QSignalBlocker quiet(stored_);
    stored_->clear();
    stored_->addItem(QCoreApplication::translate("TypedReadings", "New sounding"));
    for (const archive::TypedSounding& sounding : soundings_)
        stored_->addItem(KeptSeriesText(sounding.taking, sounding.points.size()));
    stored_->setCurrentIndex(0);
}

std::optional<archive::TypedSounding> SoilTypedPanel::Chosen() const {
    const int index = stored_->currentIndex() - 1;
    if (index < 0 || index >= static_cast<int>(soundings_.size()))
        return std::nullopt;
    return soundings_[static_cast<std::size_t>(index)];
}

}  // namespace terrovane::engineering
