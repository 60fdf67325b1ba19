#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <span>

namespace memoquill {

// One card: its name is the key the editor finds it by; an empty name marks a deleted card.
struct CardRecord
{
    QString name;
    QString front;
    QString back;

    friend bool operator==(const CardRecord &, const CardRecord &) = default;
};

// The one in-memory deck, shared by both windows and the deck file routines.
//
// Slots are numbered from 1. Deleting a card blanks its slot in place, so CardCount counts
// blank slots too. CardIndex is the shared cursor: every search uses it as its loop variable
// and leaves it on the slot found, or on CardCount + 1 when nothing matched.
class DeckStore
{
public:
    // CardCount is a 16-bit signed counter, so the deck never holds more slots than this.
    static constexpr qint16 MaxCards = 32767;

    // The cursor is one wider than the counter: a search that misses in a full deck of
    // 32,767 slots leaves it on 32,768, which a 16-bit value cannot hold.
    qint32 CardIndex = 0;

    // The file Save writes to: unset at start, empty after New, a path once the deck has a file.
    std::optional<QString> CurrentFile;

    // The path picked in the most recent file dialog.
    QString FilePath;

    qint16 CardCount() const { return m_cardCount; }

    // Slot i, for 1 <= i <= CardCount, or the blank slot 1 that a reset leaves.
    const CardRecord &Cards(qint32 i) const { return m_cards.at(i - 1); }
    // Stores the texts of slot i. A card's name changes only by append, blank and assign.
    void setTexts(qint32 i, QString front, QString back)
    {
        CardRecord &card = m_cards[i - 1];
        card.front = std::move(front);
        card.back = std::move(back);
    }

    // True when slot i is one of the deck's slots 1..CardCount.
    bool isSlot(qint32 i) const { return i >= 1 && i <= m_cardCount; }

    // True when the deck has a file to save to (CurrentFile set and not empty).
    bool hasFile() const { return CurrentFile.has_value() && !CurrentFile->isEmpty(); }

    // Replace the deck by one blank record, CardCount 0. The cursor is left to the caller.
    void reset();

    // Add one card as slot CardCount + 1. Refuses, returning false and changing nothing,
    // when the deck already holds MaxCards slots.
    [[nodiscard]] bool append(CardRecord card);

    // Set CardIndex to 1, 2, ... CardCount and stop at the first slot whose name equals name
    // exactly. Returns whether one was found; CardIndex is then that slot, else CardCount + 1.
    bool findByName(const QString &name);

    // Empty a slot's name, front and back, keeping the slot.
    void blank(qint32 i) { m_cards[i - 1] = CardRecord{}; }

    // Replace every slot at once (a completed load). Callers keep the list within MaxCards.
    void assign(QList<CardRecord> cards);

    // The slots 1..CardCount, for writing the deck out.
    std::span<const CardRecord> cardSlots() const
    {
        return {m_cards.constData(), static_cast<std::size_t>(m_cardCount)};
    }

private:
    QList<CardRecord> m_cards;
    qint16 m_cardCount = 0;
};

} // namespace memoquill
