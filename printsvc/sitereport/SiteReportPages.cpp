#include <algorithm>

#include "SiteReport.h"

namespace terrovane::sitereport {

int BlockLines(const PointSection& section) {
    if (section.results.size() <= 1) {
        return 1;
    }
    const std::size_t earlier = section.results.size() - 1;
    return 1 + static_cast<int>(std::min(earlier, kEarlierShown)) + (earlier > kEarlierShown ? 1 : 0);
}

std::vector<std::size_t> PageStarts(const std::vector<int>& blockLines, int firstPageLines, int pageLines) {
    std::vector<std::size_t> starts = {0};
    int room = firstPageLines;
    for (std::size_t i = 0; i < blockLines.size(); ++i) {
        const bool pageHasBlocks = i > starts.back();
        if (blockLines[i] > room && pageHasBlocks) {
            starts.push_back(i);
            room = pageLines;
        }
        room -= blockLines[i];
    }
    return starts;
}

}  // namespace terrovane::sitereport
