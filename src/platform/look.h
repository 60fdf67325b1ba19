#pragma once

class QApplication;

namespace memoquill {

// The look the windows are designed for: Fusion everywhere, a compact dialog font that fits
// the fixed layouts, in-window menu bars, and message box buttons in the order users know
// (Yes, No, Cancel; OK, Cancel).
void applyDesktopLook(QApplication &app);

} // namespace memoquill
