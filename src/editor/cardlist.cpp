// Which cards exist and which one the editor shows: New Card, picking a card, committing the
// text boxes, Delete Card.
#include "editor/cardcreate.h"

#include "editor/cardlistbox.h"
#include "platform/textbox.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace memoquill {

namespace {

// Only blanks (U+0020) are trimmed from a new card's name; tabs and other spaces stay.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

void CardCreate::BNew_Click()
{
    if (m_deck.CardCount() == DeckStore::MaxCards) {
        m_platform.msgBox(
            tr("The deck is full: it cannot hold more than %1 cards.").arg(DeckStore::MaxCards),
            tr("New Card"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const QString name =
        trimBlanks(m_platform.inputBox(tr("Please type the name of the new card"), tr("New Card")));
    if (name.isEmpty())
        return;
    if (m_deck.findByName(name)) {
        m_platform.msgBox(tr("There is already a card with that name."), tr("Name already in use"),
                          MsgButtons::Ok, MsgIcon::None);
        return;
    }
    [[maybe_unused]] const bool added = m_deck.append({name, {}, {}});
    Q_ASSERT(added);

    // Appended without touching the selection: an item selected before stays selected.
    List->append(name);
    LTitle->setText(name);
    showTexts(QString(), QString());
    setTextBoxesReadOnly(false);
    setDeckItemsEnabled(true);
    deckChanged();
}

void CardCreate::List_Click()
{
    const int row = List->selectedRow();
    const QString picked = row >= 0 ? List->text(row) : QString();
    if (!m_deck.findByName(picked))
        return;
    const CardRecord &card = m_deck.Cards(m_deck.CardIndex);
    LTitle->setText(card.name);
    showTexts(card.front, card.back);
}

void CardCreate::AutoUpdate()
{
    if (!m_deck.findByName(LTitle->text()))
        return;
    m_deck.setTexts(m_deck.CardIndex, textbox::text(TFront), textbox::text(TBack));
}

void CardCreate::BDel_Click()
{
    const int row = List->selectedRow();
    if (row < 0) {
        m_platform.msgBox(tr("There is no card selected"), tr("Cannot delete what does not exist!"),
                          MsgButtons::OkCancel, MsgIcon::Exclamation);
        return;
    }
    if (!m_deck.findByName(List->text(row)))
        return;
    const qint32 slot = m_deck.CardIndex;
    const MsgResult answer =
        m_platform.msgBox(tr("Are you sure you wish to delete '%1'?").arg(m_deck.Cards(slot).name),
                          tr("Delete Card?"), MsgButtons::YesNo, MsgIcon::None);
    if (answer != MsgResult::Yes)
        return;

    m_deck.blank(slot);
    List->removeRow(row);
    showTexts(QString(), QString());
    LTitle->setText(QString());
    deckChanged();
}

void CardCreate::showTexts(const QString &front, const QString &back)
{
    m_showingTexts = true;
    textbox::setText(TFront, front);
    textbox::setText(TBack, back);
    m_showingTexts = false;
}

} // namespace memoquill
