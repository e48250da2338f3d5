#pragma once

#include <QWidget>

#include "InstrumentSession.h"
#include "PortMap.h"

namespace terrovane::app {

// Mount › Port...: the user's choice among several instrument bridges, kept in the settings.
class PortCommand {
  public:
    // Gives the session the choice remembered from the last run.
    PortCommand(link::InstrumentSession& session, QWidget& owner);

    // Lets the user pick among the bridges attached now.
    void Choose();
    // Takes `port` for the instrument's commands from now on, and remembers it for the next start.
    void Apply(const platform::BridgePort& port);

  private:
    link::InstrumentSession& session_;
    QWidget& owner_;
};

}  // namespace terrovane::app
