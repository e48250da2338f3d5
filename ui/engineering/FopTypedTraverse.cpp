#include "FopTypedTraverse.h"

#include <QCoreApplication>

#include "ArchiveProblemText.h"

namespace terrovane::engineering {

FopTypedTraverse::FopTypedTraverse(QWidget* window, archive::Archive* archive,
                                   std::optional<PointChoice> point)
    : archive_(archive), point_(std::move(point)) {
    typed_ = new QCheckBox(QCoreApplication::translate("FopWindow", "Readings typed in"), window);
    typed_->setToolTip(QCoreApplication::translate(
        "FopWindow", "A traverse measured with another instrument, typed in distance by distance"));
}

void FopTypedTraverse::AddPanel(QWidget* window, QVBoxLayout& column) {
    panel_ = new FopTypedPanel(window);
    panel_->setVisible(false);
    panel_->KeepButton().setEnabled(point_ && archive_ != nullptr);
    column.addWidget(panel_, 1);
}

bool FopTypedTraverse::Readings(std::vector<analysis::FopReading>& readings, std::string& error) const {
    std::vector<std::pair<double, double>> typed;
    int badRow = 0;
    if (!panel_->Readings().Readings(typed, badRow)) {
        error = QCoreApplication::translate("FopWindow",
                                            "Row %1: a distance and a resistance are numbers above 0.")
                    .arg(badRow + 1)
                    .toStdString();
        return false;
    }
    for (const auto& [distance, resistance] : typed)
        readings.push_back({distance, resistance});
    if (readings.size() < 2) {
        error = QCoreApplication::translate("FopWindow",
                                            "Type at least two readings: the potential probe's distance and "
                                            "the resistance read there.")
                    .toStdString();
        return false;
    }
    return true;
}

void FopTypedTraverse::ListKept(QLabel& status) {
    if (!point_ || archive_ == nullptr)
        return;
    const auto kept = archive::TypedTraverses(*archive_, point_->id);
    if (!kept) {
        status.setText(texts::FailureText(kept.Error()));
        return;
    }
    panel_->List(kept.Value());
}

void FopTypedTraverse::Keep(double currentProbe, QLabel& status) {
    if (!point_ || archive_ == nullptr)
        return;
    archive::TypedTraverse traverse;
    traverse.point = point_->id;
    traverse.currentProbe = currentProbe;
    std::vector<analysis::FopReading> readings;
    std::string error;
    if (!Readings(readings, error)) {
        status.setText(QString::fromStdString(error));
        return;
    }
    for (const analysis::FopReading& reading : readings)
        traverse.readings.push_back({reading.distance, reading.resistance});
    traverse.taking = panel_->Taking().Taking();
    const archive::Result<std::int64_t> kept = archive::AddTypedTraverse(*archive_, traverse);
    if (!kept) {
        status.setText(texts::FailureText(kept.Error()));
        return;
    }
    ListKept(status);
    status.setText(QCoreApplication::translate("FopWindow", "Typed traverse kept with %1").arg(point_->name));
}

}  // namespace terrovane::engineering
