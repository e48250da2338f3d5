#pragma once

namespace terrovane::printsvc {

// Shows the platform's messages as modal message boxes with the service's title.
void InstallMessageBoxHandler();

}  // namespace terrovane::printsvc
