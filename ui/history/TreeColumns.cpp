#include "TreeColumns.h"

#include <algorithm>

namespace terrovane::history {

int WholeTextWidth(const QFontMetrics& metrics, const std::vector<ShownText>& texts, int padding,
                   int widest) {
    int width = 0;
    for (const ShownText& shown : texts) {
        width = std::max(width, shown.indent + metrics.horizontalAdvance(shown.text));
    }
    width += 2 * padding;
    return widest > 0 ? std::min(width, widest) : width;
}

}  // namespace terrovane::history
