#include "deckformat.h"

#include "windows1252.h"

#include <QStringDecoder>

#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <tuple>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace memoquill {

namespace {

constexpr QByteArrayView TerminatorBytes = ")}]d8h0-0h8b)}]";
constexpr qsizetype TerminatorLength = 15;
static_assert(TerminatorBytes.size() == TerminatorLength);
constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView CrLf = "\r\n";

// Texts are scanned with memchr, which runs at memory speed; the bytes it looks for (line
// breaks, and ')' which starts the terminator) are rare in card texts.
const char *find(const char *from, const char *end, char byte)
{
    return static_cast<const char *>(std::memchr(from, byte, std::size_t(end - from)));
}

// True when some CR or LF in the bytes is not half of a CR LF.
bool hasLoneLineBreak(const char *data, qsizetype size)
{
    const char *const end = data + size;
    for (const char *p = data; (p = find(p, end, '\n')); ++p) {
        if (p == data || p[-1] != '\r')
            return true;
    }
    for (const char *p = data; (p = find(p, end, '\r')); ++p) {
        if (p + 1 == end || p[1] != '\n')
            return true;
    }
    return false;
}

// The first terminator starting at or after from, or -1.
qsizetype findTerminator(const char *data, qsizetype size, qsizetype from)
{
    if (size - from < TerminatorLength)
        return -1;
    const char *const lastStart = data + size - TerminatorLength;
    for (const char *p = data + from; (p = find(p, lastStart + 1, ')')); ++p) {
        if (std::memcmp(p, TerminatorBytes.data(), TerminatorLength) == 0)
            return p - data;
    }
    return -1;
}

qsizetype findLineBreak(const char *data, qsizetype from, qsizetype size)
{
    while (from < size && data[from] != '\r' && data[from] != '\n')
        ++from;
    return from;
}

// A terminator on any line but a text's last would end the field early when read back. Works
// on a field's encoded bytes: the terminator and the line breaks are ASCII in both encodings.
bool hasTerminatorInsideLine(const char *data, qsizetype size)
{
    const qsizetype found = findTerminator(data, size, 0);
    if (found < 0)
        return false;
    const char *const end = data + size;
    const char *const after = data + found + TerminatorLength;
    return find(after, end, '\r') || find(after, end, '\n');
}

// The first and the last Count of n units, which overlap when n < 2 * Count.
template <qsizetype Count>
void copyEnds(char16_t *to, const char16_t *from, qsizetype n)
{
    std::memcpy(to, from, Count * sizeof(char16_t));
    std::memcpy(to + n - Count, from + n - Count, Count * sizeof(char16_t));
}

// Copies fewer than sixteen units with two copies of a fixed size, which compile to a few
// moves: a library call for every field's last few cost a fifth of the writer's time.
void copyShort(char16_t *to, const char16_t *from, qsizetype n)
{
    if (n >= 8)
        copyEnds<8>(to, from, n);
    else if (n >= 4)
        copyEnds<4>(to, from, n);
    else if (n >= 2)
        copyEnds<2>(to, from, n);
    else if (n == 1)
        to[0] = from[0];
}

// Turns every lone CR and lone LF into CR LF, the only line break texts hold in memory.
QString withCrLfBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8 + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out.append(u"\r\n");
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

constexpr std::array<char16_t, 256> decodeTable()
{
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte != table.size(); ++byte)
        table[byte] = windows1252::decode(static_cast<unsigned char>(byte));
    return table;
}

constexpr std::array<char16_t, 256> DecodeTable = decodeTable();

#if defined(__SSE2__)
// Widens sixteen bytes into out, as Latin-1, then mends those of 0x80-0x9F, where Windows-1252
// differs, through the table. Tells whether one was a CR or an LF.
bool widenSixteen(const unsigned char *in, char16_t *out)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8), _mm_unpackhi_epi8(bytes, zero));
    const auto all = [](unsigned char byte) { return _mm_set1_epi8(char(byte)); };
    const __m128i highControl = _mm_cmpeq_epi8(_mm_and_si128(bytes, all(0xE0)), all(0x80));
    // All sixteen through the table rather than lane by lane: a loop of varying length costs
    // more in mispredicted branches than the lookups it saves.
    if (_mm_movemask_epi8(highControl)) {
        for (int lane = 0; lane < 16; ++lane)
            out[lane] = DecodeTable[in[lane]];
    }
    const __m128i breaks =
        _mm_or_si128(_mm_cmpeq_epi8(bytes, all('\r')), _mm_cmpeq_epi8(bytes, all('\n')));
    return _mm_movemask_epi8(breaks) != 0;
}
#endif

