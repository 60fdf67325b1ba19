#include "deckformat.h"

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

constexpr bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// Turns every lone CR and lone LF into CR LF, the only line break texts hold in memory.
QString withCrLfBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8 + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            out.append(u"\r\n");
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

bool hasLoneLineBreak(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return true;
        if (text[i] == u'\r') {
            if (i + 1 == text.size() || text[i + 1] != u'\n')
                return true;
            ++i;
        }
    }
    return false;
}

// Windows-1252 is Latin-1 but for 0x80-0x9F: convert as Latin-1 (fast), then mend that block.
QString decodeWindows1252(const char *data, qsizetype size)
{
    QString text = QString::fromLatin1(data, size);
    char16_t *chars = reinterpret_cast<char16_t *>(text.data());
    bool loneBreak = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i];
        if ((c & 0xFFE0) == 0x80) {
            chars[i] = windows1252::HighControlBlock[c - 0x80];
        } else if (c == u'\r') {
            if (i + 1 < size && chars[i + 1] == u'\n')
                ++i;
            else
                loneBreak = true;
        } else if (c == u'\n') {
            loneBreak = true;
        }
    }
    return loneBreak ? withCrLfBreaks(text) : text;
}

QString decodeUtf8(const char *data, qsizetype size)
{
    // Each field is decoded on its own. The file's mark is already skipped, so a U+FEFF that
    // starts a field is text and must be kept (QString::fromUtf8 would drop it).
    const auto flags = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    QStringDecoder decoder(QStringDecoder::Utf8, flags);
    QString text = decoder.decode(QByteArrayView(data, size));
    return hasLoneLineBreak(text) ? withCrLfBreaks(text) : text;
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

} // namespace

DeckReadResult readDeck(QByteArrayView bytes)
{
    DeckReadResult result;
    const bool utf8 = bytes.startsWith(Utf8ByteOrderMark);
    if (utf8)
        bytes = bytes.sliced(Utf8ByteOrderMark.size());
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    const QByteArrayMatcher terminator(TerminatorBytes.data(), TerminatorBytes.size());

    enum Field { Name, Front, Back };
    int expected = Name;
    QString pending[3];

    // Each field is the run of lines from pos up to and including the first line that holds
    // the terminator anywhere; that last line loses its final 15 characters, whatever they are.
    qsizetype pos = 0;
    while (pos < size) {
        const qsizetype found = terminator.indexIn(data, size, pos);
        if (found < 0)
            break; // the remaining lines never finish a field: dropped
        qsizetype lineEnd = found + TerminatorLength;
        while (lineEnd < size && !isLineBreak(char16_t(data[lineEnd])))
            ++lineEnd;

        if (utf8) {
            // In UTF-8 the last 15 characters may be more than 15 bytes.
            pending[expected] = decodeUtf8(data + pos, lineEnd - pos);
            chopCharacters(pending[expected], TerminatorLength);
        } else {
            pending[expected] = decodeWindows1252(data + pos, lineEnd - pos - TerminatorLength);
        }

        if (expected == Back) {
            if (!pending[Name].isEmpty()) {
                if (result.cards.size() == DeckStore::MaxCards)
                    return DeckReadResult{{}, true};
                result.cards.append(CardRecord{std::move(pending[Name]), std::move(pending[Front]),
                                               std::move(pending[Back])});
            }
            expected = Name;
        } else {
            ++expected;
        }

        pos = lineEnd;
        if (pos < size)
            pos += (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n') ? 2 : 1;
    }
    return result;
}

namespace {

// A terminator on any line but a text's last would end the field early when read back.
bool hasTerminatorInsideLine(QStringView text)
{
    const qsizetype found = text.indexOf(FieldTerminator);
    if (found < 0)
        return false;
    for (qsizetype i = found + TerminatorLength; i < text.size(); ++i) {
        if (isLineBreak(text[i].unicode()))
            return true;
    }
    return false;
}

class ByteWriter
{
public:
    explicit ByteWriter(qsizetype estimate)
        : m_bytes(estimate, Qt::Uninitialized)
        , m_pos(m_bytes.data())
    {
    }

    // Makes room for n more bytes.
    char *room(qsizetype n)
    {
        const qsizetype used = m_pos - m_bytes.constData();
        if (m_bytes.size() - used < n) {
            m_bytes.resize(std::max(m_bytes.size() * 2, used + n));
            m_pos = m_bytes.data() + used;
        }
        return m_pos;
    }
    void advanceTo(char *p) { m_pos = p; }

    QByteArray take()
    {
        m_bytes.truncate(m_pos - m_bytes.constData());
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
    char *m_pos;
};

// Writes one field as Windows-1252; false when a character has no byte there.
bool writeWindows1252Field(ByteWriter &out, QStringView text)
{
    // Worst case: every lone line break doubles.
    char *p = out.room(text.size() * 2 + TerminatorLength + 2);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            *p++ = '\r';
            *p++ = '\n';
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
        } else if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            *p++ = char(c);
        } else if (const auto byte = windows1252::encode(c)) {
            *p++ = char(*byte);
        } else {
            return false;
        }
    }
    p = std::copy(TerminatorBytes.begin(), TerminatorBytes.end(), p);
    p = std::copy(CrLf.begin(), CrLf.end(), p);
    out.advanceTo(p);
    return true;
}

std::optional<QByteArray> writeWindows1252(std::span<const CardRecord> slots)
{
    qsizetype estimate = 0;
    for (const CardRecord &card : slots) {
        if (!card.name.isEmpty())
            estimate += card.name.size() + card.front.size() + card.back.size()
                        + 3 * (TerminatorLength + CrLf.size());
    }
    ByteWriter out(estimate);
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        if (!writeWindows1252Field(out, card.name) || !writeWindows1252Field(out, card.front)
            || !writeWindows1252Field(out, card.back))
            return std::nullopt;
    }
    QByteArray bytes = out.take();
    // Such a file would be read back as UTF-8.
    if (bytes.startsWith(Utf8ByteOrderMark))
        return std::nullopt;
    return bytes;
}

QByteArray writeUtf8(std::span<const CardRecord> slots)
{
    QByteArray bytes(Utf8ByteOrderMark.data(), Utf8ByteOrderMark.size());
    const auto field = [&bytes](const QString &text) {
        bytes += (hasLoneLineBreak(text) ? withCrLfBreaks(text) : text).toUtf8();
        bytes += TerminatorBytes;
        bytes += CrLf;
    };
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        field(card.name);
        field(card.front);
        field(card.back);
    }
    return bytes;
}

} // namespace

DeckWriteResult writeDeck(std::span<const CardRecord> slots)
{
    DeckWriteResult result;
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        if (hasTerminatorInsideLine(card.name) || hasTerminatorInsideLine(card.front)
            || hasTerminatorInsideLine(card.back)) {
            result.terminatorInsideLine = card.name;
            return result;
        }
    }
    if (auto bytes = writeWindows1252(slots)) {
        result.bytes = std::move(*bytes);
    } else {
        result.bytes = writeUtf8(slots);
        result.utf8 = true;
    }
    return result;
}

} // namespace memoquill
