#pragma once

#include <vector>

#include "GlobalRecords.h"
#include "RowGroup.h"
#include "SheetRecords.h"

namespace terrovane::xls {

// One worksheet substream: BOF, INDEX, DIMENSIONS, the row blocks, WINDOW2, EOF.
class SheetSection {
  public:
    std::size_t PayloadSize();
    std::size_t Emit(std::uint8_t* out);

    BofRecord bof{BofRecord::kWorksheet};
    IndexRecord index;
    DimensionsRecord dimensions;
    std::vector<RowGroup> rowGroups;
    Window2Record window2;
    EofRecord eof;
};

}  // namespace terrovane::xls
