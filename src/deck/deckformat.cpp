#include "deckformat.h"

#include "linebreaks.h"
#include "windows1252.h"

#include <QStringDecoder>
#include <QStringMatcher>

#include <cstring>

namespace memoquill {

namespace {

constexpr QByteArrayView TerminatorBytes = ")}]d8h0-0h8b)}]";
constexpr qsizetype TerminatorLength = 15;
static_assert(TerminatorBytes.size() == TerminatorLength);
constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView CrLf = "\r\n";

bool isLineBreak(char byte)
{
    return byte == '\r' || byte == '\n';
}

// The first terminator at or after from, or -1. It starts with ')', a byte rare in card
// texts, so memchr's candidates are few.
qsizetype findTerminator(QByteArrayView bytes, qsizetype from)
{
    if (bytes.size() - from < TerminatorLength)
        return -1;
    const char *const begin = bytes.data();
    const char *const lastStart = begin + bytes.size() - TerminatorLength;
    for (const char *p = begin + from; p <= lastStart; ++p) {
        p = static_cast<const char *>(std::memchr(p, ')', std::size_t(lastStart - p + 1)));
        if (!p)
            break;
        if (std::memcmp(p, TerminatorBytes.data(), TerminatorLength) == 0)
            return p - begin;
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

QString decodeUtf8(QByteArrayView bytes)
{
    // The file's mark is skipped already, so a U+FEFF that starts a field is text and stays
    // (QString::fromUtf8 would drop it).
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
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
    static const QStringMatcher terminator(FieldTerminator);
    const qsizetype found = terminator.indexIn(text);
    if (found < 0)
        return false;
    const qsizetype after = found + TerminatorLength;
    return text.indexOf(u'\r', after) >= 0 || text.indexOf(u'\n', after) >= 0;
}

// What a text turned out to hold while it was written as Windows-1252.
struct Scanned
{
    // False when a character has no byte; the bytes written are then unfinished.
    bool representable = true;
    bool lineBreak = false;
    // ')', with which the terminator starts.
    bool parenthesis = false;
};

Scanned appendWindows1252(QByteArray &out, QStringView text)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char *const bytes = out.data() + at;
    Scanned scanned;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        scanned.lineBreak |= (c == u'\r') | (c == u'\n');
        scanned.parenthesis |= c == u')';
        // Nearly every character of a card is Latin-1 outside 0x80-0x9F: its own byte.
        if (c <= 0xFF && (c & 0xE0) != 0x80) [[likely]] {
            bytes[i] = char(c);
            continue;
        }
        const std::optional<unsigned char> byte = windows1252::encode(c);
        if (!byte)
            return {false, false, false};
        bytes[i] = char(*byte);
    }
    return scanned;
}

void appendFieldEnd(QByteArray &out)
{
    out.append(TerminatorBytes);
    out.append(CrLf);
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
        while (lineEnd < bytes.size() && !isLineBreak(bytes[lineEnd]))
            ++lineEnd;

        const QByteArrayView field = bytes.sliced(fieldStart, lineEnd - fieldStart);
        QString &text = fields[expected];
        if (utf8) {
            // In UTF-8 the last 15 characters may be more than 15 bytes.
            text = decodeUtf8(field);
            chopCharacters(text, TerminatorLength);
        } else {
            text = decodeWindows1252(field.chopped(TerminatorLength));
        }
        if (field.contains('\r') || field.contains('\n'))
            text = withCrLfLineEnds(std::move(text));

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

DeckWriteResult writeDeck(std::span<const CardRecord> slots)
{
    qsizetype size = 0;
    for (const CardRecord &card : slots)
        size += card.name.size() + card.front.size() + card.back.size()
                + 3 * (TerminatorLength + CrLf.size());
    QByteArray bytes;
    bytes.reserve(size);
    bool representable = true;
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        for (const QString *text : {&card.name, &card.front, &card.back}) {
            const qsizetype start = bytes.size();
            const Scanned scanned = appendWindows1252(bytes, *text);
            representable = scanned.representable;
            if (!representable)
                break;
            // Only a text with a line break can hold the terminator inside a line, or a lone CR
            // or LF to write as CR LF.
            if (scanned.lineBreak) {
                if (scanned.parenthesis && hasTerminatorInsideLine(*text))
                    return {{}, card.name, false};
                const QString crLf = withCrLfLineEnds(*text);
                if (crLf.size() != text->size()) {
                    bytes.truncate(start);
                    appendWindows1252(bytes, crLf);
                }
            }
            appendFieldEnd(bytes);
        }
        if (!representable)
            break;
    }
    // An 8-bit file that starts with the mark's bytes would be read back as UTF-8.
    if (representable && !bytes.startsWith(Utf8ByteOrderMark))
        return {std::move(bytes), std::nullopt, false};

    bytes.clear();
    bytes.append(Utf8ByteOrderMark);
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        for (const QString *text : {&card.name, &card.front, &card.back}) {
            if (hasTerminatorInsideLine(*text))
                return {{}, card.name, false};
            bytes.append(withCrLfLineEnds(*text).toUtf8());
            appendFieldEnd(bytes);
        }
    }
    return {std::move(bytes), std::nullopt, true};
}

} // namespace memoquill
