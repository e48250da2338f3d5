#include "TestEnvironment.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "ScratchFolder.h"

namespace terrovane::testing {
namespace {

void SetFolder(const char* name, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    ::setenv(name, folder.c_str(), 1);
}

std::optional<std::string> Current(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void Put(const std::string& name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
    } else {
        ::unsetenv(name.c_str());
    }
}

}  // namespace

void IsolateFromCallerEnvironment() {
    const std::filesystem::path home = ScratchFolder() / "home";
    SetFolder("HOME", home);
    SetFolder("XDG_CONFIG_HOME", home / ".config");
    SetFolder("XDG_DATA_HOME", home / ".local/share");
    SetFolder("XDG_STATE_HOME", home / ".local/state");
    SetFolder("XDG_CACHE_HOME", home / ".cache");
    const std::filesystem::path runtime = ScratchFolder() / "runtime";
    SetFolder("XDG_RUNTIME_DIR", runtime);
    ::chmod(runtime.c_str(), 0700);
    for (const char* name :
         {"TERROVANE_PORTMAP", "TERROVANE_HANDOFF_DIR", "TERROVANE_ARCHIVE", "RAPSTEL_AUTO_HEADER",
          "RAPSTEL_AUTO_PREVIEW_MS", "RAPSTEL_AUTO_MESSAGES", "LC_ALL", "LC_MESSAGES", "LANGUAGE",
          // libpq's own: the team tests name their server themselves.
          "PGHOST", "PGHOSTADDR", "PGPORT", "PGUSER", "PGPASSWORD", "PGPASSFILE", "PGDATABASE", "PGSERVICE",
          "PGSERVICEFILE", "PGSSLMODE", "PGSSLROOTCERT", "PGOPTIONS", "PGAPPNAME", "PGCONNECT_TIMEOUT"}) {
        ::unsetenv(name);
    }
    ::setenv("LANG", "C.UTF-8", 1);
}

EnvironmentOverride::EnvironmentOverride(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)), saved_(Current(name_)) {
    Put(name_, value);
}

EnvironmentOverride::~EnvironmentOverride() {
    Put(name_, saved_);
}

}  // namespace terrovane::testing
