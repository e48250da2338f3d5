#pragma once

#include <functional>

namespace terrovane::testing {

// Runs the event loop until `condition` holds or `timeoutMs` passed; the condition's last value. The loop
// sleeps until an event or a timer is due, so the program's own timers keep their pace (a wait that
// sleeps in fixed slices would stretch every 2 ms step of an exchange to the slice's length), and a
// condition that changes without an event is looked at again within a millisecond or two.
bool RunEventsUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

}  // namespace terrovane::testing
