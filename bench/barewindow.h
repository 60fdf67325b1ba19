#pragma once

#include <QMainWindow>

namespace memoquill::bench {

// A QMainWindow with a menu bar, a list, two plain text boxes and two buttons placed as in
// the editor, with nothing connected. Not shown yet.
QMainWindow *makeBareWindow();

} // namespace memoquill::bench
