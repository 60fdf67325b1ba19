// Decks built from the fuzz input: writeDeck must refuse exactly the decks that would read back
// shifted, produce the bytes a plain reference writer produces, and readDeck must return the
// named cards in order with every line break as CR LF.
//
// Input bytes are a small program that builds the slots field by field:
//   0x00           ends the field (name, front, back, then the next card)
//   0x01-0x7F      appends that character (CR, LF, tab, other controls, printable ASCII)
//   0x80           appends the terminator
//   0x81 n, 0x82 n appends the terminator's first or last 1 + n % 14 characters
//   0x83           appends U+FEFF (a byte-order mark as text)
//   0x84           appends "ï»¿" (what an 8-bit file starting with a UTF-8 mark reads as)
//   0x85 n         appends the Windows-1252 character for byte n (NUL included)
//   0x86 n         appends the C1 control U+0080 + n % 32
//   0x87 hi lo     appends a BMP character outside the surrogates
//   0x88 a b c     appends a supplementary character (a surrogate pair)
//   0x89 n         appends a Greek letter
//   0x8A-0xFF      appends the Windows-1252 character for that byte
// The seeds in corpus/roundtrip are written in this form.
#include "deck/deckformat.h"
#include "deck/windows1252.h"
#include "fuzzcheck.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

using namespace memoquill;
using namespace Qt::StringLiterals;

namespace {

class Program
{
public:
    Program(const std::uint8_t *data, std::size_t size)
        : m_pos(data)
        , m_end(data + size)
    {
    }
    bool atEnd() const { return m_pos == m_end; }
    unsigned next() { return m_pos == m_end ? 0 : *m_pos++; }

private:
    const std::uint8_t *m_pos;
    const std::uint8_t *m_end;
};

QList<CardRecord> buildSlots(Program &program)
{
    QList<CardRecord> slots;
    CardRecord card;
    QString *const fields[] = {&card.name, &card.front, &card.back};
    int field = 0;
    bool touched = false;
    while (!program.atEnd()) {
        const unsigned op = program.next();
        QString &text = *fields[field];
        touched = true;
        if (op == 0x00) {
            if (++field == 3) {
                slots.append(std::exchange(card, {}));
                field = 0;
                touched = false;
            }
        } else if (op < 0x80) {
            text += QChar(char16_t(op));
        } else if (op == 0x80) {
            text += FieldTerminator;
        } else if (op == 0x81) {
            text += FieldTerminator.first(1 + program.next() % 14);
        } else if (op == 0x82) {
            text += FieldTerminator.last(1 + program.next() % 14);
        } else if (op == 0x83) {
            text += QChar(0xFEFF);
        } else if (op == 0x84) {
            text += u"\u00EF\u00BB\u00BF";
        } else if (op == 0x85) {
            text += QChar(windows1252::decode(static_cast<unsigned char>(program.next())));
        } else if (op == 0x86) {
            text += QChar(char16_t(0x80 + program.next() % 32));
        } else if (op == 0x87) {
            char16_t c = char16_t(program.next() << 8 | program.next());
            if (QChar::isSurrogate(c))
                c ^= 0x4000; // into the CJK block
            text += QChar(c);
        } else if (op == 0x88) {
            const char32_t c =
                0x10000 + (program.next() << 16 | program.next() << 8 | program.next()) % 0x100000;
            text += QChar(QChar::highSurrogate(c));
            text += QChar(QChar::lowSurrogate(c));
        } else if (op == 0x89) {
            text += QChar(char16_t(0x391 + program.next() % 57));
        } else {
            text += QChar(windows1252::decode(static_cast<unsigned char>(op)));
        }
    }
    if (touched)
        slots.append(card); // a card cut short by the end of the input
    return slots;
}

QString withCrLf(const QString &text)
{
    QString out = text;
    out.replace(u"\r\n"_s, u"\n"_s);
    out.replace(u'\r', u'\n');
    out.replace(u"\n"_s, u"\r\n"_s);
    return out;
}

bool terminatorBeforeLastLine(const QString &text)
{
    const qsizetype found = text.indexOf(FieldTerminator);
    return found >= 0 && (text.indexOf(u'\r', found) >= 0 || text.indexOf(u'\n', found) >= 0);
}

// The byte each Windows-1252 character is written as; -1 for characters it lacks.
int byteFor(char16_t c)
{
    static const auto table = [] {
        std::array<int, 0x10000> bytes;
        bytes.fill(-1);
        for (int b = 0; b < 256; ++b)
            bytes[windows1252::decode(static_cast<unsigned char>(b))] = b;
        return bytes;
    }();
    return table[c];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Program program(data, size);
    const QList<CardRecord> slots = buildSlots(program);

    QList<CardRecord> expected;
    std::optional<QString> refusal;
    QString text;
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        if (!refusal
            && (terminatorBeforeLastLine(card.name) || terminatorBeforeLastLine(card.front)
                || terminatorBeforeLastLine(card.back)))
            refusal = card.name;
        expected.append({withCrLf(card.name), withCrLf(card.front), withCrLf(card.back)});
        for (const QString *field : {&card.name, &card.front, &card.back}) {
            text += withCrLf(*field);
            text += FieldTerminator;
            text += u"\r\n";
        }
    }

    const DeckWriteResult written = writeDeck(slots);
    FUZZ_CHECK(written.terminatorInsideLine == refusal);
    if (refusal) {
        FUZZ_CHECK(written.bytes.isEmpty());
        return 0;
    }

    QByteArray eightBit;
    bool representable = true;
    for (const QChar c : std::as_const(text)) {
        const int byte = byteFor(c.unicode());
        representable = representable && byte >= 0;
        eightBit += char(byte);
    }
    const bool utf8 = !representable || eightBit.startsWith("\xEF\xBB\xBF");
    FUZZ_CHECK(written.utf8 == utf8);
    FUZZ_CHECK(written.bytes == (utf8 ? "\xEF\xBB\xBF" + text.toUtf8() : eightBit));

    const DeckReadResult read = readDeck(written.bytes);
    FUZZ_CHECK(read.tooManyCards == (expected.size() > DeckStore::MaxCards));
    if (!read.tooManyCards)
        FUZZ_CHECK(read.cards == expected);
    return 0;
}
