#pragma once

#include <termios.h>

#include <optional>
#include <string>

namespace terrovane::link {

// Parsed "baud,parity,data,stop" line settings, e.g. "115200,n,8,1".
struct LineSettings {
    speed_t speed = B115200;
    char parity = 'n';  // n, e, o, m (mark) or s (space)
    int dataBits = 8;   // 5 to 8
    int stopBits = 1;   // 1 or 2
};

// Parses the text; on failure returns nullopt and, if error is given, says why.
[[nodiscard]] std::optional<LineSettings> ParseLineSettings(const std::string& text,
                                                            std::string* error = nullptr);

// Puts the line in raw mode with the settings: no flow control, modem lines ignored, receiver on.
void ApplyLineSettings(const LineSettings& settings, termios& attributes);

}  // namespace terrovane::link
