#include "ResultInsert.h"

#include <cmath>

#include "MeasuringDate.h"
#include "RecordTexts.h"

namespace terrovane::archive {

void BindDecoded(Statement& insert, const Packet& packet) {
    const auto record = record::MeasurementRecord::FromPacket(packet);
    insert.Bind(5, static_cast<std::int64_t>(record.mode));
    insert.Bind(6, std::string_view(format::FormatRecordDate(record)));
    insert.Bind(7, std::string_view(format::FormatRecordTime(record)));
    insert.Bind(8, static_cast<std::int64_t>(record.voltageCode));
    insert.Bind(9, static_cast<std::int64_t>(record.frequencyCode));
    for (int i = 0; i < record::kValueCount; ++i) {
        const double value = record.values[static_cast<std::size_t>(i)];
        if (std::isfinite(value)) {
            insert.Bind(10 + i, value);
        } else {
            insert.BindNull(10 + i);
        }
    }
    insert.Bind(21, static_cast<std::int64_t>(record.integerValue));
    insert.Bind(22, ValidMeasuringDate(record));
    insert.BindBlob(23, MeasuringBytes(record));
}

}  // namespace terrovane::archive
