#pragma once

#include <optional>
#include <string>

namespace terrovane::testing {

// Gives the test process an environment of its own before anything reads it, so a run in a desktop
// session and one in a bare container see the same: HOME and the XDG data, config, cache and state
// folders inside the process's scratch folder, a private XDG_RUNTIME_DIR there too, the C.UTF-8 locale,
// and none of the programs' own variables (port map, hand-off folder, archive, print-service hooks)
// nor libpq's (PGHOST, PGUSER, ...).
// Tests that rely on one of them set it themselves.
void IsolateFromCallerEnvironment();

// Sets (or, given nullopt, removes) one variable for as long as it lives, then puts back what was there.
class EnvironmentOverride {
  public:
    EnvironmentOverride(std::string name, const std::optional<std::string>& value);
    ~EnvironmentOverride();
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

  private:
    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace terrovane::testing
