#include "IdlePictureLook.h"

namespace terrovane::app {

QWidget* IdlePictureLook::Picture() const {
    if (picture_ == nullptr) {
        picture_ = panel_.Control(1123);
    }
    return picture_;
}

bool IdlePictureLook::Shown() const {
    return Picture()->isVisibleTo(&window_);
}

// The port watch asks for the picture on every tick; raising and repainting it each time would keep the
// program busy, so only a change reaches the panel.
void IdlePictureLook::SetVisible(bool visible) {
    if (Shown() != visible) {
        panel_.SetIdlePictureVisible(visible);
    }
}

}  // namespace terrovane::app