// One pass: sixteen bytes at a time where the processor has SSE2 (every x86-64 does).
QString decodeWindows1252(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const unsigned char *>(data);
    bool lineBreak = false;
    qsizetype i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= size; i += 16)
        lineBreak |= widenSixteen(in + i, out + i);
#endif
    for (; i < size; ++i) {
        out[i] = DecodeTable[in[i]];
        lineBreak |= in[i] == '\r' || in[i] == '\n';
    }
    // Two returns, not ?:, which would copy the string (an atomic reference count) per field.
    if (lineBreak && hasLoneLineBreak(data, size))
        return withCrLfBreaks(text);
    return text;
}

QString decodeUtf8(const char *data, qsizetype size)
{
    // Each field is decoded on its own. The file's mark is already skipped, so a U+FEFF that
    // starts a field is text and must be kept (QString::fromUtf8 would drop it).
    const auto flags = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    QStringDecoder decoder(QStringDecoder::Utf8, flags);
    QString text = decoder.decode(QByteArrayView(data, size));
    if (hasLoneLineBreak(data, size))
        return withCrLfBreaks(text);
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

} // namespace

qsizetype DeckReader::startEncoding(QByteArrayView start)
{
    const bool utf8 = start.startsWith(Utf8ByteOrderMark);
    m_encoding = utf8 ? Encoding::Utf8 : Encoding::Windows1252;
    return utf8 ? Utf8ByteOrderMark.size() : 0;
}

void DeckReader::feed(QByteArrayView bytes)
{
    if (m_tooManyCards || bytes.isEmpty())
        return;
    if (m_encoding == Encoding::Unknown) {
        if (m_pending.size() + bytes.size() < Utf8ByteOrderMark.size()) {
            m_pending.append(bytes);
            return;
        }
        if (!m_pending.isEmpty()) {
            // Only while the first three bytes of the file have come in tiny pieces.
            m_pending.append(bytes);
            m_pending.remove(0, startEncoding(m_pending));
            parsePending(false);
            return;
        }
        bytes = bytes.sliced(startEncoding(bytes));
    }

    // A field begun in an earlier piece is finished with this piece's lines one at a time, so
    // that only they are copied; once a field ends where a line does, reading goes on from the
    // piece itself.
    while (!m_pending.isEmpty() && !bytes.isEmpty() && !m_tooManyCards) {
        qsizetype lineEnd = findLineBreak(bytes.data(), 0, bytes.size());
        if (lineEnd == bytes.size() || (bytes[lineEnd] == '\r' && lineEnd + 1 == bytes.size())) {
            m_pending.append(bytes);
            parsePending(false);
            return;
        }
        lineEnd += (bytes[lineEnd] == '\r' && bytes[lineEnd + 1] == '\n') ? 2 : 1;
        m_pending.append(bytes.first(lineEnd));
        bytes = bytes.sliced(lineEnd);
        parsePending(false);
    }
    if (bytes.isEmpty() || m_tooManyCards)
        return;

    const qsizetype used = parse(bytes.data(), bytes.size(), false);
    m_pending = bytes.sliced(used).toByteArray();
    m_searchFrom -= used;
}

void DeckReader::parsePending(bool atEnd)
{
    const qsizetype used = parse(m_pending.constData(), m_pending.size(), atEnd);
    m_pending.remove(0, used);
    m_searchFrom -= used;
}

DeckReadResult DeckReader::finish()
{
    if (!m_tooManyCards) {
        if (m_encoding == Encoding::Unknown)
            m_pending.remove(0, startEncoding(m_pending));
        parsePending(true);
    }
    if (m_tooManyCards)
        return {{}, true};
    return {std::move(m_cards), false};
}

