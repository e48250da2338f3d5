#include "SheetSection.h"

namespace terrovane::xls {

std::size_t SheetSection::PayloadSize() {
    std::size_t size = bof.TotalSize() + index.TotalSize() + dimensions.TotalSize();
    for (auto& group : rowGroups) {
        size += group.TotalSize();
    }
    size += grid.TotalSize();
    return size + window2.TotalSize() + eof.TotalSize();
}

std::size_t SheetSection::Emit(std::uint8_t* out) {
    std::uint8_t* cursor = out;
    cursor += bof.Emit(cursor);
    cursor += index.Emit(cursor);
    cursor += dimensions.Emit(cursor);
    for (auto& group : rowGroups) {
        cursor += group.Emit(cursor);
    }
    cursor += grid.Emit(cursor);
    cursor += window2.Emit(cursor);
    cursor += eof.Emit(cursor);
    return static_cast<std::size_t>(cursor - out);
}

}  // namespace terrovane::xls
