// The review: which card comes next, which side is shown, and the two review settings.
#include "reader/cardreader.h"

#include "platform/textbox.h"

#include <QCheckBox>
#include <QPlainTextEdit>

#include <cmath>

namespace memoquill {

void CardReader::showSide(const QString &side)
{
    textbox::setText(TCard, side);
}

void CardReader::showFirstSide(qint32 i)
{
    const CardRecord &card = m_deck.Cards(i);
    showSide(BackFirst ? card.back : card.front);
}

void CardReader::StartReview()
{
    const qint16 count = m_deck.CardCount();
    m_deck.CardIndex = (count >= 2 && CSFirst->isChecked()) ? 2 : 1;
    // Reached only with at least one card; an empty deck has nothing to show.
    if (count == 0)
        return;
    const CardRecord &card = m_deck.Cards(m_deck.CardIndex);
    showSide(CBack->isChecked() ? card.back : card.front);
}

void CardReader::BNext_Click()
{
    const qint16 count = m_deck.CardCount();
    if (count == 0)
        return;
    qint32 &current = m_deck.CardIndex;
    if (!CRand->isChecked()) {
        // From the last card, or from beyond it, the order starts again.
        if (current >= count)
            current = (SkipFirst && count >= 2) ? 2 : 1;
        else
            current = std::max(current, 0) + 1;
    } else if (count > 1) {
        randomPick();
    } else {
        current = 1;
    }
    showFirstSide(current);
}

void CardReader::randomPick()
{
    const qint16 count = m_deck.CardCount();
    // A cursor outside the deck is no previous card.
    const qint32 previous = m_deck.isSlot(m_deck.CardIndex) ? m_deck.CardIndex : 0;
    // Only possible with two cards, Skip First Card on and card 2 current: nothing else may
    // be picked, so card 2 stays, as the sequential order would show it.
    const qint32 candidates =
        count - (previous != 0 ? 1 : 0) - (SkipFirst && previous != 1 ? 1 : 0);
    if (candidates == 0)
        return;
    // Formed wider than the 16-bit counter, so a full deck of 32,767 cards works too.
    const double multiplier = double(qint32(count) + 1);
    for (;;) {
        const auto candidate = qint32(std::floor(m_platform.nextRandom() * multiplier));
        if (candidate == 0 || candidate == previous || (SkipFirst && candidate == 1))
            continue;
        m_deck.CardIndex = candidate;
        return;
    }
}

void CardReader::BFlip_Click()
{
    if (m_deck.CardCount() == 0 || !m_deck.isSlot(m_deck.CardIndex))
        return;
    const CardRecord &card = m_deck.Cards(m_deck.CardIndex);
    // Which side is up is known only from the text on display.
    const QString shown = textbox::text(TCard);
    if (shown == card.front)
        showSide(card.back);
    else if (shown == card.back)
        showSide(card.front);
}

void CardReader::CSFirst_Click()
{
    SkipFirst = CSFirst->checkState() != Qt::Unchecked;
}

void CardReader::CBack_Click()
{
    BackFirst = CBack->checkState() != Qt::Unchecked;
    BFlip_Click();
}

} // namespace memoquill
