#include "ProgressCount.h"

#include "ProgressLayout.h"

namespace terrovane::ui {

void ProgressCount::SetRange(int lower, int upper, int step) {
    lower_ = lower;
    upper_ = upper;
    step_ = step;
}

int ProgressCount::MoveTo(int pos) {
    const int previous = position_;
    position_ = pos;
    return previous;
}

std::optional<QString> ProgressCount::ChangedPercentCaption() {
    const int percent = ProgressPercent(lower_, upper_, position_);
    if (percent == percent_) {
        return std::nullopt;
    }
    percent_ = percent;
    return ProgressCaption(caption_, percent);
}

}  // namespace terrovane::ui
