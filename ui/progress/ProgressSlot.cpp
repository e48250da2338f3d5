#include "ProgressSlot.h"

namespace terrovane::ui {

void ProgressSlot::Open(const ProgressSetup& setup) {
    Close();
    auto window = std::make_unique<ProgressWindow>(owner_, setup.caption, setup.smooth);
    // The caption given here is used only if the window had to be created anew.
    window->GoModal(QStringLiteral("Progress"), setup.smooth);
    window->SetRange(setup.lower, setup.upper, setup.step);
    window->SetText(setup.text);
    // Lets the window paint before a job that processes no events of its own. A port-watch tick in this
    // pass may close the slot; the window is not in it yet, so it survives its own pump.
    window->PeekAndPump(true);
    window->Show();
    Close();  // whatever a handler in the pass may have opened meanwhile
    window_ = std::move(window);
}

void ProgressSlot::Close() {
    if (window_) {
        // Out of the slot before Destroy, which re-enables the owner and may run handlers that ask.
        const std::unique_ptr<ProgressWindow> closing = std::move(window_);
        closing->Destroy();
    }
}

void ProgressSlot::SetPos(int position) {
    if (window_) {
        window_->SetPos(position);
    }
}

void ProgressSlot::SetPosWithoutPercent(int position) {
    if (window_) {
        window_->SetPosWithoutPercent(position);
    }
}

}  // namespace terrovane::ui
