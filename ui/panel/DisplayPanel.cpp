#include "DisplayPanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "ChartWindow.h"
#include "DigitField.h"
#include "DisplayAccessible.h"
#include "MessageBox.h"
#include "MessageTexts.h"
#include "PanelControls.h"
#include "PanelPicture.h"
#include "SpokenDisplay.h"

namespace terrovane::panel {
namespace {

using format::kNoData;
using format::kNoDataReadFirst;

struct ButtonLayout {
    int id;
    const char* text;
    int x, y, width, height;
    bool visible;
};

// Under the display frame (which ends at 231), left of the record list (which starts at 262).
constexpr ButtonLayout kButtons[] = {
    {kFrequencyButton, QT_TRANSLATE_NOOP("terrovane::panel::DisplayPanel", "Frequency"), 24, 240, 60, 16,
     true},
    {kResistanceButton, QT_TRANSLATE_NOOP("terrovane::panel::DisplayPanel", "Resistance"), 100, 240, 60, 16,
     true},
    {kVoltageButton, QT_TRANSLATE_NOOP("terrovane::panel::DisplayPanel", "Voltage"), 176, 240, 60, 16, true},
    {kCurrentButton, QT_TRANSLATE_NOOP("terrovane::panel::DisplayPanel", "Current"), 176, 260, 60, 16, false},
};

QRect Place(const units::DialogUnits& units, QPoint origin, int x, int y, int width, int height) {
    return units.Rect(x, y, width, height).translated(origin);
}

}  // namespace

DisplayPanel::DisplayPanel(QWidget* dialog, PanelBindings bindings, QPoint origin, units::DialogUnits units)
    : QObject(dialog), bindings_(std::move(bindings)) {
    CreateControls(dialog, origin, units);
    CreateButtons(dialog, origin, units);
    for (int id : kDigitFieldIds) {
        Field(id)->SetBackgroundColour(kPanelColour);
        Field(id)->ModifyStyle(0, kStyleFourteenSegment);
        Field(id)->SetText("");
    }
    BlankDisplay();
}

void DisplayPanel::CreateControls(QWidget* dialog, QPoint origin, const units::DialogUnits& units) {
    InstallDisplayAccessibility();
    chart_ = new ChartWindow(dialog);
    chart_->MarkAsInstrumentDisplay();
    chart_->setGeometry(Place(units, origin, 8, 35, 245, 196));
    chart_->SetBackgroundColour(kPanelColour);
    chart_->SetGridColour(Qt::black);
    chart_->SetPlotColour(Qt::black);
    for (const auto& row : kPanelControls) {
        QWidget* control = row.bitmap == 0 ? static_cast<QWidget*>(new DigitField(dialog))
                                           : new PictureControl(row.bitmap, dialog);
        control->setGeometry(Place(units, origin, row.x, row.y, row.width, row.height));
        controls_[row.id] = control;
    }
    notice_ = new QLabel(dialog);
    notice_->setObjectName(QStringLiteral("DisplayNotice"));
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setWordWrap(true);
    QFont noticeFont = notice_->font();
    noticeFont.setPointSizeF(noticeFont.pointSizeF() * 1.5);
    noticeFont.setBold(true);
    notice_->setFont(noticeFont);
    notice_->setGeometry(Place(units, origin, 24, 100, 213, 40));
    notice_->hide();
    auto* idle = new PictureControl(kIdlePictureBitmap, dialog, true);
    idle->setGeometry(Place(units, origin, 59, 78, 159, 95));
    idle->hide();
    controls_[kIdlePicture] = idle;
}

void DisplayPanel::CreateButtons(QWidget* dialog, QPoint origin, const units::DialogUnits& units) {
    using Handler = void (DisplayPanel::*)();
    const std::map<int, Handler> handlers = {{kFrequencyButton, &DisplayPanel::OnFrequencyButton},
                                             {kResistanceButton, &DisplayPanel::OnResistanceButton},
                                             {kVoltageButton, &DisplayPanel::OnVoltageButton},
                                             {kCurrentButton, &DisplayPanel::OnCurrentButton}};
    for (const auto& row : kButtons) {
        auto* button = new QPushButton(tr(row.text), dialog);
        button->setGeometry(Place(units, origin, row.x, row.y, row.width, row.height));
        button->setVisible(row.visible);
        connect(button, &QPushButton::clicked, this, handlers.at(row.id));
        controls_[row.id] = button;
    }
}

QWidget* DisplayPanel::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

DigitField* DisplayPanel::Field(int id) const {
    return qobject_cast<DigitField*>(Control(id));
}

const record::MeasurementRecord* DisplayPanel::CurrentRecord() const {
    return bindings_.readOut.table.At(bindings_.readOut.currentIndex);
}

void DisplayPanel::BlankDisplay() {
    HideEverything();
    HideNotice();
    chart_->SetReading(QString());
}

void DisplayPanel::Tell(const char* text) {
    if (!quiet_) {
        platform::Alert(text);
        return;
    }
    const QString translated = QCoreApplication::translate("Messages", text);
    notice_->setText(translated);
    notice_->raise();
    notice_->show();
    chart_->SetReading(translated);
}

void DisplayPanel::HideNotice() {
    if (notice_->isVisible()) {
        notice_->hide();
    }
}

QString DisplayPanel::Notice() const {
    return notice_->isVisibleTo(notice_->parentWidget()) ? notice_->text() : QString();
}

bool DisplayPanel::Blank() const {
    return !anythingShown_ && chart_->Reading().isEmpty();
}

void DisplayPanel::HideEverything() {
    // The port watch blanks the idle panel every few milliseconds: skip the 51 hides when nothing shows.
    if (!anythingShown_)
        return;
    for (const auto& row : kPanelControls)
        controls_.at(row.id)->hide();
    anythingShown_ = false;
    shown_ = {};
}

// A new page replaces the old one in a single change of the reading in words.
void DisplayPanel::Apply(const PanelView& view) {
    HideEverything();
    ShowView(view);
}

void DisplayPanel::ShowView(const PanelView& view) {
    if (!view.visible.empty())
        HideNotice();
    for (const auto& [id, text] : view.texts)
        Field(id)->SetText(text);
    for (int id : view.visible)
        controls_.at(id)->show();
    anythingShown_ = anythingShown_ || !view.visible.empty();
    shown_.visible.insert(view.visible.begin(), view.visible.end());
    for (const auto& [id, text] : view.texts)
        shown_.texts[id] = text;
    const record::MeasurementRecord* record = CurrentRecord();
    chart_->SetReading(QString::fromStdString(SpokenDisplay(shown_, record != nullptr ? record->mode : 0)));
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
    quiet_ = true;
    ShowSelected();
    quiet_ = false;
}

void DisplayPanel::OnReadOutFinished() {
    state_.listClicked = false;
    ShowSelected();
}

void DisplayPanel::ShowSelected() {
    if (!bindings_.readOut.dataRead) {
        if (quiet_)
            BlankDisplay();
        return Tell(kNoDataReadFirst);
    }
    if (state_.listClicked) {
        const auto row = bindings_.firstSelectedListRow ? bindings_.firstSelectedListRow() : std::nullopt;
        if (row && *row >= 0 && std::size_t(*row) < record::kSlotCount) {
            bindings_.readOut.currentIndex = static_cast<std::uint16_t>(*row);
        }
        if (CurrentRecord() == nullptr) {
            BlankDisplay();
            return Tell(kNoData);
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
    ShowView(view);
}

void DisplayPanel::SetIdlePictureVisible(bool visible) {
    QWidget* idle = controls_.at(kIdlePicture);
    if (visible)
        idle->raise();
    idle->setVisible(visible);
}

}  // namespace terrovane::panel
