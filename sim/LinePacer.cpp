#include "LinePacer.h"

#include <algorithm>

namespace terrovane::sim {

LinePacer::LinePacer(long baud)
    : byteTime_(
          std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / baud))) {}

// Times are counted from the answer's start, not from the previous chunk's, so rounding never adds up.
std::vector<LinePacer::Chunk> LinePacer::Pace(const std::vector<std::uint8_t>& bytes,
                                              Clock::time_point ready) {
    std::vector<Chunk> chunks;
    const Clock::time_point start = std::max(ready, lineFree_);
    for (std::size_t offset = 0; offset < bytes.size(); offset += kChunkBytes) {
        const std::size_t end = std::min(bytes.size(), offset + kChunkBytes);
        chunks.push_back({start + byteTime_ * static_cast<long>(end),
                          std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                                                    bytes.begin() + static_cast<std::ptrdiff_t>(end))});
    }
    lineFree_ = start + byteTime_ * static_cast<long>(bytes.size());
    return chunks;
}

}  // namespace terrovane::sim