qsizetype DeckReader::parse(const char *data, qsizetype size, bool atEnd)
{
    enum Field { Name, Front, Back };

    // Each field is the run of lines from pos up to and including the first line that holds
    // the terminator anywhere; that last line loses its final 15 characters, whatever they are.
    qsizetype pos = 0;
    while (pos < size) {
        const qsizetype found = findTerminator(data, size, std::max(pos, m_searchFrom));
        if (found < 0) {
            // The lines from pos on do not finish a field yet; at the end they never will.
            m_searchFrom = std::max(pos, size - (TerminatorLength - 1));
            return atEnd ? size : pos;
        }
        const qsizetype lineEnd = findLineBreak(data, found + TerminatorLength, size);
        // The line, or the CR LF ending it, may go on in the next piece.
        if (!atEnd && (lineEnd == size || (data[lineEnd] == '\r' && lineEnd + 1 == size))) {
            m_searchFrom = found;
            return pos;
        }

        QString &text = m_fields[m_expected];
        if (m_encoding == Encoding::Utf8) {
            // In UTF-8 the last 15 characters may be more than 15 bytes.
            text = decodeUtf8(data + pos, lineEnd - pos);
            chopCharacters(text, TerminatorLength);
        } else {
            text = decodeWindows1252(data + pos, lineEnd - pos - TerminatorLength);
        }

        if (m_expected == Back) {
            if (!m_fields[Name].isEmpty()) {
                if (m_cards.size() == DeckStore::MaxCards) {
                    m_tooManyCards = true;
                    m_cards.clear();
                    return size;
                }
                m_cards.append(CardRecord{std::move(m_fields[Name]), std::move(m_fields[Front]),
                                          std::move(m_fields[Back])});
            }
            m_expected = Name;
        } else {
            ++m_expected;
        }

        pos = lineEnd;
        if (pos < size)
            pos += (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n') ? 2 : 1;
        m_searchFrom = pos;
    }
    return pos;
}

DeckReadResult readDeck(QByteArrayView bytes)
{
    DeckReader reader;
    reader.feed(bytes);
    return reader.finish();
}

namespace {

class ByteWriter
{
public:
    // Writes into buffer, reusing its memory, with room for estimate bytes to begin with.
    ByteWriter(QByteArray &&buffer, qsizetype estimate)
        : m_bytes(std::move(buffer))
    {
        m_bytes.resize(estimate);
        m_pos = m_bytes.data();
    }

    // Makes room for n more bytes.
    char *room(qsizetype n)
    {
        const qsizetype used = size();
        if (m_bytes.size() - used < n) {
            m_bytes.resize(std::max(m_bytes.size() * 2, used + n));
            m_pos = m_bytes.data() + used;
        }
        return m_pos;
    }
    void advanceTo(char *p) { m_pos = p; }
    qsizetype size() const { return m_pos - m_bytes.constData(); }

    QByteArray take()
    {
        m_bytes.truncate(size());
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
    char *m_pos = nullptr;
};

enum class Written { Yes, Unrepresentable, TerminatorInsideLine };

// Ends a field: the terminator and CR LF after its bytes, which must not hold the terminator
// on any line but their last.
Written endField(ByteWriter &out, char *fieldStart, char *p, bool mayHoldTerminator = true)
{
    if (mayHoldTerminator && hasTerminatorInsideLine(fieldStart, p - fieldStart))
        return Written::TerminatorInsideLine;
    p = std::copy(TerminatorBytes.begin(), TerminatorBytes.end(), p);
    p = std::copy(CrLf.begin(), CrLf.end(), p);
    out.advanceTo(p);
    return Written::Yes;
}

// One character at a time, for texts with characters outside Latin-1 or lone line breaks.
char *writeWindows1252Slowly(QStringView text, char *p, bool &representable)
{
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
            representable = false;
            return p;
        }
    }
    return p;
}

// A field encoded as Windows-1252 by narrowing, and what it turned out to hold.
struct Narrowed
{
    char *end;
    // A character Windows-1252 cannot represent.
    bool unrepresentable = false;
    // U+0080-U+009F, where Windows-1252 differs from Latin-1: narrowing does not apply.
    bool highControl = false;
    // A CR or LF that is not half of a CR LF.
    bool loneLineBreak = false;
    // ')', with which the terminator starts.
    bool parenthesis = false;
};

// Encodes text as Windows-1252 one byte per UTF-16 unit, which is right for all of it but
// U+0080-U+009F and lone line breaks (both reported). Most characters are Latin-1 and
// narrow unchanged, sixteen at a time where the processor has SSE2 (every x86-64 does); the
// few above U+00FF that Windows-1252 has (the euro sign, curly quotes...) are mended one by one.
// Writes up to 15 bytes past the text's end: out must have room for them.
Narrowed narrow(QStringView text, char *out)
{
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    Narrowed found{out + size};
    const auto mend = [&](qsizetype at, char16_t unit) {
        const auto byte = windows1252::encode(unit);
        found.unrepresentable |= !byte;
        out[at] = char(byte.value_or('?'));
    };
#if defined(__SSE2__)
    const auto all = [](char16_t unit) { return _mm_set1_epi16(short(unit)); };
    const __m128i zero = _mm_setzero_si128();
    // One bit per unit of sixteen, from the two halves' comparison results.
    const auto bits = [](__m128i low, __m128i high) {
        return unsigned(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
    };
    __m128i control = zero;
    __m128i parenthesis = zero;
    // A CR ended the sixteen before: its LF must start these.
    bool carriageReturnBefore = false;
    // The sixteen units at src, which stand at position at of the text.
    const auto sixteen = [&](const char16_t *src, qsizetype at) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + at), _mm_packus_epi16(low, high));
        const __m128i fitsLow = _mm_cmpeq_epi16(_mm_and_si128(low, all(0xFF00)), zero);
        const __m128i fitsHigh = _mm_cmpeq_epi16(_mm_and_si128(high, all(0xFF00)), zero);
        for (unsigned beyond = ~bits(fitsLow, fitsHigh) & 0xFFFF; beyond; beyond &= beyond - 1) {
            const int lane = std::countr_zero(beyond);
            mend(at + lane, src[lane]);
        }
        const unsigned carriageReturns =
            bits(_mm_cmpeq_epi16(low, all(u'\r')), _mm_cmpeq_epi16(high, all(u'\r')));
        const unsigned lineFeeds =
            bits(_mm_cmpeq_epi16(low, all(u'\n')), _mm_cmpeq_epi16(high, all(u'\n')));
        if (carriageReturns | lineFeeds | unsigned(carriageReturnBefore)) {
            // Each CR needs an LF right after it, each LF a CR right before it.
            const unsigned pairedLineFeeds =
                (carriageReturns << 1) | unsigned(carriageReturnBefore);
            found.loneLineBreak |= (carriageReturns & 0x7FFF & ~(lineFeeds >> 1)) != 0
                                   || (lineFeeds & ~pairedLineFeeds) != 0
                                   || (carriageReturnBefore && !(lineFeeds & 1));
            carriageReturnBefore = carriageReturns & 0x8000;
        }
        control = _mm_or_si128(
            control, _mm_or_si128(_mm_cmpeq_epi16(_mm_and_si128(low, all(0xFFE0)), all(0x80)),
                                  _mm_cmpeq_epi16(_mm_and_si128(high, all(0xFFE0)), all(0x80))));
        parenthesis = _mm_or_si128(parenthesis, _mm_or_si128(_mm_cmpeq_epi16(low, all(u')')),
                                                             _mm_cmpeq_epi16(high, all(u')'))));
    };
    qsizetype i = 0;
    for (; i + 16 <= size; i += 16)
        sixteen(in + i, i);
    // The last few units (most names are shorter than sixteen) go the same way, padded with
    // NULs, which fit, break no line and are no ')'; their bytes are written over afterwards.
    if (i < size) {
        std::array<char16_t, 16> last{};
        copyShort(last.data(), in + i, size - i);
        sixteen(last.data(), i);
    }
    found.highControl = _mm_movemask_epi8(control);
    found.parenthesis = _mm_movemask_epi8(parenthesis);
    // A CR at the very end has no LF after it.
    found.loneLineBreak |= carriageReturnBefore;
