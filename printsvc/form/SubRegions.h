#pragma once

#include <memory>
#include <vector>

#include "PageScale.h"
#include "PrintState.h"

namespace terrovane::form {

// A rectangle of the page that positions can be given relative to (device units, page coordinates).
struct SubRegion {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The sub-regions made on a page; each lives until the page releases them.
class SubRegions {
  public:
    SubRegions(const PrintState& state, const PageScale& scale) : state_(state), scale_(scale) {}

    // Kept in the page's list; nullptr when the rectangle lies outside the page.
    const SubRegion* CreateSubRegion(double left, double top, double right, double bottom,
                                     Unit unit = Unit::Device);
    void Clear();

  private:
    const PrintState& state_;
    const PageScale& scale_;
    std::vector<std::unique_ptr<SubRegion>> regions_;
};

}  // namespace terrovane::form
