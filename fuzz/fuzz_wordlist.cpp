// Arbitrary bytes as a word list, read as tab-separated and as CSV: the reader must not crash,
// must refuse with a line inside the input or hand back cards a deck can hold, and every list
// it accepts must export, in both formats, and read back to the same fronts and backs.
#include "deck/deckformat.h"
#include "deck/wordlist.h"
#include "fuzzcheck.h"

#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace memoquill;
using namespace Qt::StringLiterals;

namespace {

// What a text becomes through a list: lists carry no tab, and write both the empty text and
// a lone line break as <br>, which reads back empty.
QString throughList(QString text)
{
    text.replace(u'\t', u' ');
    return text == u"\r\n"_s ? QString() : text;
}

void checkCards(const QList<CardRecord> &cards)
{
    FUZZ_CHECK(cards.size() <= DeckStore::MaxCards);
    QSet<QString> names;
    for (const CardRecord &card : cards) {
        FUZZ_CHECK(!card.name.isEmpty());
        FUZZ_CHECK(!card.name.contains(FieldTerminator));
        FUZZ_CHECK(!names.contains(card.name));
        names.insert(card.name);
        FUZZ_CHECK(wellFormed(card.name) && wellFormed(card.front) && wellFormed(card.back));
    }
}

void checkList(QByteArrayView bytes, ListFormat format)
{
    const ListReadResult read = readList(bytes, format);
    if (!read.failure.isEmpty()) {
        FUZZ_CHECK(read.cards.isEmpty());
        FUZZ_CHECK(read.line >= 1 && read.line <= bytes.count('\n') + 1);
        return;
    }
    checkCards(read.cards);

    for (const ListFormat exportFormat : {ListFormat::Tabs, ListFormat::Csv}) {
        const QByteArray exported = writeList(read.cards, exportFormat);
        FUZZ_CHECK(!exported.startsWith("\xEF\xBB\xBF"));
        const ListReadResult again = readList(exported, exportFormat);
        FUZZ_CHECK(again.failure.isEmpty());
        checkCards(again.cards);
        FUZZ_CHECK(again.cards.size() == read.cards.size());
        for (qsizetype i = 0; i < read.cards.size(); ++i) {
            FUZZ_CHECK(again.cards[i].front == throughList(read.cards[i].front));
            FUZZ_CHECK(again.cards[i].back == throughList(read.cards[i].back));
        }
        // An exported list is canonical: reading and exporting it again changes no byte.
        FUZZ_CHECK(writeList(again.cards, exportFormat) == exported);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkList(bytes, ListFormat::Tabs);
    checkList(bytes, ListFormat::Csv);
    return 0;
}
