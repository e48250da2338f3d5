#pragma once

#include "InstrumentSession.h"

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

// The menu's fast read-out item: its check mark and the session follow the remembered setting.
class FastReadOutItem {
  public:
    // Applies the remembered setting.
    FastReadOutItem(menu::CMenuEx& menu, link::InstrumentSession& session);

    // The item's command: the setting turns over and is remembered.
    void Toggle();

  private:
    void Apply(bool fast);

    menu::CMenuEx& menu_;
    link::InstrumentSession& session_;
};

}  // namespace terrovane::app
