#include "windows1252.h"

namespace memoquill::windows1252 {

namespace {

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
constexpr Pages BytesAbove00FF = pagesOfBytes();

} // namespace

std::optional<unsigned char> encode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    // Of 0x80-0x9F, only the five bytes Windows-1252 leaves undefined stand for themselves.
    if (c < 0xA0)
        return HighControlBlock[c - 0x80] == c ? std::optional<unsigned char>(c) : std::nullopt;
    const int page = pageOf(c);
    if (page < 0)
        return std::nullopt;
    const unsigned char byte = BytesAbove00FF[std::size_t(page)][c & 0xFF];
    return byte ? std::optional<unsigned char>(byte) : std::nullopt;
}

} // namespace memoquill::windows1252
