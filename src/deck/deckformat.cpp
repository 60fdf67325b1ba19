#include "deckformat.h"

#include "linebreaks.h"
#include "windows1252.h"

#include <QByteArrayMatcher>
#include <QStringDecoder>

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
    const qsizetype found = text.indexOf(FieldTerminator);
    if (found < 0)
        return false;
    const qsizetype after = found + TerminatorLength;
    return text.indexOf(u'\r', after) >= 0 || text.indexOf(u'\n', after) >= 0;
}

// Appends text as Windows-1252; false, with out unfinished, when a character has no byte.
bool appendWindows1252(QByteArray &out, QStringView text)
{
    qsizetype at = out.size();
    out.resize(at + text.size());
    char *bytes = out.data();
    for (const QChar c : text) {
        const std::optional<unsigned char> byte = windows1252::encode(c.unicode());
        if (!byte)
            return false;
        bytes[at++] = char(*byte);
    }
    return true;
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

    static const QByteArrayMatcher terminator(TerminatorBytes.data(), TerminatorLength);
    enum Field { Name, Front, Back };
    QString fields[3];
    int expected = Name;
    QList<CardRecord> cards;

    // Each field runs from the start of its first line to the end of the first line that holds
    // the terminator; what follows the last such line ends no field and is dropped.
    qsizetype fieldStart = 0;
    for (;;) {
        const qsizetype found = terminator.indexIn(bytes.data(), bytes.size(), fieldStart);
        if (found < 0)
            break;
        qsizetype lineEnd = found + TerminatorLength;
        while (lineEnd < bytes.size() && !isLineBreak(bytes[lineEnd]))
            ++lineEnd;

        QString &text = fields[expected];
        if (utf8) {
            // In UTF-8 the last 15 characters may be more than 15 bytes.
            text = decodeUtf8(bytes.sliced(fieldStart, lineEnd - fieldStart));
            chopCharacters(text, TerminatorLength);
        } else {
            text = decodeWindows1252(
                bytes.sliced(fieldStart, lineEnd - fieldStart - TerminatorLength));
        }
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
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        for (const QString *text : {&card.name, &card.front, &card.back}) {
            if (hasTerminatorInsideLine(*text))
                return {{}, card.name, false};
        }
    }

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
            representable = appendWindows1252(bytes, withCrLfLineEnds(*text));
            if (!representable)
                break;
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
            bytes.append(withCrLfLineEnds(*text).toUtf8());
            appendFieldEnd(bytes);
        }
    }
    return {std::move(bytes), std::nullopt, true};
}

} // namespace memoquill
