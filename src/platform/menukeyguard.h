#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>

class QMenuBar;
class QWidget;

namespace memoquill {

// Makes a window's menu keys belong to its menus, whatever control has the focus.
//
// A text box claims Ctrl+A, Ctrl+X, Ctrl+C and Ctrl+V for itself before any menu shortcut is
// tried; the guard takes them back. When the menu item is disabled its shortcut does not fire
// and the key would reach the box as typing (select all, copy, or the letter of Alt+letter):
// the guard swallows it, so a disabled item's key does nothing at all.
class MenuKeyGuard : public QObject
{
    Q_OBJECT

public:
    // Watches every control of window; the keys are read from menuBar's items and from the
    // access keys of the window's buttons and menu-bar entries.
    MenuKeyGuard(QWidget *window, QMenuBar *menuBar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QKeyCombination> m_shortcuts;
    QList<QKeyCombination> m_accessKeys;
};

} // namespace memoquill
