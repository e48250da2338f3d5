#include "StorageHeader.h"

#include <cstring>

#include "ByteOrder.h"

namespace terrovane::xls {

void StorageHeader::Write(std::uint8_t* out, const std::vector<std::int32_t>& difat) const {
    static constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memset(out, 0, kSize);
    std::memcpy(out, kSignature, sizeof kSignature);
    PutU16(out + 0x18, minorVersion);
    PutU16(out + 0x1A, majorVersion);
    PutU16(out + 0x1C, 0xFFFE);
    PutU16(out + 0x1E, sectorShift);
    PutU32(out + 0x20, miniSectorShift);
    PutU32(out + 0x28, directorySectorCount);
    PutU32(out + 0x2C, fatSectorCount);
    PutI32(out + 0x30, firstDirectorySector);
    PutU32(out + 0x38, miniStreamCutoff);
    PutI32(out + 0x3C, firstMiniFatSector);
    PutU32(out + 0x40, miniFatSectorCount);
    PutI32(out + 0x44, firstDifatSector);
    PutU32(out + 0x48, difatSectorCount);
    for (std::size_t i = 0; i < kHeaderDifatSlots; ++i) {
        PutI32(out + 0x4C + 4 * i, i < difat.size() ? difat[i] : kFreeSector);
    }
}

}  // namespace terrovane::xls
