#include "Protocol.h"

#include <QDate>

namespace terrovane::link {

std::string_view CommandNameByCode(int code) {
    for (const CommandWord& word : kLinkCommands) {
        if (word.number == -1) {
            break;
        }
        if (word.number == code) {
            return word.name;
        }
    }
    return {};
}

std::string IndexedCommandLine(std::string_view name, int number) {
    std::string line(name.substr(0, kCommandTextSize - 1));
    line += ' ' + std::to_string(number) + " \r";
    return line;
}

std::string ClockLine(const ClockSetting& clock) {
    std::string line = "DATE_SET";
    for (const int field : {20, clock.year - 2000, clock.month, clock.day, clock.hour, clock.minute}) {
        line += ' ' + std::to_string(field);
    }
    return line + " \r";
}

bool IsClockSettable(const ClockSetting& clock) {
    return clock.year >= 2000 && clock.year <= 2099 && QDate::isValid(clock.year, clock.month, clock.day) &&
           clock.hour >= 0 && clock.hour < 24 && clock.minute >= 0 && clock.minute < 60;
}

std::string EraseLine(int number) {
    return "EREASE_FLASH " + std::to_string(number) + "\r\n";
}

}  // namespace terrovane::link
