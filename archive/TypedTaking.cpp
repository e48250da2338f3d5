#include "TypedTaking.h"

#include <cmath>
#include <set>

#include "Due.h"
#include "Numbers.h"
#include "Problems.h"
#include "Utf8Text.h"

namespace terrovane::archive {
namespace {

// Enough for a make, model and serial or a few sentences, as for a typed result.
constexpr std::size_t kTakingCharacters = 2000;

bool TakingDigits(const std::string& text, std::size_t at, int low, int high) {
    if (text[at] < '0' || text[at] > '9' || text[at + 1] < '0' || text[at + 1] > '9') {
        return false;
    }
    const int value = (text[at] - '0') * 10 + (text[at + 1] - '0');
    return value >= low && value <= high;
}

}  // namespace

std::optional<Failure> TypedTakingProblem(const TypedTaking& taking, const std::string& now) {
    const std::string& m = taking.measured;
    const bool minute = m.size() == 16 && m[10] == ' ' && m[13] == ':' &&
                        AddMonths(m.substr(0, 10), 0) == m.substr(0, 10) && TakingDigits(m, 11, 0, 23) &&
                        TakingDigits(m, 14, 0, 59);
    if (!minute) {
        return Refused(kMeasuredNotADate, {m});
    }
    if (m > now) {
        return Refused(kMeasuredInFuture, {m});
    }
    for (const std::string* text : {&taking.instrument, &taking.measuredBy, &taking.note, &taking.typedBy}) {
        if (text->size() > kTakingCharacters) {
            return Refused(kTypedTextTooLong, {std::to_string(kTakingCharacters)});
        }
    }
    return {};
}

std::optional<Failure> TypedReadingsProblem(const std::vector<std::pair<double, double>>& readings,
                                            std::size_t least, std::size_t most, const char* tooShort) {
    if (readings.size() < least) {
        return Refused(tooShort);
    }
    if (readings.size() > most) {
        return Refused(kTooManyReadings, {std::to_string(most)});
    }
    std::set<double> seen;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const auto [where, value] = readings[i];
        const std::string number = std::to_string(i + 1);
        if (!std::isfinite(where) || !std::isfinite(value) || !(where > 0) || !(value > 0)) {
            return Refused(kReadingNotPositive, {number});
        }
        if (!seen.insert(where).second) {
            return Refused(kDistanceTwice, {number, numbers::General(where, 6)});
        }
    }
    return {};
}

void BindTaking(Statement& statement, int first, const TypedTaking& taking, const std::string& typedAt) {
    statement.Bind(first, std::string_view(taking.measured).substr(0, 10));
    statement.Bind(first + 1, std::string_view(taking.measured.substr(11) + ":00"));
    // What a terminal or a file in another encoding gave is kept readable rather than refused.
    const std::string texts[] = {ValidUtf8(taking.instrument), ValidUtf8(taking.measuredBy),
                                 ValidUtf8(taking.note), ValidUtf8(taking.typedBy)};
    for (int i = 0; i < 4; ++i) {
        statement.Bind(first + 2 + i, std::string_view(texts[i]));
    }
    statement.Bind(first + 6, std::string_view(typedAt));
}

TypedTaking TakingAt(const Statement& row, int first, std::string& typedAt) {
    TypedTaking taking;
    taking.measured = row.Text(first) + " " + row.Text(first + 1).substr(0, 5);
    taking.instrument = row.Text(first + 2);
    taking.measuredBy = row.Text(first + 3);
    taking.note = row.Text(first + 4);
    taking.typedBy = row.Text(first + 5);
    typedAt = row.Text(first + 6);
    return taking;
}

}  // namespace terrovane::archive
