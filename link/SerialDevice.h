#pragma once

#include <string>

#include "LineSettings.h"

namespace terrovane::link {

// Opens a serial device for exclusive use, raw, with the given settings and empty buffers. Returns the
// descriptor, or -1 with error set to a message the user can act on, naming the port and the device:
// "COM3 (/dev/ttyUSB0): Permission denied — add yourself to the dialout group". A port in use elsewhere
// (locked by another program, root's included) names the holder when /proc shows it:
// "COM3 (/dev/ttyUSB0): Device or resource busy — in use by terrovane-cli (pid 4242)".
int OpenSerialDevice(const std::string& portName, const std::string& devicePath, const LineSettings& settings,
                     std::string& error);

// Applies settings to an open line; false with error set when the line refuses them.
[[nodiscard]] bool ApplySettingsTo(int fd, const LineSettings& settings, std::string& error);

// Gives up exclusive use and closes the descriptor.
void CloseSerialDevice(int fd);

}  // namespace terrovane::link
