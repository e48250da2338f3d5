#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "MeasurementRecord.h"
#include "Quantity.h"

namespace terrovane::panel {

using format::Quantity;
using record::MeasurementRecord;

// The stepping state of the display, kept by the main dialog.
struct DisplayState {
    std::array<std::uint32_t, 10> pageCounters{};  // next page of modes 1..10
    bool cycleAllPages = false;                    // Show steps through every page, Resistance only some
    bool listClicked = false;
    std::uint32_t voltagePage = 0;
    std::uint32_t frequencyPage = 0;
};

// What a drawing leaves on the blank display: the controls shown and the texts given to digit fields.
struct PanelView {
    std::set<int> visible;
    std::map<int, std::string> texts;

    void Show(int id) { visible.insert(id); }
    void ShowText(int id, std::string text) {
        texts[id] = std::move(text);
        visible.insert(id);
    }
    bool IsVisible(int id) const { return visible.count(id) != 0; }
};

// The pages of a mode in stepping order, and how many of them each stepping cycles through.
std::vector<Quantity> ModePages(std::uint32_t mode);
std::uint32_t PageLimit(std::uint32_t mode, bool cycleAllPages);

// One quantity's page: large digits with their letter, unit and over-range pictures.
void AddPage(PanelView& view, Quantity page, const MeasurementRecord& record);
// The mode frame (labels, small fields) and the slot number shown under every page.
void AddModeAndSlot(PanelView& view, const MeasurementRecord& record, std::uint16_t slot);
// "07" below 10, else the number.
std::string SlotNumberText(std::uint16_t slot);

// The next page of the record's mode; advances that mode's counter.
PanelView CurrentPageView(const MeasurementRecord& record, DisplayState& state, std::uint16_t slot);
// The Voltage and Frequency buttons toggle between the test and the jamming reading.
PanelView VoltageStepView(const MeasurementRecord& record, DisplayState& state, std::uint16_t slot);
PanelView FrequencyStepView(const MeasurementRecord& record, DisplayState& state, std::uint16_t slot);
// The (hidden) current button: the AC current of a current-mode record.
PanelView CurrentStepView(const MeasurementRecord& record, std::uint16_t slot);

}  // namespace terrovane::panel
