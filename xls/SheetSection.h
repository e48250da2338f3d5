#pragma once

#include <vector>

#include "GlobalRecords.h"
#include "GridBlocks.h"
#include "RowGroup.h"
#include "SheetRecords.h"

namespace terrovane::xls {

// One worksheet substream: BOF, INDEX, DIMENSIONS, the row blocks, WINDOW2, EOF. A saved sheet's blocks
// come straight from its grid; blocks held as records (rowGroups) are written before them.
class SheetSection {
  public:
    std::size_t PayloadSize();
    std::size_t Emit(std::uint8_t* out);

    BofRecord bof{BofRecord::kWorksheet};
    IndexRecord index;
    DimensionsRecord dimensions;
    std::vector<RowGroup> rowGroups;
    GridBlocks grid;
    Window2Record window2;
    EofRecord eof;
};

}  // namespace terrovane::xls
