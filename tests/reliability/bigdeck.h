#pragma once

#include "deck/deckformat.h"

// A full deck of 32,767 cards, several megabytes; variants differ in every card, so a file
// that mixes two of them is recognisably neither.
inline QList<memoquill::CardRecord> bigDeck(char variant)
{
    using namespace Qt::StringLiterals;
    QList<memoquill::CardRecord> cards;
    cards.reserve(memoquill::DeckStore::MaxCards);
    const QString filler = u"Le cœur a ses raisons que la raison ne connaît point. "_s.repeated(4);
    for (int i = 1; i <= memoquill::DeckStore::MaxCards; ++i) {
        const QString n = QString::number(i) + QLatin1Char(variant);
        cards.append(
            {u"Card "_s + n, u"Front "_s + n + u' ' + filler, u"Back "_s + n + u"\r\n"_s + filler});
    }
    return cards;
}

inline QByteArray bigDeckBytes(char variant)
{
    return memoquill::writeDeck(bigDeck(variant)).bytes;
}