#else
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = in[i];
        found.highControl |= (unit & 0xFFE0) == 0x80;
        found.loneLineBreak |= (unit == u'\r' && (i + 1 == size || in[i + 1] != u'\n'))
                               || (unit == u'\n' && (i == 0 || in[i - 1] != u'\r'));
        found.parenthesis |= unit == u')';
        if (unit > 0xFF)
            mend(i, unit);
        else
            out[i] = char(unit);
    }
#endif
    return found;
}

Written writeWindows1252Field(ByteWriter &out, QStringView text)
{
    // Worst case: every lone line break doubles. Narrowing may write 15 bytes beyond the text.
    char *const start = out.room(text.size() * 2 + 15 + TerminatorLength + CrLf.size());
    const Narrowed narrowed = narrow(text, start);
    char *p = narrowed.end;
    bool representable = !narrowed.unrepresentable;
    if (representable && (narrowed.highControl || narrowed.loneLineBreak)) {
        // Lone line breaks to turn into CR LF, or characters of 0x80-0x9F to check.
        p = writeWindows1252Slowly(text, start, representable);
    }
    if (!representable)
        return Written::Unrepresentable;
    // Only a text holding ')' can hold the terminator.
    return endField(out, start, p, narrowed.parenthesis);
}

Written writeUtf8Field(ByteWriter &out, QStringView text)
{
    QByteArray utf8 = text.toUtf8();
    if (hasLoneLineBreak(utf8.constData(), utf8.size()))
        utf8 = withCrLfBreaks(text).toUtf8();
    char *const start = out.room(utf8.size() + TerminatorLength + CrLf.size());
    char *const p = std::copy(utf8.cbegin(), utf8.cend(), start);
    return endField(out, start, p);
}

