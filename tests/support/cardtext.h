// How QCOMPARE prints a card when a comparison fails: {name | front | back}.
#pragma once

#include "deck/deckstore.h"

#include <QStringList>
#include <QTest>

namespace memoquill {
inline char *toString(const CardRecord &card)
{
    const QString fields = QStringList{card.name, card.front, card.back}.join(u" | ");
    return QTest::toString(QString(u'{' + fields + u'}'));
}
} // namespace memoquill
