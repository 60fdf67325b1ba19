#include "platform/accesskeybutton.h"

#include <QShortcutEvent>

namespace memoquill {

bool AccessKeyButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && isEnabled()
        && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QPushButton::event(event);
}

} // namespace memoquill
