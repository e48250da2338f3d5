#include "TypedResultView.h"

#include <algorithm>
#include <string_view>

#include "TypedVerdict.h"

namespace terrovane::archive {
namespace {

// The column of the results' files a typed value belongs under.
std::optional<std::size_t> ColumnOfValue(std::string_view name) {
    static const std::pair<std::string_view, std::string_view> kColumns[] = {
        {"Re", "Re"},   {"Rs", "Rs"}, {"Rh", "Rh"},           {"Rk", "Rk"},
        {"Rac", "Rac"}, {"R", "R1"},  {"rho", "Resistivity"}, {"I", "Iac"}};
    for (const auto& [typed, column] : kColumns) {
        if (typed != name) {
            continue;
        }
        for (std::size_t i = 0; i < kValueNames; ++i) {
            if (column == ValueQuantities()[i].name) {
                return i;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<format::Quantity> QuantityOfTypedValue(std::string_view name) {
    const auto column = ColumnOfValue(name);
    return column ? std::optional(ValueQuantities()[*column].quantity) : std::nullopt;
}

ResultView TypedResultView(const TypedResultVersion& version) {
    ResultView view;
    view.modeName = version.fields.method;
    view.date = version.date;
    view.time = version.time;
    view.note = version.fields.note;
    view.cells.fill(std::string());
    for (const TypedValue& value : version.fields.values) {
        if (const auto column = ColumnOfValue(value.name)) {
            view.readings[*column] = {
                value.overRange ? format::ReadingKind::OverRange : format::ReadingKind::Measured,
                value.number, value.number, nullptr};
        }
    }
    if (version.point) {
        view.site = version.site;
        view.point = version.pointName;
    }
    view.limit = version.limit;
    view.verdict = JudgeTyped(version.fields, version.limit);
    view.typed = TypedMark{version.id,
                           version.fields.method,
                           version.fields.instrument,
                           version.fields.measuredBy,
                           version.fields.typedBy,
                           version.typedAt};
    return view;
}

std::vector<ResultView> WithTypedViews(std::vector<ResultView> results,
                                       const std::vector<TypedResultVersion>& typed) {
    results.reserve(results.size() + typed.size());
    std::transform(typed.begin(), typed.end(), std::back_inserter(results), TypedResultView);
    return results;
}

}  // namespace terrovane::archive
