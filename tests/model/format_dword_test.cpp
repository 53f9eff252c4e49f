#include "model/format_dword.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace model {
namespace {

TEST(FormatDword, ShowsFourBytesInEitherOrder) {
    struct Case {
        std::uint32_t value;
        int byteOrder;
        bool spaced;
        const char* text;
    };
    const Case cases[] = {
        {0x600000, 1, true, "00 00 60 00"},   {0x673333, 1, true, "33 33 67 00"},
        {0x673333, 0, true, "00 67 33 33"},   {0x0A0B0C0D, 1, false, "0d0c0b0a"},
        {0x0A0B0C0D, 0, false, "0a0b0c0d"},   {0, 1, true, "00 00 00 00"},
        {0xFFFFFFFF, 0, true, "ff ff ff ff"}, {0x80000001, 1, false, "01000080"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDword(c.value, c.byteOrder, c.spaced), c.text)
            << std::hex << c.value << " order " << c.byteOrder << " spaced " << c.spaced;
    }
}

TEST(FormatDword, RejectsAnyOtherByteOrder) {
    for (int byteOrder : {2, -1, 256}) {
        for (std::uint32_t value : {0u, 0x600000u}) {
            EXPECT_EQ(FormatDword(value, byteOrder, true), "Wrong format!") << byteOrder;
            EXPECT_EQ(FormatDword(value, byteOrder, false), "Wrong format!") << byteOrder;
        }
    }
}

}  // namespace
}  // namespace model
