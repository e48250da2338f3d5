#include "DisplayControls.h"

#include <QLabel>
#include <QPushButton>

#include "ChartWindow.h"
#include "DigitField.h"
#include "DisplayAccessible.h"
#include "DisplayPanel.h"
#include "PanelControls.h"
#include "PanelPicture.h"

namespace terrovane::panel {
namespace {

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

QRect PlaceOnDialog(const units::DialogUnits& units, QPoint origin, int x, int y, int width, int height) {
    return units.Rect(x, y, width, height).translated(origin);
}

}  // namespace

DisplayControls::DisplayControls(QWidget* dialog, QPoint origin, const units::DialogUnits& units) {
    CreateDisplay(dialog, origin, units);
    CreateButtons(dialog, origin, units);
}

void DisplayControls::CreateDisplay(QWidget* dialog, QPoint origin, const units::DialogUnits& units) {
    InstallDisplayAccessibility();
    chart_ = new ChartWindow(dialog);
    chart_->MarkAsInstrumentDisplay();
    chart_->setGeometry(PlaceOnDialog(units, origin, 8, 35, 245, 196));
    chart_->SetBackgroundColour(kPanelColour);
    chart_->SetGridColour(Qt::black);
    chart_->SetPlotColour(Qt::black);
    for (const auto& row : kPanelControls) {
        QWidget* control = row.bitmap == 0 ? static_cast<QWidget*>(new DigitField(dialog))
                                           : new PictureControl(row.bitmap, dialog);
        control->setGeometry(PlaceOnDialog(units, origin, row.x, row.y, row.width, row.height));
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
    notice_->setGeometry(PlaceOnDialog(units, origin, 24, 100, 213, 40));
    notice_->hide();
    auto* idle = new PictureControl(kIdlePictureBitmap, dialog, true);
    idle->setGeometry(PlaceOnDialog(units, origin, 59, 78, 159, 95));
    idle->hide();
    controls_[kIdlePicture] = idle;
}

// The buttons' texts belong to the panel, whose clicks they are.
void DisplayControls::CreateButtons(QWidget* dialog, QPoint origin, const units::DialogUnits& units) {
    for (const auto& row : kButtons) {
        auto* button = new QPushButton(DisplayPanel::tr(row.text), dialog);
        button->setGeometry(PlaceOnDialog(units, origin, row.x, row.y, row.width, row.height));
        button->setVisible(row.visible);
        controls_[row.id] = button;
    }
}

QWidget* DisplayControls::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

DigitField* DisplayControls::Field(int id) const {
    return qobject_cast<DigitField*>(Control(id));
}

}  // namespace terrovane::panel
