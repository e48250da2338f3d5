#pragma once

#include <QString>

#include <cstdint>

#include "DisplayControls.h"
#include "PanelPage.h"

namespace terrovane::panel {

// What the display shows: the controls of the pages drawn since the last blanking, said in words as the
// chart's reading, or a notice on the blank display.
class DisplayDrawing {
  public:
    explicit DisplayDrawing(DisplayControls& controls) : controls_(controls) {}

    // Hides every control, the notice and the reading in words.
    void BlankDisplay();
    // True when BlankDisplay would change nothing.
    bool Blank() const;
    // Blanks the display, then shows what the view lists: a new page in a single change of the reading.
    void Replace(const PanelView& view, std::uint32_t mode);
    // Adds what the view lists to what is shown; `mode` is the shown record's, for the reading in words.
    void ShowView(const PanelView& view, std::uint32_t mode);

    // The change came by key: things are said on the display, not in a message box the user would have
    // to close at every step.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    bool Quiet() const { return quiet_; }
    // Says `text` (a message text, translated here) on the blank display when quiet, else alerts with it.
    void Tell(const char* text);
    void HideNotice();
    // The text said on the blank display, empty when none is shown.
    QString Notice() const;

  private:
    void HideEverything();

    DisplayControls& controls_;
    PanelView shown_;            // everything drawn since the last blanking, for the reading in words
    bool anythingShown_ = true;  // true until the first blanking, so it hides whatever the template showed
    bool quiet_ = false;
};

}  // namespace terrovane::panel
