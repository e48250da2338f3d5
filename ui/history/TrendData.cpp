#include "TrendData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

#include "Reading.h"
#include "RecordTable.h"
#include "RecordTexts.h"
#include "ResultView.h"
#include "TypedResultView.h"

namespace terrovane::history {

std::optional<double> DayNumber(const std::string& date, const std::string& time) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    char tail = 0;
    if (date.size() != 10 || std::sscanf(date.c_str(), "%4d-%2u-%2u%c", &year, &month, &day, &tail) != 3) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year(year), std::chrono::month(month),
                                          std::chrono::day(day)};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    double fraction = 0;
    if (time.size() == 8 && std::sscanf(time.c_str(), "%2d:%2d:%2d%c", &hour, &minute, &second, &tail) == 3 &&
        hour < 24 && minute < 60 && second < 60) {
        fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    }
    return std::chrono::sys_days(ymd).time_since_epoch().count() + fraction;
}

std::optional<format::Quantity> TrendQuantity(const std::vector<archive::ResultRow>& rows) {
    std::map<format::Quantity, int> counts;
    for (const archive::ResultRow& row : rows) {
        if (const auto quantity =
                archive::MainQuantity(record::MeasurementRecord::FromPacket(row.packet).mode)) {
            ++counts[*quantity];
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? std::nullopt : std::optional(most->first);
}

TrendSeries BuildTrend(const std::vector<archive::ResultRow>& rows, format::Quantity quantity) {
    TrendSeries series;
    series.quantity = quantity;
    series.title = QuantityTitle(quantity);
    double newest = -1e300;
    for (const archive::ResultRow& row : rows) {
        const auto record = record::MeasurementRecord::FromPacket(row.packet);
        const format::Reading reading = format::ReadingOf(quantity, &record);
        if (reading.kind == format::ReadingKind::NotApplicable) {
            continue;  // another mode's result: not a reading of this quantity
        }
        const std::string date = format::FormatRecordDate(record);
        const std::string time = format::FormatRecordTime(record);
        const auto day = DayNumber(date, time);
        if (!day || !(reading.IsMeasured() || reading.IsOverRange())) {
            ++series.leftOut;
            continue;
        }
        TrendSample sample{*day, reading.value, date + " " + time, row.id};
        if (reading.IsOverRange()) {
            series.overRange.push_back(std::move(sample));
        } else {
            series.samples.push_back(std::move(sample));
        }
        if (quantity == format::Quantity::Re && row.limit && *day >= newest) {
            newest = *day;
            series.limit = row.limit;
        }
    }
    const auto byDay = [](const TrendSample& a, const TrendSample& b) { return a.day < b.day; };
    std::stable_sort(series.samples.begin(), series.samples.end(), byDay);
    std::stable_sort(series.overRange.begin(), series.overRange.end(), byDay);
    return series;
}

int AddTypedResults(TrendSeries& series, const std::vector<archive::TypedResultVersion>& typed) {
    int added = 0;
    double newest = -1e300;
    for (const TrendSample& sample : series.samples) {
        newest = std::max(newest, sample.day);
    }
    for (const archive::TypedResultVersion& version : typed) {
        const auto day = DayNumber(version.date, version.time);
        for (const archive::TypedValue& value : version.fields.values) {
            if (!day || archive::QuantityOfTypedValue(value.name) != series.quantity) {
                continue;
            }
            TrendSample sample(
                *day, value.number, version.date + " " + version.time, version.id,
                TrendSample::Typed{
                    version.fields.measuredBy.empty() ? version.fields.typedBy : version.fields.measuredBy,
                    version.fields.instrument});
            (value.overRange ? series.overRange : series.samples).push_back(std::move(sample));
            ++added;
            if (series.quantity == format::Quantity::Re && version.limit &&
                (!series.limit || *day >= newest)) {
                newest = *day;
                series.limit = version.limit;
            }
        }
    }
    const auto byDay = [](const TrendSample& a, const TrendSample& b) { return a.day < b.day; };
    std::stable_sort(series.samples.begin(), series.samples.end(), byDay);
    std::stable_sort(series.overRange.begin(), series.overRange.end(), byDay);
    return added;
}

std::string OverRangeShown(const TrendSeries& series, const TrendSample& sample) {
    return format::OverRangeText(series.quantity, {format::ReadingKind::OverRange, sample.value, 0, nullptr});
}

std::string QuantityTitle(format::Quantity quantity) {
    switch (quantity) {
        case format::Quantity::Rac:
            return "Rac (Ω)";
        case format::Quantity::R1:
            return "R1 (Ω)";
        case format::Quantity::Resistivity:
            return "ρ (Ω·m)";
        case format::Quantity::Iac:
            return "Iac (A)";
        default:
            return "Re (Ω)";
    }
}

}  // namespace terrovane::history
