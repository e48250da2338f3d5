#pragma once

#include "TranslationMark.h"

namespace terrovane::format {

// The messages of commands that need read-out data, shared by the link, the display and the output
// commands (note the full-width comma); shown translated (context "Messages").
inline constexpr const char* kNoDataReadFirst = QT_TRANSLATE_NOOP("Messages", "No data，please read firstly");
inline constexpr const char* kNoData = QT_TRANSLATE_NOOP("Messages", "No data");

}  // namespace terrovane::format
