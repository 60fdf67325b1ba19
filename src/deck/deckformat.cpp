#include "deck/deckformat.h"

#include "deck/linebreaks.h"
#include "deck/windows1252.h"

#include <QStringDecoder>
#include <QStringMatcher>

namespace memoquill {

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = windows1252::decode(static_cast<unsigned char>(byte));
    return text;
}

namespace {

// The terminator is ASCII, so its bytes are the same in Windows-1252 and in UTF-8.
const QByteArray TerminatorBytes = FieldTerminator.toLatin1();
constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView CrLf = "\r\n";

// Appends text in Windows-1252; false when a character has no byte there.
bool appendWindows1252(QByteArray &bytes, QStringView text)
{
    const qsizetype at = bytes.size();
    bytes.resize(at + text.size());
    char *out = bytes.data() + at;
    for (const QChar c : text) {
        const std::optional<unsigned char> byte = windows1252::encode(c.unicode());
        if (!byte)
            return false;
        *out++ = char(*byte);
    }
    return true;
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
    const qsizetype after = found + FieldTerminator.size();
    return text.indexOf(u'\r', after) >= 0 || text.indexOf(u'\n', after) >= 0;
}

bool isBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// The lines from the first to the last that holds more than blanks; 0 when none does.
qsizetype textLines(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    if (begin == end)
        return 0;
    qsizetype lines = 1;
    for (qsizetype i = begin; i < end; ++i) {
        // CR LF, a lone CR and a lone LF each end one line.
        if (bytes[i] == '\n' || (bytes[i] == '\r' && bytes[i + 1] != '\n'))
            ++lines;
    }
    return lines;
}

enum Encoding { Windows1252, Utf8 };

// Appends every slot with a name as three fields: its text, the terminator, CR LF. False when
// Windows-1252 lacks a character of the deck.
bool appendFields(QByteArray &bytes, std::span<const CardRecord> slots, Encoding encoding)
{
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        for (const QString *field : {&card.name, &card.front, &card.back}) {
            const QString text = withCrLf(*field);
            if (encoding == Utf8)
                bytes += text.toUtf8();
            else if (!appendWindows1252(bytes, text))
                return false;
            bytes += TerminatorBytes;
            bytes += CrLf;
        }
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
    // the terminator; what follows the last whole record is no card.
    qsizetype fieldStart = 0;
    qsizetype recordStart = 0;
    for (;;) {
        const qsizetype found = bytes.indexOf(TerminatorBytes, fieldStart);
        if (found < 0)
            break;
        qsizetype lineEnd = found + TerminatorBytes.size();
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
            chopCharacters(text, FieldTerminator.size());
        } else {
            text = decodeWindows1252(field.chopped(FieldTerminator.size()));
        }
        text = withCrLf(std::move(text));

        if (expected == Back) {
            if (!fields[Name].isEmpty()) {
                if (cards.size() == DeckStore::MaxCards)
                    return {{}, true};
                cards.append(CardRecord{std::move(fields[Name]), std::move(fields[Front]),
                                        std::move(fields[Back])});
            }
            expected = Name;
            recordStart = lineEnd;
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
    DeckReadResult read{std::move(cards), false};
    read.unreadLines = textLines(bytes.sliced(recordStart));
    read.noFields = read.unreadLines > 0 && fieldStart == 0;
    if (read.noFields)
        read.unreadLines = 0;
    return read;
}

DeckWriteResult writeDeck(std::span<const CardRecord> slots)
{
    for (const CardRecord &card : slots) {
        if (!card.name.isEmpty()
            && (hasTerminatorInsideLine(card.name) || hasTerminatorInsideLine(card.front)
                || hasTerminatorInsideLine(card.back))) {
            return {{}, card.name, false};
        }
    }

    qsizetype size = 0;
    for (const CardRecord &card : slots)
        size += card.name.size() + card.front.size() + card.back.size()
                + 3 * (FieldTerminator.size() + CrLf.size());
    QByteArray bytes;
    bytes.reserve(size);
    // An 8-bit file that starts with the mark's bytes would be read back as UTF-8.
    if (appendFields(bytes, slots, Windows1252) && !bytes.startsWith(Utf8ByteOrderMark))
        return {std::move(bytes), std::nullopt, false};
    bytes = Utf8ByteOrderMark.toByteArray();
    appendFields(bytes, slots, Utf8);
    return {std::move(bytes), std::nullopt, true};
}

} // namespace memoquill
