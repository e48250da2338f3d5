#pragma once

#include <array>
#include <string>
#include <string_view>

namespace terrovane::link {

// The only line settings the instrument speaks: 115 200 baud, no parity, 8 data bits, 1 stop bit.
inline constexpr std::string_view kCommSettings = "115200,n,8,1";

// Waits of the protocol: the handshake's reply time and the pace of the record requests.
inline constexpr int kHandshakeWaitMs = 100;
inline constexpr int kRequestPaceMs = 100;

inline constexpr std::string_view kHandshakeLine = "OK\r\n";

// The erase number that means "all records" (not a slot number).
inline constexpr int kEraseAllNumber = 200;

// The command lines are assembled in a buffer of this size, terminating zero included.
inline constexpr std::size_t kCommandTextSize = 32;

struct CommandWord {
    std::string_view name;
    int number;
};

// The instrument's vocabulary. Only the record request name is looked up (by code, in the second list);
// the numbers never go on the wire.
inline constexpr std::array<CommandWord, 9> kInstrumentCommands{{
    {"DAT_REC", 0},
    {"LOGO_REC", 1},
    {"PI_SET", 2},
    {"DATE_SET", 3},
    {"STEP_SET", 4},
    {"EREASE_FLASH", 5},
    {"SELF_TEST", 6},
    {"OK", 7},
    {"VERSION", 8},
}};
inline constexpr std::array<CommandWord, 5> kLinkCommands{{
    {"DAT_REC", 0}, {"DATE_SET", 3}, {"SHAKE_HAND", 2}, {"ERASH_FLASH", 3}, {"", -1},  // end mark
}};

// The first name of the second list carrying `code`, or empty at the end mark.
std::string_view CommandNameByCode(int code);

// name + " %d \r", the name cut to 31 characters: "DAT_REC 7 \r".
std::string IndexedCommandLine(std::string_view name, int number);

// "DATE_SET 20 <year-2000> <month> <day> <hour> <minute> \r"; seconds are not sent.
struct ClockSetting {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};
std::string ClockLine(const ClockSetting& clock);
// True when the instrument can hold the date: two-digit years 2000-2099, real calendar fields.
bool IsClockSettable(const ClockSetting& clock);

// "EREASE_FLASH <number>\r\n": a slot 0-99, or kEraseAllNumber.
std::string EraseLine(int number);

}  // namespace terrovane::link
