#pragma once

#include <functional>

#include "CommandRun.h"

namespace terrovane::link {

// Erasing one record or all of them: the port opened without a handshake, the user's confirmation, then
// the erase line and its reply. No waits: the question is the user's time.
class EraseExchange {
  public:
    using Confirmation = std::function<bool()>;

    explicit EraseExchange(CommandRun& run) : run_(run) {}

    // Opens the port, then `confirm`, then the erase line for `slot` or kEraseAllNumber.
    void Start(int slot, const Confirmation& confirm);

  private:
    CommandRun& run_;
};

}  // namespace terrovane::link
