#include "deck/deckstore.h"

namespace memoquill {

void DeckStore::reset()
{
    m_cards = QList<CardRecord>(1);
    m_cardCount = 0;
}

bool DeckStore::append(CardRecord card)
{
    if (m_cardCount == MaxCards)
        return false;
    ++m_cardCount;
    // After a reset the one blank record is slot 1, so the first append fills it.
    if (m_cards.size() < m_cardCount)
        m_cards.append(std::move(card));
    else
        m_cards[m_cardCount - 1] = std::move(card);
    return true;
}

bool DeckStore::findByName(const QString &name)
{
    for (CardIndex = 1; CardIndex <= m_cardCount; ++CardIndex) {
        if (m_cards.at(CardIndex - 1).name == name)
            return true;
    }
    return false;
}

void DeckStore::assign(QList<CardRecord> cards)
{
    Q_ASSERT(cards.size() <= MaxCards);
    if (cards.isEmpty()) {
        reset();
        return;
    }
    m_cardCount = static_cast<qint16>(cards.size());
    m_cards = std::move(cards);
}

} // namespace memoquill
