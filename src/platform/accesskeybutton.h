#pragma once

#include <QPushButton>

namespace memoquill {

// A push button whose access key (Alt with its underlined letter) takes the focus before the
// click, as on classic desktop forms: a text box that had the focus is left, and commits, first.
// Qt's own button only animates a click, later and without moving the focus.
class AccessKeyButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent *event) override;
};

} // namespace memoquill
