#include <cstdlib>
#include <map>
#include <mutex>

#include "PortMap.h"

namespace terrovane::platform {

// The variable is looked at on every call, so a test or the simulator can switch maps at run time. Each
// source lives for the whole program: callers may still hold the reference of an earlier call.
const PortMapSource& CurrentPortMap() {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<PortMapSource>> fileMaps;
    static const std::unique_ptr<PortMapSource> live = MakeLivePortMap();

    const char* path = std::getenv("TERROVANE_PORTMAP");
    if (path == nullptr || *path == '\0')
        return *live;
    std::lock_guard lock(mutex);
    auto& source = fileMaps[path];
    if (!source)
        source = MakeFilePortMap(path);
    return *source;
}

}  // namespace terrovane::platform
