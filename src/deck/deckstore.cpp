#include "deckstore.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace memoquill {

const CardRecord &DeckStore::Cards(qint32 i) const
{
    Q_ASSERT(i >= 1 && i <= m_cards.size());
    return m_cards[i - 1];
}

void DeckStore::setTexts(qint32 i, QString front, QString back)
{
    Q_ASSERT(i >= 1 && i <= m_cards.size());
    CardRecord &card = m_cards[i - 1];
    card.front = std::move(front);
    card.back = std::move(back);
}

void DeckStore::reset()
{
    m_cards = QList<CardRecord>(1);
    m_nameHashes = {hashOf(QString())};
    m_cardCount = 0;
}

bool DeckStore::append(CardRecord card)
{
    if (m_cardCount == MaxCards)
        return false;
    ++m_cardCount;
    const quint32 hash = hashOf(card.name);
    // After a reset the one blank record is slot 1, so the first append fills it.
    if (m_cards.size() < m_cardCount) {
        m_cards.append(std::move(card));
        m_nameHashes.append(hash);
    } else {
        m_cards[m_cardCount - 1] = std::move(card);
        m_nameHashes[m_cardCount - 1] = hash;
    }
    return true;
}

// The first slot from position from (0-based) on whose hash is hash, or count.
static qint32 firstHash(const quint32 *hashes, qint32 from, qint32 count, quint32 hash)
{
    qint32 i = from;
#if defined(__SSE2__)
    // Sixteen hashes a step: the scan runs through every slot when the name is missing.
    const __m128i wanted = _mm_set1_epi32(int(hash));
    const auto equal = [&](qint32 at) {
        return _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i *>(hashes + at)),
                               wanted);
    };
    for (; i + 16 <= count; i += 16) {
        const __m128i any = _mm_or_si128(_mm_or_si128(equal(i), equal(i + 4)),
                                         _mm_or_si128(equal(i + 8), equal(i + 12)));
        if (_mm_movemask_epi8(any))
            break;
    }
#endif
    while (i < count && hashes[i] != hash)
        ++i;
    return i;
}

bool DeckStore::findByName(const QString &name)
{
    // The loop over CardIndex, with the hashes compared first: CardIndex ends on the first slot
    // with that name, or on CardCount + 1.
    const quint32 hash = hashOf(name);
    const quint32 *hashes = m_nameHashes.constData();
    qint32 i = firstHash(hashes, 0, m_cardCount, hash);
    while (i < m_cardCount && m_cards[i].name != name)
        i = firstHash(hashes, i + 1, m_cardCount, hash);
    CardIndex = i + 1;
    return i < m_cardCount;
}

void DeckStore::blank(qint32 i)
{
    Q_ASSERT(i >= 1 && i <= m_cards.size());
    m_cards[i - 1] = CardRecord{};
    m_nameHashes[i - 1] = hashOf(QString());
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
    m_nameHashes.resize(m_cards.size());
    for (qsizetype i = 0; i < m_cards.size(); ++i)
        m_nameHashes[i] = hashOf(m_cards[i].name);
}

std::span<const CardRecord> DeckStore::slots() const
{
    return {m_cards.constData(), static_cast<std::size_t>(m_cardCount)};
}

} // namespace memoquill
