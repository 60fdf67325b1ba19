#include "deck/wordlist.h"

#include "deck/deckfile.h"
#include "deck/deckformat.h"
#include "deck/linebreaks.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <new>

namespace memoquill {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's messages for translators.
class WordList
{
    Q_DECLARE_TR_FUNCTIONS(WordList)
};

constexpr QStringView LineBreakTags[] = {u"<br>", u"<br/>", u"<br />"};

struct NamedReference
{
    QStringView text;
    char16_t character;
};
constexpr NamedReference NamedReferences[] = {
    {u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&quot;", u'"'}, {u"&nbsp;", 0xA0}};

QString decodeText(QByteArrayView bytes)
{
    // Stateless, so that a sequence cut off at the end counts as an error too. The default
    // flags skip a byte-order mark at the start.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// What a tag or reference at the start of text stands for, and its length in text; length 0
// when text starts with neither.
struct Markup
{
    QString text;
    qsizetype length = 0;
};

// &#9; or &#x263A;
Markup numericReference(QStringView text)
{
    if (!text.startsWith(u"&#"))
        return {};
    qsizetype at = 2;
    int base = 10;
    if (at < text.size() && (text[at] == u'x' || text[at] == u'X')) {
        base = 16;
        ++at;
    }
    const qsizetype digitsStart = at;
    char32_t value = 0;
    for (; at < text.size() && digitValue(text[at], base) >= 0; ++at) {
        value = value * base + char32_t(digitValue(text[at], base));
        if (value > 0x10FFFF)
            return {};
    }
    if (at == digitsStart || at == text.size() || text[at] != u';')
        return {};
    // No text holds a NUL or half of a surrogate pair: such a reference stays as it is.
    if (value == 0 || QChar::isSurrogate(value))
        return {};
    return {QStringView(QChar::fromUcs4(value)).toString(), at + 1};
}

Markup markupAt(QStringView text)
{
    for (const QStringView tag : LineBreakTags) {
        if (text.startsWith(tag, Qt::CaseInsensitive))
            return {u"\r\n"_s, tag.size()};
    }
    for (const NamedReference &reference : NamedReferences) {
        if (text.startsWith(reference.text))
            return {QString(QChar(reference.character)), reference.text.size()};
    }
    return numericReference(text);
}

// The card text a field holds.
QString fieldText(QStringView field)
{
    if (field == u"<br>")
        return {};
    // Most fields hold no markup at all.
    if (!field.contains(u'<') && !field.contains(u'&'))
        return withCrLf(field.toString());
    QString text;
    text.reserve(field.size());
    qsizetype at = 0;
    while (at < field.size()) {
        qsizetype special = at;
        while (special < field.size() && field[special] != u'<' && field[special] != u'&')
            ++special;
        text += field.sliced(at, special - at);
        at = special;
        if (at == field.size())
            break;
        const Markup markup = markupAt(field.sliced(at));
        if (markup.length > 0) {
            text += markup.text;
            at += markup.length;
        } else {
            text += field[at];
            ++at;
        }
    }
    // A lone CR or LF, from the list's own line breaks or from a reference, is a line break.
    return withCrLf(std::move(text));
}

QStringView firstLine(QStringView text)
{
    const qsizetype end = text.indexOf(u'\r');
    return end < 0 ? text : text.first(end);
}

// Turns records into cards: names them, and refuses what a deck cannot hold.
class CardMaker
{
public:
    // Empty when the record, of 2 or 3 fields, became a card, else why it was refused.
    QString add(std::span<const QStringView> fields)
    {
        if (m_cards.size() == DeckStore::MaxCards)
            return WordList::tr("more cards than a deck holds (%1)").arg(DeckStore::MaxCards);
        QString front = fieldText(fields[fields.size() - 2]);
        QString back = fieldText(fields[fields.size() - 1]);
        QString name;
        if (fields.size() == 3) {
            name = fieldText(fields[0]);
            if (name.contains(FieldTerminator)) {
                return WordList::tr("the name contains %1, which a deck file cannot hold")
                    .arg(FieldTerminator);
            }
        } else {
            const QStringView line = firstLine(front).trimmed();
            // A one-line front without spaces at its ends shares its text with the name.
            name = line.size() == front.size() ? front : line.toString();
            // Such a name could not be saved; a number stands for it, as for no name.
            if (name.contains(FieldTerminator))
                name.clear();
        }
        if (name.isEmpty() || !take(name))
            name = numberedName(name);
        m_cards.append({std::move(name), std::move(front), std::move(back)});
        return {};
    }

    QList<CardRecord> cards() { return std::move(m_cards); }

private:
    // Marks name as taken; false when it was taken already.
    bool take(const QString &name)
    {
        const qsizetype taken = m_taken.size();
        m_taken.insert(name);
        return m_taken.size() > taken;
    }

    // Takes the first free of "NAME (2)", "NAME (3)", ..., or "Card 1", "Card 2", ... for none.
    QString numberedName(const QString &name)
    {
        // Names are only added, so the first free number is never below the last one given.
        int &number = m_nextNumber[name];
        if (number == 0)
            number = name.isEmpty() ? 1 : 2;
        for (;; ++number) {
            QString numbered = name.isEmpty() ? u"Card "_s + QString::number(number)
                                              : name + u" ("_s + QString::number(number) + u')';
            if (take(numbered))
                return numbered;
        }
    }

    QList<CardRecord> m_cards;
    QSet<QString> m_taken;
    QHash<QString, int> m_nextNumber;
};

ListReadResult refused(qsizetype line, QString why)
{
    return {{}, std::move(why), line};
}

QString wrongFieldCount(qsizetype found, ListFormat format)
{
    return format == ListFormat::Csv
               ? WordList::tr("expected 2 or 3 fields separated by commas, found %1").arg(found)
               : WordList::tr("expected 2 or 3 fields separated by tabs, found %1").arg(found);
}

ListReadResult readTabs(QStringView text)
{
    CardMaker maker;
    qsizetype line = 0;
    for (qsizetype start = 0; start < text.size();) {
        ++line;
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView content = text.sliced(start, end - start);
        start = end + 1;
        if (content.endsWith(u'\r'))
            content.chop(1);
        if (content.isEmpty())
            continue;
        QStringView fields[3];
        qsizetype count = 0;
        qsizetype from = 0;
        for (;;) {
            const qsizetype tab = content.indexOf(u'\t', from);
            const QStringView field =
                tab < 0 ? content.sliced(from) : content.sliced(from, tab - from);
            if (count < 3)
                fields[count] = field;
            ++count;
            if (tab < 0)
                break;
            from = tab + 1;
        }
        if (count != 2 && count != 3)
            return refused(line, wrongFieldCount(count, ListFormat::Tabs));
        if (QString why = maker.add(std::span(fields, count)); !why.isEmpty())
            return refused(line, std::move(why));
    }
    return {maker.cards(), {}, 0};
}

ListReadResult readCsv(QStringView text)
{
    CardMaker maker;
    qsizetype line = 1;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype recordLine = line;
        // The record's fields, their quotes removed.
        QStringList texts;
        bool quoted = false;
        for (;;) {
            QString field;
            quoted = at < text.size() && text[at] == u'"';
            if (quoted) {
                const qsizetype quoteLine = line;
                ++at;
                for (;;) {
                    const qsizetype close = text.indexOf(u'"', at);
                    if (close < 0) {
                        return refused(quoteLine,
                                       WordList::tr("a quoted field is not closed by a quote"));
                    }
                    const QStringView inside = text.sliced(at, close - at);
                    field += inside;
                    line += inside.count(u'\n');
                    at = close + 1;
                    if (at == text.size() || text[at] != u'"')
                        break;
                    field += u'"';
                    ++at;
                }
            }
            // Unquoted text, or text after a closing quote, runs to a comma or the line end.
            qsizetype stop = at;
            while (stop < text.size() && text[stop] != u',' && text[stop] != u'\n')
                ++stop;
            // A CR before the line's LF is part of the line end.
            qsizetype end = stop;
            if (end > at && text[end - 1] == u'\r' && (stop == text.size() || text[stop] == u'\n'))
                --end;
            field += text.sliced(at, end - at);
            texts.append(std::move(field));
            at = stop;
            if (at == text.size() || text[at] == u'\n')
                break;
            ++at; // the comma
        }
        if (at < text.size()) {
            ++at; // the line end
            ++line;
        }
        if (texts.size() == 1 && texts.first().isEmpty() && !quoted)
            continue; // an empty line
        if (texts.size() != 2 && texts.size() != 3)
            return refused(recordLine, wrongFieldCount(texts.size(), ListFormat::Csv));
        QStringView fields[3];
        std::copy(texts.cbegin(), texts.cend(), fields);
        if (QString why = maker.add(std::span(fields, texts.size())); !why.isEmpty())
            return refused(recordLine, std::move(why));
    }
    return {maker.cards(), {}, 0};
}

// Appends the text as a list field holds it.
void appendField(QString &list, QStringView text, ListFormat format)
{
    if (text.isEmpty()) {
        list += u"<br>";
        return;
    }
    // The escapes bring in no comma and no quote.
    const bool quoted = format == ListFormat::Csv && (text.contains(u',') || text.contains(u'"'));
    if (quoted)
        list += u'"';
    // Runs of plain text are copied whole, up to each character written otherwise.
    qsizetype plain = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QStringView written;
        switch (text[i].unicode()) {
        case u'\r':
        case u'\n':
            written = u"<br>";
            break;
        case u'\t':
            written = u" ";
            break;
        case u'&':
            written = u"&amp;";
            break;
        case u'<':
            written = u"&lt;";
            break;
        case u'"':
            written = quoted ? u"\"\"" : u"\"";
            break;
        default:
            continue;
        }
        list += text.sliced(plain, i - plain);
        list += written;
        // CR LF is one line break.
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        plain = i + 1;
    }
    list += text.sliced(plain);
    if (quoted)
        list += u'"';
}

} // namespace

ListFormat listFormatOf(const QString &path)
{
    return path.endsWith(u".csv"_s, Qt::CaseInsensitive) ? ListFormat::Csv : ListFormat::Tabs;
}

ListReadResult readList(QByteArrayView bytes, ListFormat format)
{
    const QString text = decodeText(bytes);
    return format == ListFormat::Csv ? readCsv(text) : readTabs(text);
}

QByteArray writeList(std::span<const CardRecord> slots, ListFormat format)
{
    const QChar separator = format == ListFormat::Csv ? u',' : u'\t';
    const QStringView lineEnd = format == ListFormat::Csv ? u"\r\n" : u"\n";
    qsizetype size = 0;
    for (const CardRecord &card : slots)
        size += card.front.size() + card.back.size() + 4;
    QString text;
    text.reserve(size + size / 16);
    for (const CardRecord &card : slots) {
        if (card.name.isEmpty())
            continue;
        appendField(text, card.front, format);
        text += separator;
        appendField(text, card.back, format);
        text += lineEnd;
    }
    // A list that starts with U+FEFF would lose it to the reader, which skips a byte-order mark.
    if (text.startsWith(QChar(0xFEFF)))
        text.replace(0, 1, u"&#xFEFF;"_s);
    return text.toUtf8();
}

ListFileRead readListFile(const QString &path)
{
    FileBytes file = readFileBytes(path);
    if (!file.failure.isEmpty())
        return {{}, std::move(file.failure)};
    try {
        ListReadResult read = readList(file.bytes, listFormatOf(path));
        if (!read.failure.isEmpty())
            return {{}, WordList::tr("line %1: %2").arg(QString::number(read.line), read.failure)};
        return {std::move(read.cards), {}};
    } catch (const std::bad_alloc &) {
        return {{}, WordList::tr("There is not enough memory to read it.")};
    }
}

FileResult writeListFile(const QString &path, std::span<const CardRecord> slots)
{
    return saveFileBytes(path, writeList(slots, listFormatOf(path)));
}

} // namespace memoquill
