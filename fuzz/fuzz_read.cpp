// Arbitrary bytes as a deck file: the reader must not crash, must hand back texts the rest of
// the program can hold, and whatever it reads must survive a write and a second read.
#include "deck/deckformat.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

using namespace memoquill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DeckReadResult read = readDeck(bytes);
    if (read.tooManyCards) {
        FUZZ_CHECK(read.cards.isEmpty());
        return 0;
    }
    FUZZ_CHECK(read.cards.size() <= DeckStore::MaxCards);

    for (const CardRecord &card : read.cards) {
        FUZZ_CHECK(!card.name.isEmpty());
        FUZZ_CHECK(wellFormed(card.name) && wellFormed(card.front) && wellFormed(card.back));
    }

    // Only a text's last line can hold a terminator after a read, so the writer takes them all.
    const DeckWriteResult written = writeDeck(read.cards);
    FUZZ_CHECK(!written.terminatorInsideLine.has_value());
    FUZZ_CHECK(written.utf8 == written.bytes.startsWith("\xEF\xBB\xBF"));

    const DeckReadResult again = readDeck(written.bytes);
    FUZZ_CHECK(!again.tooManyCards);
    FUZZ_CHECK(again.cards == read.cards);
    // A written file is canonical: reading and writing it again changes no byte.
    FUZZ_CHECK(writeDeck(again.cards).bytes == written.bytes);
    return 0;
}
