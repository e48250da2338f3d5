#pragma once

namespace terrovane::app {

// Routes every platform message through a modal message box on the active window.
void InstallGuiMessageHandler();

}  // namespace terrovane::app
