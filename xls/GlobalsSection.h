#pragma once

#include <array>
#include <vector>

#include "GlobalRecords.h"
#include "SstRecord.h"

namespace terrovane::xls {

// The workbook globals: BOF, WINDOW1, 4 FONT, 21 XF, 6 STYLE, one BOUNDSHEET per sheet, SST, EOF.
class GlobalsSection {
  public:
    GlobalsSection() { Reset(); }

    // Back to a fresh workbook's globals with one sheet "Sheet1" and an empty string table.
    void Reset();
    std::size_t PayloadSize();
    std::size_t Emit(std::uint8_t* out);

    BofRecord bof{BofRecord::kGlobals};
    Window1Record window1;
    std::array<FontRecord, 4> fonts;
    std::array<XfRecord, 21> xfs;
    std::array<StyleRecord, 6> styles;
    std::vector<BoundSheetRecord> sheets;
    SstRecord sst;
    ExtSstRecord extSst;  // held, never written nor counted
    EofRecord eof;
};

}  // namespace terrovane::xls
