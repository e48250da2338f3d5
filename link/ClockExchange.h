#pragma once

#include <functional>
#include <optional>

#include "CommandRun.h"
#include "Protocol.h"

namespace terrovane::link {

// Setting the instrument's clock: the handshake, the port reopened, the user's choice, then the clock
// line and its reply. Holds nothing but the run: one is made for each command, and its waiting step
// carries a copy.
class ClockExchange {
  public:
    using Question = std::function<std::optional<ClockSetting>()>;

    explicit ClockExchange(CommandRun& run) : run_(run) {}

    // Handshake and reopen, then `ask` (the user's choice; nothing on Cancel) and the clock line.
    void Start(Question ask);

  private:
    void Ask(const Question& ask);

    CommandRun& run_;
};

}  // namespace terrovane::link
