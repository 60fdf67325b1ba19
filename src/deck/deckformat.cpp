#include "deckformat.h"

#include "linebreaks.h"
#include "windows1252.h"

#include <QStringDecoder>

namespace memoquill {

namespace {

constexpr QByteArrayView TerminatorBytes = ")}]d8h0-0h8b)}]";
constexpr qsizetype TerminatorLength = 15;
static_assert(TerminatorBytes.size() == TerminatorLength);
constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView CrLf = "\r\n";

// The first terminator at or after from, or -1. It starts with ')', a byte rare in card
// texts, so the search for that byte (memchr) leaves few places to compare.
qsizetype findTerminator(QByteArrayView bytes, qsizetype from)
{
    for (qsizetype at = bytes.indexOf(')', from); at >= 0; at = bytes.indexOf(')', at + 1)) {
        if (bytes.sliced(at).startsWith(TerminatorBytes))
            return at;
    }
    return -1;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = windows1252::decode(static_cast<unsigned char>(byte));
    return text;
}

// Drops the last n characters; a surrogate pair is one character and is never split.
void chopCharacters(QString &text, qsizetype n)
{
    qsizetype end = text.size();
    for (; n > 0 && end > 0; --n) {
        --end;
        if (end > 0 && text.at(end).isLowSurrogate() && text.at(end - 1).isHighSurrogate())
            --end;
    }
    text.truncate(end);
}

// A terminator with a line break after it would end the field early when read back.
bool hasTerminatorInsideLine(const QString &text)
{
    const qsizetype found = text.contains(u')') ? text.indexOf(FieldTerminator) : -1;
    if (found < 0)
        return false;
    const qsizetype after = found + TerminatorLength;
    return text.indexOf(u'\r', after) >= 0 || text.indexOf(u'\n', after) >= 0;
}

// Appends text as Windows-1252; false, with out unfinished, when a character has no byte.
bool appendWindows1252(QByteArray &out, QStringView text)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char *const bytes = out.data() + at;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // Nearly every character of a card is Latin-1 outside 0x80-0x9F: its own byte.
        if (c <= 0xFF && (c & 0xE0) != 0x80) [[likely]] {
            bytes[i] = char(c);
            continue;
        }
        const std::optional<unsigned char> byte = windows1252::encode(c);
        if (!byte)
            return false;
        bytes[i] = char(*byte);
    }
    return true;
}

} // namespace

DeckReadResult readDeck(QByteArrayView bytes)
{
    const bool utf8 = bytes.startsWith(Utf8ByteOrderMark);
    if (utf8)
        bytes = bytes.sliced(Utf8ByteOrderMark.size());

    enum Field { Name, Front, Back };
    QString fields[3];
    int expected = Name;
    QList<CardRecord> cards;

    // Each field runs from the start of its first line to the end of the first line that holds
    // the terminator; what follows the last such line ends no field and is dropped.
    qsizetype fieldStart = 0;
    for (;;) {
        const qsizetype found = findTerminator(bytes, fieldStart);
        if (found < 0)
            break;
        qsizetype lineEnd = found + TerminatorLength;
        while (lineEnd < bytes.size() && bytes[lineEnd] != '\r' && bytes[lineEnd] != '\n')
            ++lineEnd;

        const QByteArrayView field = bytes.sliced(fieldStart, lineEnd - fieldStart);
        QString &text = fields[expected];
        if (utf8) {
            // The file's mark is skipped already, so a U+FEFF that starts a field is text and
            // stays (QString::fromUtf8 would drop it). The last 15 characters may be more
            // than 15 bytes.
            text = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
                       .decode(field);
            chopCharacters(text, TerminatorLength);
        } else {
            text = decodeWindows1252(field.chopped(TerminatorLength));
        }
        if (field.contains('\r') || field.contains('\n'))
            text = withCrLf(std::move(text));

        if (expected == Back) {
            if (!fields[Name].isEmpty()) {
                if (cards.size() == DeckStore::MaxCards)
                    return {{}, true};
                cards.append(CardRecord{std::move(fields[Name]), std::move(fields[Front]),
                                        std::move(fields[Back])});
            }
            expected = Name;
        } else {
            ++expected;
        }

        // Past the line's end: CR LF, a lone CR or a lone LF.
        fieldStart = lineEnd;
        if (fieldStart < bytes.size() && bytes[fieldStart] == '\r')
            ++fieldStart;
        if (fieldStart < bytes.size() && bytes[fieldStart] == '\n')
            ++fieldStart;
    }
    return {std::move(cards), false};
}

// Appends the three fields of every slot with a name, in UTF-8 or in Windows-1252. False when
// Windows-1252 cannot hold a character; refused then names the first card that holds the
// terminator inside a line.
static bool appendFields(QByteArray &bytes, std::span<const CardRecord> slots, bool utf8,
                         std::optional<QString> &refused)
{
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        for (const QString *text : {&card.name, &card.front, &card.back}) {
            if (hasTerminatorInsideLine(*text)) {
                refused = card.name;
                return true;
            }
            const QString crLf = withCrLf(*text);
            if (utf8)
                bytes.append(crLf.toUtf8());
            else if (!appendWindows1252(bytes, crLf))
                return false;
            bytes.append(TerminatorBytes);
            bytes.append(CrLf);
        }
    }
    return true;
}

DeckWriteResult writeDeck(std::span<const CardRecord> slots)
{
    qsizetype size = 0;
    for (const CardRecord &card : slots)
        size += card.name.size() + card.front.size() + card.back.size()
                + 3 * (TerminatorLength + CrLf.size());
    QByteArray bytes;
    bytes.reserve(size);
    std::optional<QString> refused;
    // An 8-bit file that starts with the mark's bytes would be read back as UTF-8.
    if (!appendFields(bytes, slots, false, refused) || bytes.startsWith(Utf8ByteOrderMark)) {
        bytes = Utf8ByteOrderMark.toByteArray();
        appendFields(bytes, slots, true, refused);
        if (!refused)
            return {std::move(bytes), std::nullopt, true};
    }
    if (refused)
        return {{}, refused, false};
    return {std::move(bytes), std::nullopt, false};
}

} // namespace memoquill
