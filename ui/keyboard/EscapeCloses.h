#pragma once

class QWidget;

namespace terrovane::keyboard {

// Escape closes `window` (a top-level window that is not a dialog, which closes on Escape by itself),
// as it closes every other window but the main one.
void CloseOnEscape(QWidget* window);

}  // namespace terrovane::keyboard
