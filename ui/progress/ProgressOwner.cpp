#include "ProgressOwner.h"

namespace terrovane::ui {

void ProgressOwner::Lock() {
    if (owner_) {
        owner_->setEnabled(false);
    }
    modal_ = true;
}

void ProgressOwner::Release() {
    if (modal_ && owner_) {
        owner_->setEnabled(true);
    }
    modal_ = false;
}

void ProgressOwner::BringForward() {
    if (owner_) {
        owner_->raise();
        owner_->activateWindow();
    }
}

}  // namespace terrovane::ui
