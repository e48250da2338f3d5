#include "GlobalsSection.h"

namespace terrovane::xls {

void GlobalsSection::Reset() {
    bof = BofRecord(BofRecord::kGlobals);
    window1 = Window1Record();
    fonts.fill(FontRecord());
    xfs.fill(XfRecord());
    styles.fill(StyleRecord());
    sheets.assign(1, BoundSheetRecord());
    sst.Clear();
}

std::size_t GlobalsSection::PayloadSize() {
    std::size_t size = bof.TotalSize() + window1.TotalSize() + sst.TotalSize() + eof.TotalSize();
    for (auto& r : fonts) {
        size += r.TotalSize();
    }
    for (auto& r : xfs) {
        size += r.TotalSize();
    }
    for (auto& r : styles) {
        size += r.TotalSize();
    }
    for (auto& r : sheets) {
        size += r.TotalSize();
    }
    return size;
}

std::size_t GlobalsSection::Emit(std::uint8_t* out) {
    std::uint8_t* cursor = out;
    cursor += bof.Emit(cursor);
    cursor += window1.Emit(cursor);
    for (auto& r : fonts) {
        cursor += r.Emit(cursor);
    }
    for (auto& r : xfs) {
        cursor += r.Emit(cursor);
    }
    for (auto& r : styles) {
        cursor += r.Emit(cursor);
    }
    for (auto& r : sheets) {
        cursor += r.Emit(cursor);
    }
    cursor += sst.Emit(cursor);
    cursor += eof.Emit(cursor);
    return static_cast<std::size_t>(cursor - out);
}

}  // namespace terrovane::xls
