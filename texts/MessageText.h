#pragma once

#include <QString>

#include "MessageBox.h"

namespace terrovane::texts {

// A message's text and details as the running language says them: the fixed text is looked up under
// "Messages" (where every message is marked), then its arguments fill %1, %2, ... A message composed
// before this boundary existed matches no source and is shown as it came.
QString MessageText(const platform::Message& message);
QString MessageDetails(const platform::Message& message);

}  // namespace terrovane::texts
