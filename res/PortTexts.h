#pragma once

#include <QtGlobal>

#include <array>

namespace terrovane::res {

// The texts of the port choice: the Mount menu's item and the chooser it opens, kept together so that they
// are translated together (the menu item under "Menu", the chooser's under "PortChooser").
inline constexpr const char* kPortMenuText = QT_TRANSLATE_NOOP("Menu", "&Port...");
inline constexpr const char* kPortChooserCaption = QT_TRANSLATE_NOOP("PortChooser", "Instrument port");
inline constexpr const char* kPortChooserPrompt =
    QT_TRANSLATE_NOOP("PortChooser", "Choose the instrument bridge that Read, Date&Time and Erase use:");
inline constexpr const char* kPortChooserNone =
    QT_TRANSLATE_NOOP("PortChooser", "No instrument bridge is attached.");
inline constexpr std::array<const char*, 4> kPortChooserColumns = {
    QT_TRANSLATE_NOOP("PortChooser", "Device"), QT_TRANSLATE_NOOP("PortChooser", "Product id"),
    QT_TRANSLATE_NOOP("PortChooser", "USB serial"), QT_TRANSLATE_NOOP("PortChooser", "USB path")};
inline constexpr const char* kPortChooserOk = QT_TRANSLATE_NOOP("PortChooser", "OK");
inline constexpr const char* kPortChooserCancel = QT_TRANSLATE_NOOP("PortChooser", "Cancel");

}  // namespace terrovane::res
