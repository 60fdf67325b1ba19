#include "platform/menukeyguard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace memoquill {

namespace {

void collectShortcuts(const QList<QAction *> &actions, QList<QKeyCombination> &into)
{
    for (const QAction *action : actions) {
        if (action->menu())
            collectShortcuts(action->menu()->actions(), into);
        else if (!action->shortcut().isEmpty())
            into.append(action->shortcut()[0]);
    }
}

void addAccessKey(const QString &caption, QList<QKeyCombination> &into)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty())
        into.append(key[0]);
}

} // namespace

MenuKeyGuard::MenuKeyGuard(QWidget *window, QMenuBar *menuBar)
    : QObject(window)
{
    collectShortcuts(menuBar->actions(), m_shortcuts);
    for (const QAction *entry : menuBar->actions())
        addAccessKey(entry->text(), m_accessKeys);
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        addAccessKey(button->text(), m_accessKeys);

    window->installEventFilter(this);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        // Menus handle their own keys while open.
        if (!qobject_cast<QMenu *>(control) && !qobject_cast<QMenuBar *>(control))
            control->installEventFilter(this);
    }
}

bool MenuKeyGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);

    auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination combination = key->keyCombination();
    if (event->type() == QEvent::ShortcutOverride) {
        if (m_shortcuts.contains(combination)) {
            // Left unaccepted, so the menu's shortcut is tried.
            key->ignore();
            return true;
        }
        return false;
    }
    // A key press of a menu key means its item is disabled: nothing may happen.
    return m_shortcuts.contains(combination) || m_accessKeys.contains(combination);
}

} // namespace memoquill
