#include "deckgen.h"

#include "windows1252.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace memoquill::bench {

namespace {

constexpr std::string_view FieldEnd = ")}]d8h0-0h8b)}]\r\n";
constexpr int FramingBytes = 3 * int(FieldEnd.size());
constexpr int TextBytes = BytesPerCard - FramingBytes;

// Every word is representable in Windows-1252; about a third have a byte above 0x7F, some
// of them in 0x80-0x9F, where Windows-1252 and Latin-1 differ.
constexpr std::array<std::u16string_view, 32> Words = {
    u"the",    u"café",    u"memory",  u"naïve",    u"learn",   u"crème",  u"brûlée",
    u"review", u"€5",      u"œuvre",   u"“quoted”", u"Müller",  u"Straße", u"answer",
    u"señor",  u"façade",  u"déjà",    u"vu",       u"river",   u"of",     u"question",
    u"a",      u"history", u"science", u"language", u"meaning", u"to",     u"example",
    u"and",    u"city",    u"year",    u"number"};

std::string toWindows1252(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t c : text)
        bytes.push_back(char(windows1252::encode(c).value_or('?')));
    return bytes;
}

const std::vector<std::string> &encodedWords()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> encoded;
        for (const std::u16string_view word : Words)
            encoded.push_back(toWindows1252(word));
        return encoded;
    }();
    return words;
}

// Words drawn from a fixed linear congruential sequence, cut to exactly `length` bytes.
void appendWords(std::string &out, std::uint32_t &state, int length)
{
    const std::vector<std::string> &words = encodedWords();
    const std::size_t end = out.size() + std::size_t(length);
    while (out.size() < end) {
        state = state * 1664525u + 1013904223u;
        const std::string &word = words[(state >> 16) % words.size()];
        out.append(word, 0, end - out.size());
        if (out.size() < end)
            out.push_back(' ');
    }
}

std::string nameBytes(int i)
{
    char number[16];
    std::snprintf(number, sizeof number, "Card %05d ", i);
    const std::vector<std::string> &words = encodedWords();
    return number + words[std::size_t(i) * 7 % words.size()];
}

} // namespace

QString generatedCardName(int i)
{
    const std::string bytes = nameBytes(i);
    QString name(qsizetype(bytes.size()), Qt::Uninitialized);
    for (std::size_t k = 0; k < bytes.size(); ++k)
        name[qsizetype(k)] = QChar(windows1252::decode(static_cast<unsigned char>(bytes[k])));
    return name;
}

QByteArray generateDeckBytes(int cards)
{
    std::string out;
    out.reserve(std::size_t(cards) * BytesPerCard);
    for (int i = 1; i <= cards; ++i) {
        std::uint32_t state = std::uint32_t(i) * 2654435761u;
        const std::string name = nameBytes(i);
        out += name;
        out += FieldEnd;
        // Fronts of 78 to 122 bytes; the back takes the rest, in two lines.
        const int front = 78 + (i * 37) % 45;
        appendWords(out, state, front);
        out += FieldEnd;
        const int back = TextBytes - int(name.size()) - front - 2;
        appendWords(out, state, back / 2);
        out += "\r\n";
        appendWords(out, state, back - back / 2);
        out += FieldEnd;
    }
    return QByteArray(out.data(), qsizetype(out.size()));
}

} // namespace memoquill::bench
