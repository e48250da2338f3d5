#pragma once

#include <cstddef>
#include <cstdint>

#include <sys/mman.h>

namespace terrovane::xls {

// Asks the kernel to back the whole 2 MB pages inside a large, not yet touched buffer with huge pages. A
// save fills buffers of tens of megabytes once, front to back, and faulting them in 4 KB at a time (and
// missing the TLB on every random string-table probe) costs more than the filling itself. Only advice: the
// buffer works the same when the kernel declines.
inline void AdviseHugePages(const void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto from = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (from + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (from + bytes) & ~(kHugePage - 1);
    if (end > begin) {
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
#else
    (void)data, (void)bytes;
#endif
}

}  // namespace terrovane::xls
