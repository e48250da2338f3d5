#include "MeasuringDate.h"

namespace terrovane::archive {
namespace {

// A byte whose two nibbles are both decimal digits, as its number.
std::optional<int> Bcd(std::uint32_t field) {
    const std::uint32_t byte = field & 0xFF;
    if (field > 0xFF || (byte & 0x0F) > 9 || (byte >> 4) > 9) {
        return std::nullopt;
    }
    return static_cast<int>((byte >> 4) * 10 + (byte & 0x0F));
}

int DaysIn(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string TwoDigits(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

std::optional<std::string> ValidMeasuringDate(const record::MeasurementRecord& record) {
    const auto year = Bcd(record.year);
    const auto month = Bcd(record.month);
    const auto day = Bcd(record.day);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysIn(2000 + *year, *month)) {
        return std::nullopt;
    }
    return "20" + TwoDigits(*year) + "-" + TwoDigits(*month) + "-" + TwoDigits(*day);
}

std::array<std::uint8_t, 6> MeasuringBytes(const record::MeasurementRecord& record) {
    const auto byte = [](std::uint32_t field) { return static_cast<std::uint8_t>(field & 0xFF); };
    return {byte(record.year), byte(record.month),  byte(record.day),
            byte(record.hour), byte(record.minute), byte(record.second)};
}

}  // namespace terrovane::archive
