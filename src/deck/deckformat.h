#pragma once

#include "deck/deckstore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>
#include <span>

namespace memoquill {

// A deck file is plain text without a header. Each card is three fields (name, front, back);
// a field is its text, then the FieldTerminator, then CR LF. A text with line breaks spans
// several lines, and only its last line carries the terminator.
inline constexpr QStringView FieldTerminator = u")}]d8h0-0h8b)}]";

// The text of 8-bit bytes in Windows-1252, every byte a character.
QString decodeWindows1252(QByteArrayView bytes);

struct DeckReadResult
{
    QList<CardRecord> cards;
    // The file holds more cards than a deck can; cards is then empty.
    bool tooManyCards = false;
    // The bytes hold text but no terminator at all: another kind of file, not a deck.
    bool noFields = false;
    // The lines at the end that hold text yet are no whole card (an incomplete last record, or
    // text after the last terminator): a save of the cards read would not keep them.
    qsizetype unreadLines = 0;
};

// Reads the cards of a deck file. Records without a name are dropped, as are the end that is
// no whole card and a file without terminators; the last two are reported (noFields,
// unreadLines) so that no save loses them unawares. A line that holds the terminator anywhere
// ends its field, and loses its last 15 characters.
//
// Bytes are Windows-1252, or UTF-8 after a UTF-8 byte-order mark. CR LF, a lone CR and a lone
// LF each end a line; texts come back with CR LF line breaks.
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

// Writes the slots with a name as three terminated fields each, every line ending in CR LF.
DeckWriteResult writeDeck(std::span<const CardRecord> slots);

} // namespace memoquill
