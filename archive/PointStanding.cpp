#include "PointStanding.h"

#include <tuple>

#include "MeasuringDate.h"
#include "Reading.h"
#include "RecordTexts.h"

namespace terrovane::archive {

bool Measured(const record::MeasurementRecord& record) {
    const std::optional<format::Quantity> main = format::MainQuantity(record.mode);
    if (!main) {
        return false;
    }
    const format::Reading reading = format::ReadingOf(*main, &record);
    return reading.IsMeasured() || reading.IsOverRange();
}

Attempt AttemptOf(std::int64_t id, const record::MeasurementRecord& record) {
    return {ValidMeasuringDate(record).value_or(""), format::FormatRecordTime(record), id, Measured(record)};
}

bool Newer(const Attempt& a, const Attempt& b) {
    return std::tie(a.date, a.time, a.id) > std::tie(b.date, b.time, b.id);
}

Standing StandingOf(const std::vector<Attempt>& attempts) {
    Standing standing;
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        if (attempts[i].measured && (!standing.latest || Newer(attempts[i], attempts[*standing.latest]))) {
            standing.latest = i;
        }
    }
    for (const Attempt& attempt : attempts) {
        if (!attempt.measured && (!standing.latest || Newer(attempt, attempts[*standing.latest]))) {
            ++standing.failedSince;
        }
    }
    return standing;
}

}  // namespace terrovane::archive
