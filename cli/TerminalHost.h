#pragma once

#include <optional>
#include <string>

#include "Protocol.h"
#include "ReadOutSession.h"

namespace terrovane::cli {

// The link's window on a terminal: no display and no list, like any windowless caller; the progress as one
// line on standard error when that is a terminal; the clock given on the command line.
class TerminalHost : public link::SilentHost {
  public:
    void OpenProgress() override;
    void SetProgressPosition(int position) override;
    void CloseProgress() override;
    std::optional<link::ClockSetting> AskClock() override { return clock; }

    std::optional<link::ClockSetting> clock;

  private:
    bool drawn_ = false;
};

// Messages on standard error; questions answered OK with `assumeYes`, else asked on the terminal, else
// (no terminal to ask) answered Cancel.
void InstallTerminalMessages(bool assumeYes);

}  // namespace terrovane::cli
