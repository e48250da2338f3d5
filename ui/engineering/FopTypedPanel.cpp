#include "FopTypedPanel.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QVBoxLayout>

namespace terrovane::engineering {

QString KeptSeriesText(const archive::TypedTaking& taking, std::size_t readings) {
    const int n = static_cast<int>(readings);  // apart: the translations' scanner misses a cast in the call
    const QString count = QCoreApplication::translate("TypedReadings", "%n reading(s)", nullptr, n);
    QStringList parts{QString::fromStdString(taking.measured)};
    if (!taking.measuredBy.empty())
        parts << QString::fromStdString(taking.measuredBy);
    parts << count;
    return parts.join(QStringLiteral(", "));
}

FopTypedPanel::FopTypedPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QFormLayout;
    top->setContentsMargins(0, 0, 0, 0);
    stored_ = new QComboBox(this);
    top->addRow(QCoreApplication::translate("TypedReadings", "&Kept:"), stored_);
    layout->addLayout(top);
    readings_ = new TypedReadingsTable(QCoreApplication::translate("FopWindow", "Potential probe x (m)"),
                                       QCoreApplication::translate("TypedReadings", "Re (Ω)"), this);
    layout->addWidget(readings_, 1);
    taking_ = new TypedTakingForm(this);
    layout->addWidget(taking_);
    keep_ = new QPushButton(QCoreApplication::translate("TypedReadings", "Keep typed traverse"), this);
    keep_->setToolTip(QCoreApplication::translate(
        "TypedReadings", "Keeps the readings with the test point as they were measured, like a result"));
    layout->addWidget(keep_, 0, Qt::AlignLeft);
    List({});
}

void FopTypedPanel::List(const std::vector<archive::TypedTraverse>& traverses) {
    traverses_ = traverses;
    const QSignalBlocker quiet(stored_);
    stored_->clear();
    stored_->addItem(QCoreApplication::translate("TypedReadings", "New traverse"));
    for (const archive::TypedTraverse& traverse : traverses_)
        stored_->addItem(KeptSeriesText(traverse.taking, traverse.readings.size()));
    stored_->setCurrentIndex(0);
}

std::optional<archive::TypedTraverse> FopTypedPanel::Chosen() const {
    const int index = stored_->currentIndex() - 1;
    if (index < 0 || index >= static_cast<int>(traverses_.size()))
        return std::nullopt;
    return traverses_[static_cast<std::size_t>(index)];
}

}  // namespace terrovane::engineering
