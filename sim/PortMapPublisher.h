#pragma once

#include <string>

namespace terrovane::sim {

// Enters a bridge port into a port-map file: value "\Device\Silabser0" = "COM<n>" under the SERIALCOMM
// key and "COM<n>" = device in [Ports]. Every other line of the file is kept as it is.
std::string WithPortPublished(const std::string& fileText, int comNumber, const std::string& devicePath);
// Removes those two entries again, but only where they still name this port and this device (someone
// else may have taken the port over in the meantime). Every other line is kept.
std::string WithPortWithdrawn(const std::string& fileText, int comNumber, const std::string& devicePath);

// The same on the file itself, written atomically. False, with error set, when the file cannot be written.
bool PublishPort(const std::string& mapPath, int comNumber, const std::string& devicePath,
                 std::string& error);
bool WithdrawPort(const std::string& mapPath, int comNumber, const std::string& devicePath,
                  std::string& error);

}  // namespace terrovane::sim
