#include "ArchiveSetting.h"

#include "Settings.h"

namespace terrovane::history {

bool ArchivingEnabled() {
    return platform::Settings().Archiving();
}

void SetArchivingEnabled(bool enabled) {
    platform::Settings().SetArchiving(enabled);
}

}  // namespace terrovane::history
