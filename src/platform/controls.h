#pragma once

#include <QKeyCombination>
#include <QRect>
#include <QSize>
#include <QString>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace memoquill {

// Builders for the windows' designs; every control gets its name as object name.

// Names a top-level window and gives it its title and a client area of the designed size (in
// pixels), which the frame keeps: nothing in the window moves or grows. Closing the window
// destroys it. Returns the client area, the parent of the window's controls.
QWidget *setUpWindow(QMainWindow *window, const char *name, const QString &title, QSize client);

// Puts a control of a client area where the design has it, given in pixels from the area's top
// left. In a right-to-left language the design is mirrored, as Qt's layouts mirror theirs: a
// control designed x pixels from the left edge stands x pixels from the right one.
void place(QWidget *control, const QRect &designed);

// A control with a caption (a push button, a check box), named and placed.
template <typename Control>
Control *addControl(QWidget *parent, const char *name, const QString &caption,
                    const QRect &designed)
{
    auto *control = new Control(caption, parent);
    control->setObjectName(QLatin1StringView(name));
    place(control, designed);
    return control;
}

// A label, named and placed, that shows its text as it is: never as markup.
QLabel *addLabel(QWidget *parent, const char *name, const QString &caption, const QRect &designed);

// A multi-line text box with a vertical scroll bar, in which Tab moves on to the next control.
QPlainTextEdit *addTextBox(QWidget *parent, const char *name, const QString &accessibleName,
                           const QRect &geometry);

// A menu item (in a menu) or an entry that acts on click (in the menu bar).
QAction *addMenuItem(QWidget *menu, const char *name, const QString &caption,
                     QKeyCombination shortcut = {}, bool enabled = true);

QAction *addMenuSeparator(QMenu *menu, const char *name);

// Hides a top-level window so that it comes back where it stood: a window manager places a
// window anew each time it is mapped, unless the window names its own position.
void hideInPlace(QWidget *window);

} // namespace memoquill
