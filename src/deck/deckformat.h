#pragma once

#include "deckstore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>
#include <span>

namespace memoquill {

// Ends every field of a deck file, right after the field's text and before its CR LF.
inline constexpr QStringView FieldTerminator = u")}]d8h0-0h8b)}]";

struct DeckReadResult
{
    QList<CardRecord> cards;
    // The file holds more cards than a deck can; cards is then empty.
    bool tooManyCards = false;
};

// Reads the cards of a deck file. Never rejects content: text without terminators is an empty
// deck, and records without a name, an incomplete last record and trailing lines are dropped.
//
// Bytes are Windows-1252, or UTF-8 after a UTF-8 byte-order mark. CR LF, a lone CR and a lone
// LF each end a line; texts come back with CR LF line breaks.
//
// The file may be handed over in pieces, in order, so that it never has to be in memory whole
// beside its cards; only the unfinished field at the end of a piece is kept.
class DeckReader
{
public:
    void feed(QByteArrayView bytes);
    // True once the file has turned out to hold more cards than a deck can; feed no more.
    bool tooManyCards() const { return m_tooManyCards; }
    // The cards of everything fed. The reader is spent afterwards.
    DeckReadResult finish();

private:
    enum class Encoding { Unknown, Windows1252, Utf8 };

    // Reads the finished fields in data and returns how many bytes they took. A field is
    // finished by the line end after its terminator, or by the end of the file (atEnd).
    qsizetype parse(const char *data, qsizetype size, bool atEnd);
    void parsePending(bool atEnd);
    // Decides the encoding from the file's first bytes; returns how many to skip (the mark).
    qsizetype startEncoding(QByteArrayView start);

    Encoding m_encoding = Encoding::Unknown;
    // Bytes fed but not yet part of a finished field.
    QByteArray m_pending;
    // No terminator starts in m_pending before this offset: the next search resumes here.
    qsizetype m_searchFrom = 0;
    int m_expected = 0;
    QString m_fields[3];
    QList<CardRecord> m_cards;
    bool m_tooManyCards = false;
};

// Reads a whole deck file held in memory.
DeckReadResult readDeck(QByteArrayView bytes);

struct DeckWriteResult
{
    QByteArray bytes;
    // Set, with the card's name, when a text holds the terminator on a line other than its
    // last: such a file would read back shifted, so nothing is written.
    std::optional<QString> terminatorInsideLine;
    // The deck held a character that Windows-1252 cannot represent, so the file is UTF-8
    // with a byte-order mark.
    bool utf8 = false;
};

// Writes the non-blank slots as three terminated fields each, every line ending in CR LF.
DeckWriteResult writeDeck(std::span<const CardRecord> slots);

// The same file handed out in pieces, so that they can go to disk while the rest is still
// being encoded. Windows-1252 is tried first; when the deck turns out to need UTF-8, the file
// starts over.
class DeckWriter
{
public:
    enum class Step {
        More, // a piece, and more to come
        Done, // the last piece
        // The deck needs UTF-8: every piece handed out so far is void, and the pieces from
        // here on are the file from its start.
        StartOver,
        // A text holds the terminator inside a line (refusedCard() names the card): the file
        // cannot be written.
        Refused,
    };

    explicit DeckWriter(std::span<const CardRecord> slots, qsizetype pieceSize = 1 << 20);

    // Replaces piece with the next part of the file.
    Step next(QByteArray &piece);
    bool isUtf8() const { return m_utf8; }
    const std::optional<QString> &refusedCard() const { return m_refused; }

private:
    std::span<const CardRecord> m_slots;
    qsizetype m_pieceSize;
    qsizetype m_estimate = 0;
    qsizetype m_spare = 0;
    std::size_t m_next = 0;
    bool m_started = false;
    bool m_utf8 = false;
    std::optional<QString> m_refused;
};

} // namespace memoquill
