#include "model/format_dword.h"

#include <cstdio>

namespace model {

std::string FormatDword(std::uint32_t value, int byteOrder, bool spaced) {
    if (byteOrder != 0 && byteOrder != 1)
        return "Wrong format!";
    unsigned b[4];
    for (int i = 0; i < 4; ++i) {
        unsigned byte = (value >> (8 * i)) & 0xFF;
        b[byteOrder == 1 ? i : 3 - i] = byte;
    }
    const char* sep = spaced ? " " : "";
    char text[16];
    std::snprintf(text, sizeof text, "%02x%s%02x%s%02x%s%02x", b[0], sep, b[1], sep, b[2], sep,
                  b[3]);
    return text;
}

}  // namespace model
