#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ArchiveTypes.h"
#include "Quantity.h"
#include "TypedResults.h"

namespace terrovane::history {

// One point of a trend: when it was measured (days since 1970-01-01, the time of day as the fraction)
// and the value.
struct TrendSample {
    // Set for a result typed by hand: who measured it (else who typed it) and with which instrument.
    struct Typed {
        std::string by;
        std::string instrument;
    };

    TrendSample() = default;
    TrendSample(double day, double value, std::string when, std::int64_t id, std::optional<Typed> typed = {})
        : day(day), value(value), when(std::move(when)), id(id), typed(std::move(typed)) {}

    double day = 0;
    double value = 0;
    std::string when;  // "yyyy-mm-dd hh:mm:ss" as the instrument stored it
    std::int64_t id = 0;
    std::optional<Typed> typed;
};

struct TrendSeries {
    format::Quantity quantity = format::Quantity::Re;
    std::string title;                    // the quantity with its unit, e.g. "Re (Ω)"
    std::vector<TrendSample> samples;     // in measuring order
    std::optional<archive::Limit> limit;  // of an earth resistance trend: the newest that applies
    // Readings the instrument showed as over range, each with its bound as value: they have no number, so
    // they are drawn as markers at the top of the plot, never at a height.
    std::vector<TrendSample> overRange;
    int leftOut = 0;  // invalid readings, and readings without a valid measuring date
};

// Days since 1970-01-01 of "yyyy-mm-dd" plus the fraction of "hh:mm:ss"; nullopt for texts that are no
// valid date (an instrument clock that was never set can store any nibbles).
std::optional<double> DayNumber(const std::string& date, const std::string& time);

// The quantity a label's trend follows: the main quantity of the mode most of its results were measured in.
std::optional<format::Quantity> TrendQuantity(const std::vector<archive::ResultRow>& rows);

// The measured and the over-range readings of `quantity` among the rows, each by measuring date and time,
// with the readings left out counted; for Re the limit that applies to the newest of them that has one.
TrendSeries BuildTrend(const std::vector<archive::ResultRow>& rows, format::Quantity quantity);

// Adds the typed results' values of the series' quantity (their newest versions), marked typed, in
// measuring order with the rest; for Re the limit of the newest one that has one, as BuildTrend takes it.
// The number added.
int AddTypedResults(TrendSeries& series, const std::vector<archive::TypedResultVersion>& typed);

// An over-range sample of the series as the instrument showed it: "> 300 kΩ".
std::string OverRangeShown(const TrendSeries& series, const TrendSample& sample);

// "Re (Ω)", "Rac (Ω)", "R1 (Ω)", "ρ (Ω·m)" or "Iac (A)".
std::string QuantityTitle(format::Quantity quantity);

}  // namespace terrovane::history
