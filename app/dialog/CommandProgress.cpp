#include "CommandProgress.h"

#include <QCoreApplication>

#include "LinkView.h"

namespace terrovane::app {

void CommandProgress::Open() {
    ui::ProgressSetup setup;
    setup.caption =
        QCoreApplication::translate("Progress", link::kProgressTitle.data());  // a literal: terminated
    setup.lower = link::kProgressLower;
    setup.upper = link::kProgressUpper;
    setup.step = link::kProgressStep;
    setup.text = QCoreApplication::translate("Progress", link::kProgressMessage.data());
    // The progress window disables the main window, but its own close box would end that and let the
    // user's clicks reach the main window in the middle of the command: it takes no input either.
    const bool holding = blocker_.Holding();
    blocker_.Release();
    progress_.Open(setup);
    if (holding) {
        blocker_.Hold();
    }
}

void CommandProgress::SetInputBlocked(bool blocked) {
    if (blocked) {
        blocker_.Hold();
    } else {
        blocker_.Release();
    }
}

}  // namespace terrovane::app
