#pragma once

#include <QObject>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "DialogUnits.h"
#include "DisplayControls.h"
#include "DisplayDrawing.h"
#include "PanelPage.h"
#include "ReadOutState.h"

class QLabel;
class QWidget;

namespace terrovane::panel {

class ChartWindow;
class DigitField;

// What the display reads and writes of its window: the read-out state (it reads the table and whether
// data was read, and sets the slot on display and, once it shows a record, requestsSent), which the
// window owns.
struct PanelBindings {
    record::ReadOutState& readOut;
    // The record list's first selected row, searched from the top; nullopt when none is selected.
    std::function<std::optional<int>()> firstSelectedListRow;
};

// The simulated instrument display: creates its controls as children of the dialog (at their dialog-unit
// places, shifted by `origin` pixels) and draws records onto them one page at a time. It decides what to
// show; its controls and its drawing are parts of their own.
class DisplayPanel : public QObject {
    Q_OBJECT
  public:
    DisplayPanel(QWidget* dialog, PanelBindings bindings, QPoint origin = {},
                 units::DialogUnits units = units::DialogUnits(units::DialogFont()));

    // Entry points.
    void OnShowCommand();       // menu/toolbar "Show"
    void OnResistanceButton();  // cycles the resistance pages only
    void OnVoltageButton();
    void OnFrequencyButton();
    void OnCurrentButton();
    void OnListClicked();  // left or right click on the record list
    // The arrow keys moved the list's selection: as a click, but an empty slot is said on the display
    // itself, not in a message box the user would have to close at every step.
    void OnListMovedByKey();
    void OnReadOutFinished();  // after an accepted read-out

    // Operations.
    void BlankDisplay();
    // BlankDisplay would change nothing: no segment, digit or symbol shows and the reading in words is empty.
    bool Blank() const;
    void ShowSelected();
    void ShowRecord(std::size_t slot);
    void ShowCurrentPage();
    void ShowModeAndSlot();
    void SetIdlePictureVisible(bool visible);
    // The text said on the blank display ("No data"), empty when none is shown.
    QString Notice() const;

    DisplayState& State() { return state_; }
    QWidget* Control(int id) const { return controls_.Control(id); }
    DigitField* Field(int id) const { return controls_.Field(id); }
    ChartWindow* Chart() const { return controls_.Chart(); }

  private:
    const record::MeasurementRecord* CurrentRecord() const;
    // Blanks the display, then shows what the view lists.
    void Apply(const PanelView& view);

    PanelBindings bindings_;
    DisplayState state_;
    DisplayControls controls_;
    DisplayDrawing drawing_{controls_};
};

}  // namespace terrovane::panel
