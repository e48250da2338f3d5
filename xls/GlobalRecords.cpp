#include "GlobalRecords.h"

#include "ByteOrder.h"

namespace terrovane::xls {

bool BofRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 16) {
        return false;
    }
    version = GetU16(&p[0]), type = GetU16(&p[2]), build = GetU16(&p[4]), year = GetU16(&p[6]);
    historyFlags = GetU32(&p[8]), lowestVersion = GetU32(&p[12]);
    return true;
}

void BofRecord::WriteFields(std::uint8_t* p) {
    PutU16(p, version), PutU16(p + 2, type), PutU16(p + 4, build), PutU16(p + 6, year);
    PutU32(p + 8, historyFlags), PutU32(p + 12, lowestVersion);
}

bool Window1Record::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 18) {
        return false;
    }
    for (int i = 0; i < 9; ++i) {
        fields[i] = GetU16(&p[2 * i]);
    }
    return true;
}

void Window1Record::WriteFields(std::uint8_t* p) {
    for (int i = 0; i < 9; ++i) {
        PutU16(p + 2 * i, fields[i]);
    }
}

bool FontRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 16) {
        return false;
    }
    height = GetU16(&p[0]), options = GetU16(&p[2]), colour = GetU16(&p[4]), weight = GetU16(&p[6]);
    escapement = GetU16(&p[8]);
    underline = p[10], family = p[11], charset = p[12], reserved = p[13];
    return name.Read(p.subspan(14), false) != 0;
}

void FontRecord::WriteFields(std::uint8_t* p) {
    PutU16(p, height), PutU16(p + 2, options), PutU16(p + 4, colour), PutU16(p + 6, weight);
    PutU16(p + 8, escapement);
    p[10] = underline, p[11] = family, p[12] = charset, p[13] = reserved;
    name.WriteShort(p + 14);
}

bool XfRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 20) {
        return false;
    }
    font = GetU16(&p[0]), format = GetU16(&p[2]), typeProtectionParent = GetU16(&p[4]);
    alignment = p[6], rotation = p[7], indent = p[8], usedAttributes = p[9];
    borderLines = GetU32(&p[10]), borderColours = GetU32(&p[14]), patternColours = GetU16(&p[18]);
    return true;
}

void XfRecord::WriteFields(std::uint8_t* p) {
    PutU16(p, font), PutU16(p + 2, format), PutU16(p + 4, typeProtectionParent);
    p[6] = alignment, p[7] = rotation, p[8] = indent, p[9] = usedAttributes;
    PutU32(p + 10, borderLines), PutU32(p + 14, borderColours), PutU16(p + 18, patternColours);
}

bool StyleRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 4) {
        return false;
    }
    xfIndex = GetU16(&p[0]);
    if (IsBuiltIn()) {
        builtInId = p[2], outlineLevel = p[3];
        return true;
    }
    return name.Read(p.subspan(2), true) != 0;
}

void StyleRecord::WriteFields(std::uint8_t* p) {
    PutU16(p, xfIndex);
    if (IsBuiltIn()) {
        p[2] = builtInId, p[3] = outlineLevel;
    } else {
        name.WriteLong(p + 2);
    }
}

bool BoundSheetRecord::Parse(std::span<const std::uint8_t> p) {
    if (p.size() < 8) {
        return false;
    }
    position = GetU32(&p[0]), visibility = p[4], sheetType = p[5];
    return name.Read(p.subspan(6), false) != 0;
}

void BoundSheetRecord::WriteFields(std::uint8_t* p) {
    PutU32(p, position), p[4] = visibility, p[5] = sheetType;
    name.WriteShort(p + 6);
}

void ExtSstRecord::WriteFields(std::uint8_t* p) {
    PutU16(p, stringsPerBucket);
}

}  // namespace terrovane::xls
