#include "windows1252.h"

namespace memoquill::windows1252 {

std::optional<unsigned char> encode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (unsigned i = 0; i < HighControlBlock.size(); ++i) {
        if (HighControlBlock[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace memoquill::windows1252
