#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "PortChoice.h"
#include "PortMap.h"

namespace terrovane::link {

// The port name is held in 12 characters, terminating zero included.
inline constexpr std::size_t kPortNameCapacity = 12;

// The bridge driver's device names, in the order they are tried.
inline constexpr std::string_view kBridgeValueNames[] = {"\\Device\\Slabser0", "\\Device\\Silabser0"};

// The bridge's port name ("COM3") from the serial-port map: the first key that opens (the second only
// when the first cannot be opened), in it the first bridge value present. Nothing when no key opens, no
// value is present, or the text does not fit the port name. Shows no message.
std::optional<std::string> FindPortName(const platform::PortMapSource& portMap);
// The same with the user's choice among several bridge ports: the one port the selector names, else (when
// the choice is not required) the port found as above.
std::optional<std::string> FindPortName(const platform::PortMapSource& portMap, const PortChoice& choice);

inline constexpr const char* kPortNameUnknown = "Port message unknown";
inline constexpr const char* kPortNumberError = "port num at regedit error";

// The number in "COM<n>" as ParsePortNumber judges it, but quietly: -1 with the message it would show.
int PortNumberOf(std::string_view portName, std::string& message);

// The number in "COM<n>" (digits up to the first non-digit: COM7A gives 7), or -1 after the message
// "Port message unknown" (no "COM" prefix) or "port num at regedit error" (no digit, or a number the
// serial control's 16-bit port number cannot hold).
int ParsePortNumber(std::string_view portName);

}  // namespace terrovane::link
