#include "ValiditySetting.h"

#include "Settings.h"

namespace terrovane::history {

archive::ValidityThresholds ValiditySettings() {
    return archive::ValidityThresholdsIn(platform::Settings());
}

}  // namespace terrovane::history
