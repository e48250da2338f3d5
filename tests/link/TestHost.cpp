#include "TestHost.h"
#include "RecordTexts.h"

namespace terrovane::testing {

void TestHost::FillRecordList(const record::RecordTable& table) {
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        if (const auto texts = format::RecordListTexts(table, slot)) {
            rows[slot] = texts->date + " " + texts->time;
        }
    }
}

void TestHost::OpenProgress() {
    progressOpen = true;
    ++progressOpenings;
    positions.clear();
}

}  // namespace terrovane::testing