// The 8-bit file's size but for lone line breaks, and the room its longest field asks for.
std::pair<qsizetype, qsizetype> estimatedSize(std::span<const CardRecord> slots)
{
    qsizetype total = 0;
    qsizetype longest = 0;
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        total += card.name.size() + card.front.size() + card.back.size()
                 + 3 * (TerminatorLength + CrLf.size());
        longest = std::max({longest, card.name.size(), card.front.size(), card.back.size()});
    }
    // Each field asks for room for twice its length: keep that much spare, or a field near the
    // end would have the whole buffer grown and copied.
    return {total, 2 * longest + 15 + TerminatorLength + CrLf.size()};
}

} // namespace

DeckWriter::DeckWriter(std::span<const CardRecord> slots, qsizetype pieceSize)
    : m_slots(slots)
    , m_pieceSize(pieceSize)
{
    std::tie(m_estimate, m_spare) = estimatedSize(slots);
}

DeckWriter::Step DeckWriter::next(QByteArray &piece)
{
    if (m_refused)
        return Step::Refused;
    // A UTF-8 file takes up to three bytes a character.
    const qsizetype perUnit = m_utf8 ? 3 : 1;
    // The piece's memory is written again, not given up and allocated anew.
    ByteWriter out(std::exchange(piece, QByteArray()), std::min(m_pieceSize, m_estimate * perUnit)
                                                           + m_spare * perUnit
                                                           + Utf8ByteOrderMark.size());
    if (!m_started && m_utf8) {
        char *p = out.room(Utf8ByteOrderMark.size());
        out.advanceTo(std::copy(Utf8ByteOrderMark.begin(), Utf8ByteOrderMark.end(), p));
    }
    const auto startOverInUtf8 = [&] {
        m_utf8 = true;
        m_started = false;
        m_next = 0;
        return Step::StartOver;
    };

    while (m_next < m_slots.size() && out.size() < m_pieceSize) {
        const CardRecord &card = m_slots[m_next++];
        if (card.name.isEmpty())
            continue;
        for (const QString *text : {&card.name, &card.front, &card.back}) {
            const Written written =
                m_utf8 ? writeUtf8Field(out, *text) : writeWindows1252Field(out, *text);
            if (written == Written::TerminatorInsideLine) {
                m_refused = card.name;
                return Step::Refused;
            }
            if (written == Written::Unrepresentable)
                return startOverInUtf8();
        }
    }
    piece = out.take();
    // An 8-bit file starting with these bytes would be read back as UTF-8.
    if (!m_started && !m_utf8 && piece.startsWith(Utf8ByteOrderMark))
        return startOverInUtf8();
    m_started = true;
    return m_next < m_slots.size() ? Step::More : Step::Done;
}

DeckWriteResult writeDeck(std::span<const CardRecord> slots)
{
    // One piece for the whole file.
    DeckWriter writer(slots, std::numeric_limits<qsizetype>::max());
    QByteArray bytes;
    for (;;) {
        QByteArray piece;
        switch (writer.next(piece)) {
        case DeckWriter::Step::More:
            bytes += piece;
            break;
        case DeckWriter::Step::Done:
            bytes += piece;
            return {std::move(bytes), std::nullopt, writer.isUtf8()};
        case DeckWriter::Step::StartOver:
            bytes.clear();
            break;
        case DeckWriter::Step::Refused:
            return {{}, writer.refusedCard(), false};
        }
    }
}

} // namespace memoquill
