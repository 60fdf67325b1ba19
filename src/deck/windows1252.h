#pragma once

#include <QChar>

#include <array>
#include <optional>

namespace memoquill::windows1252 {

// Windows-1252 differs from Latin-1 only in the 32 bytes 0x80-0x9F. The five bytes it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 code points of the same value, so all
// 256 byte values survive a decode and encode unchanged.
inline constexpr std::array<char16_t, 32> HighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t decode(unsigned char byte)
{
    return (byte & 0xE0) == 0x80 ? HighControlBlock[byte - 0x80] : char16_t(byte);
}

namespace detail {

// The characters Windows-1252 puts in 0x80-0x9F all lie on four 256-character pages.
constexpr int pageOf(char16_t c)
{
    switch (c >> 8) {
    case 0x01:
        return 0;
    case 0x02:
        return 1;
    case 0x20:
        return 2;
    case 0x21:
        return 3;
    default:
        return -1;
    }
}

using Pages = std::array<std::array<unsigned char, 256>, 4>;

constexpr Pages pagesOfBytes()
{
    Pages pages{};
    for (std::size_t i = 0; i != HighControlBlock.size(); ++i) {
        const char16_t c = HighControlBlock[i];
        if (c > 0xFF)
            pages.at(std::size_t(pageOf(c))).at(c & 0xFF) = static_cast<unsigned char>(0x80 + i);
    }
    return pages;
}

// The byte of each such character by page and low byte; 0 where there is none.
inline constexpr Pages BytesAbove00FF = pagesOfBytes();

} // namespace detail

// The byte for a character, or nothing when Windows-1252 cannot represent it. Inline: the
// deck writer asks for every character above U+00FF.
constexpr std::optional<unsigned char> encode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    // Of 0x80-0x9F, only the five bytes Windows-1252 leaves undefined stand for themselves.
    if (c < 0xA0)
        return HighControlBlock[c - 0x80] == c ? std::optional<unsigned char>(c) : std::nullopt;
    const int page = detail::pageOf(c);
    if (page < 0)
        return std::nullopt;
    const unsigned char byte = detail::BytesAbove00FF[std::size_t(page)][c & 0xFF];
    return byte ? std::optional<unsigned char>(byte) : std::nullopt;
}

} // namespace memoquill::windows1252
