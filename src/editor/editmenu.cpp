// The text boxes' focus handlers, which commit typed text, and the Edit menu that follows them.
#include "editor/cardcreate.h"

#include "platform/textbox.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>

namespace memoquill {

using namespace Qt::StringLiterals;

void CardCreate::TFront_GotFocus()
{
    MEdit->menuAction()->setEnabled(true);
}

void CardCreate::TFront_LostFocus()
{
    AutoUpdate();
    MEdit->menuAction()->setEnabled(false);
}

void CardCreate::TBack_GotFocus()
{
    MEdit->menuAction()->setEnabled(true);
}

void CardCreate::TBack_LostFocus()
{
    AutoUpdate();
    MEdit->menuAction()->setEnabled(false);
}

bool CardCreate::copySelection()
{
    // Available when either box holds a selection, whichever control has the focus.
    if (textbox::selectedText(TFront).value_or(QString()).isEmpty()
        && textbox::selectedText(TBack).value_or(QString()).isEmpty())
        return false;
    // A focused control without text (possible only before any box had the focus) would
    // have nothing to give: leave the clipboard as it is.
    const std::optional<QString> selection = textbox::selectedText(QApplication::focusWidget());
    if (!selection)
        return false;
    m_platform.clearClipboard();
    m_platform.setClipboardText(*selection);
    return true;
}

void CardCreate::MCut_Click()
{
    if (copySelection())
        textbox::replaceSelection(QApplication::focusWidget(), QString());
}

void CardCreate::Mcopy_Click()
{
    copySelection();
}

void CardCreate::Mpaste_Click()
{
    // Every failure is ignored: with no text on the clipboard this removes the selection, and
    // a focused control without text is left alone.
    textbox::replaceSelection(QApplication::focusWidget(), m_platform.clipboardText());
}

void CardCreate::MAbout_Click()
{
    // The program's name is a name in every language.
    m_platform.msgBox(
        tr("Programmed by Alder Quimbly\r\nTested by Brisk Oddal\r\nTitle concept by Wend"),
        u"Memoquill"_s, MsgButtons::OkCancel, MsgIcon::None);
}

void CardCreate::MJoke_Click()
{
    m_platform.msgBox(tr("Dude! That was really dumb!\r\nWhat if that had really crashed your "
                         "Computer?\r\nWhat would you do then?"),
                      tr("What were you thinking?"), MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace memoquill
