#include "DisplayPanel.h"

#include <QPushButton>

#include "DigitField.h"
#include "MessageBox.h"
#include "MessageTexts.h"
#include "PanelControls.h"

namespace terrovane::panel {
namespace {

using format::kNoData;
using format::kNoDataReadFirst;

std::uint32_t ModeOfShown(const record::MeasurementRecord* record) {
    return record != nullptr ? record->mode : 0;
}

}  // namespace

DisplayPanel::DisplayPanel(QWidget* dialog, PanelBindings bindings, QPoint origin, units::DialogUnits units)
    : QObject(dialog), bindings_(std::move(bindings)), controls_(dialog, origin, units) {
    using Handler = void (DisplayPanel::*)();
    const std::map<int, Handler> handlers = {{kFrequencyButton, &DisplayPanel::OnFrequencyButton},
                                             {kResistanceButton, &DisplayPanel::OnResistanceButton},
                                             {kVoltageButton, &DisplayPanel::OnVoltageButton},
                                             {kCurrentButton, &DisplayPanel::OnCurrentButton}};
    for (const auto& [id, handler] : handlers) {
        connect(static_cast<QPushButton*>(Control(id)), &QPushButton::clicked, this, handler);
    }
    for (int id : kDigitFieldIds) {
        Field(id)->SetBackgroundColour(kPanelColour);
        Field(id)->ModifyStyle(0, kStyleFourteenSegment);
        Field(id)->SetText("");
    }
    BlankDisplay();
}

const record::MeasurementRecord* DisplayPanel::CurrentRecord() const {
    return bindings_.readOut.table.At(bindings_.readOut.currentIndex);
}

void DisplayPanel::BlankDisplay() {
    drawing_.BlankDisplay();
}

QString DisplayPanel::Notice() const {
    return drawing_.Notice();
}

bool DisplayPanel::Blank() const {
    return drawing_.Blank();
}

// A new page replaces the old one in a single change of the reading in words.
void DisplayPanel::Apply(const PanelView& view) {
    drawing_.Replace(view, ModeOfShown(CurrentRecord()));
}

void DisplayPanel::OnShowCommand() {
    state_.cycleAllPages = true;
    ShowCurrentPage();
    bindings_.readOut.requestsSent = true;  // keeps the idle picture from covering what the user asked to see
}

void DisplayPanel::OnResistanceButton() {
    state_.cycleAllPages = false;
    ShowCurrentPage();
}

void DisplayPanel::OnVoltageButton() {
    const auto* record = CurrentRecord();
    if (record == nullptr)
        return platform::Alert(kNoDataReadFirst);
    Apply(VoltageStepView(*record, state_, bindings_.readOut.currentIndex));
}

void DisplayPanel::OnFrequencyButton() {
    const auto* record = CurrentRecord();
    if (record == nullptr)
        return platform::Alert(kNoDataReadFirst);
    Apply(FrequencyStepView(*record, state_, bindings_.readOut.currentIndex));
}

void DisplayPanel::OnCurrentButton() {
    const auto* record = CurrentRecord();
    if (record == nullptr)
        return platform::Alert(kNoDataReadFirst);
    Apply(CurrentStepView(*record, bindings_.readOut.currentIndex));
}

void DisplayPanel::OnListClicked() {
    state_.listClicked = true;
    ShowSelected();
}

void DisplayPanel::OnListMovedByKey() {
    state_.listClicked = true;
    drawing_.SetQuiet(true);
    ShowSelected();
    drawing_.SetQuiet(false);
}

void DisplayPanel::OnReadOutFinished() {
    state_.listClicked = false;
    ShowSelected();
}

void DisplayPanel::ShowSelected() {
    if (!bindings_.readOut.dataRead) {
        if (drawing_.Quiet())
            BlankDisplay();
        return drawing_.Tell(kNoDataReadFirst);
    }
    if (state_.listClicked) {
        const auto row = bindings_.firstSelectedListRow ? bindings_.firstSelectedListRow() : std::nullopt;
        if (row && *row >= 0 && std::size_t(*row) < record::kSlotCount) {
            bindings_.readOut.currentIndex = static_cast<std::uint16_t>(*row);
        }
        if (CurrentRecord() == nullptr) {
            BlankDisplay();
            return drawing_.Tell(kNoData);
        }
        return ShowRecord(bindings_.readOut.currentIndex);
    }
    if (const auto first = bindings_.readOut.table.FirstOccupied())
        bindings_.readOut.currentIndex = std::uint16_t(*first);
    ShowRecord(bindings_.readOut.currentIndex);
}

void DisplayPanel::ShowRecord(std::size_t slot) {
    if (bindings_.readOut.table.At(slot) == nullptr)
        return;
    state_.pageCounters.fill(0);
    ShowCurrentPage();
}

void DisplayPanel::ShowCurrentPage() {
    const auto* record = CurrentRecord();
    if (record == nullptr)
        return platform::Alert(kNoDataReadFirst);
    Apply(CurrentPageView(*record, state_, bindings_.readOut.currentIndex));
}

void DisplayPanel::ShowModeAndSlot() {
    const auto* record = CurrentRecord();
    if (record == nullptr)
        return;
    PanelView view;
    AddModeAndSlot(view, *record, bindings_.readOut.currentIndex);
    drawing_.ShowView(view, record->mode);
}

void DisplayPanel::SetIdlePictureVisible(bool visible) {
    QWidget* idle = Control(kIdlePicture);
    if (visible)
        idle->raise();
    idle->setVisible(visible);
}

}  // namespace terrovane::panel
