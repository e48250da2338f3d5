#pragma once

#include <QPixmap>
#include <QSize>

namespace terrovane::res {

inline constexpr int kToolbarImageCount = 7;
inline constexpr QSize kToolbarImageSize{20, 16};

// The toolbar's pictures in button order: read, save, print, show, clock, erase, exit. An index out of
// range gives an empty (transparent) image.
QPixmap ToolbarImage(int index);

}  // namespace terrovane::res
