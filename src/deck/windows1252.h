#pragma once

#include <algorithm>
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

// The character of every byte.
constexpr std::array<char16_t, 256> decodeTable()
{
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = char16_t(byte);
    std::copy(HighControlBlock.begin(), HighControlBlock.end(), table.begin() + 0x80);
    return table;
}
inline constexpr std::array<char16_t, 256> DecodeTable = decodeTable();

constexpr char16_t decode(unsigned char byte)
{
    return DecodeTable[byte];
}

// The byte for a character, or nothing when Windows-1252 cannot represent it.
constexpr std::optional<unsigned char> encode(char16_t c)
{
    if (c <= 0xFF && (c & 0xE0) != 0x80)
        return static_cast<unsigned char>(c);
    const auto *found = std::find(HighControlBlock.begin(), HighControlBlock.end(), c);
    if (found == HighControlBlock.end())
        return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - HighControlBlock.begin()));
}

} // namespace memoquill::windows1252
