#include <algorithm>

#include "SiteReport.h"

namespace terrovane::sitereport {

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
