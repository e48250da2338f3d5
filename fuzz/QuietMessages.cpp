#include "QuietMessages.h"

#include "MessageBox.h"

namespace terrovane::fuzz {

void SilenceMessages() {
    platform::SetMessageHandler([](const platform::Message&) { return platform::MessageResult::Ok; });
}

}  // namespace terrovane::fuzz
