#include "DirEntry.h"

#include <cstring>

#include "ByteOrder.h"

namespace terrovane::xls {

void DirEntry::Write(std::uint8_t* out) const {
    constexpr std::uint8_t kBlack = 1;
    std::memset(out, 0, kSize);
    for (std::size_t i = 0; i < name.size() && i < kMaxNameUnits; ++i) {
        PutU16(out + 2 * i, name[i]);
    }
    PutU16(out + 0x40, NameLength());
    PutU8(out + 0x42, static_cast<std::uint8_t>(type));
    PutU8(out + 0x43, kBlack);
    PutI32(out + 0x44, left);
    PutI32(out + 0x48, right);
    PutI32(out + 0x4C, child);
    PutI32(out + 0x74, start);
    PutU32(out + 0x78, size);
}

}  // namespace terrovane::xls
