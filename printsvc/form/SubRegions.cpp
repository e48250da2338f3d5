#include "SubRegions.h"

namespace terrovane::form {

const SubRegion* SubRegions::CreateSubRegion(double left, double top, double right, double bottom,
                                             Unit unit) {
    SubRegion region{scale_.ToDevice(left, unit, true), scale_.ToDevice(top, unit, false),
                     scale_.ToDevice(right, unit, true), scale_.ToDevice(bottom, unit, false)};
    const bool inside = region.left >= 0 && region.top >= 0 && region.left < region.right &&
                        region.top < region.bottom && region.right <= state_.pageWidth &&
                        region.bottom <= state_.pageHeight;
    if (!inside)
        return nullptr;
    regions_.push_back(std::make_unique<SubRegion>(region));
    return regions_.back().get();
}

void SubRegions::Clear() {
    regions_.clear();
}

}  // namespace terrovane::form
