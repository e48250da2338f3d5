#pragma once

#include <array>

namespace terrovane::res {

// The texts of the port choice: the Mount menu's item and the chooser it opens, kept together so that they
// are translated together.
inline constexpr const char* kPortMenuText = "Port...";
inline constexpr const char* kPortChooserCaption = "Instrument port";
inline constexpr const char* kPortChooserPrompt =
    "Choose the instrument bridge that Read, Date&Time and Erase use:";
inline constexpr const char* kPortChooserNone = "No instrument bridge is attached.";
inline constexpr std::array<const char*, 4> kPortChooserColumns = {"Device", "Product id", "USB serial",
                                                                   "USB path"};
inline constexpr const char* kPortChooserOk = "OK";
inline constexpr const char* kPortChooserCancel = "Cancel";

// The setting that remembers the choice: a USB serial, else a USB path, else a device path.
inline constexpr const char* kPortChoiceSetting = "Port/Chosen";

}  // namespace terrovane::res
