#include "model/pool_size.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace model {

void PrintTo(const PoolSizeSelection& s, std::ostream* os) {
    *os << s.whole << "." << s.tenths << s.hundredths
        << (s.decimalsAllowed ? "" : " (no decimals)");
}

namespace {

PoolSizeSelection Selection(int whole, int tenths, int hundredths, bool decimalsAllowed) {
    PoolSizeSelection s;
    s.whole = whole;
    s.tenths = tenths;
    s.hundredths = hundredths;
    s.decimalsAllowed = decimalsAllowed;
    return s;
}

TEST(PoolSizeSelection, StartsAtSixWithoutDecimals) {
    PoolSizeSelection s;
    EXPECT_EQ(s, Selection(6, 0, 0, false));
    EXPECT_EQ(s.FormatValueText(), "6.00");
    EXPECT_EQ(s.ToBytes(), 6291456u);
}

TEST(PoolSizeSelection, SetWholePartKeepsTheRangeAndTheSixtyFourRule) {
    struct Case {
        PoolSizeSelection before;
        int n;
        PoolSizeSelection after;
    };
    const Case cases[] = {
        {Selection(6, 0, 0, false), 65, Selection(6, 0, 0, false)},
        {Selection(6, 0, 0, false), -1, Selection(6, 0, 0, false)},
        {Selection(12, 7, 5, true), 2147483647, Selection(12, 7, 5, true)},
        {Selection(6, 0, 0, false), 0, Selection(0, 0, 0, true)},
        {Selection(12, 7, 5, true), 64, Selection(64, 0, 0, false)},
        {Selection(64, 0, 0, false), 32, Selection(32, 0, 0, true)},
        // Digits read with a 64 (64.50 from a file) survive leaving 64, but not choosing it.
        {Selection(64, 5, 0, false), 63, Selection(63, 5, 0, true)},
        {Selection(64, 5, 0, false), 64, Selection(64, 0, 0, false)},
        {Selection(9, 9, 9, true), 9, Selection(9, 9, 9, true)},
    };
    for (const Case& c : cases) {
        PoolSizeSelection s = c.before;
        s.SetWholePart(c.n);
        EXPECT_EQ(s, c.after) << "SetWholePart(" << c.n << ") from "
                              << testing::PrintToString(c.before);
    }
}

TEST(PoolSizeSelection, ToBytesRoundsDown) {
    struct Case {
        int whole, tenths, hundredths;
        std::uint32_t bytes;
    };
    const Case cases[] = {
        {6, 0, 0, 6291456}, {6, 4, 5, 6763315},   {0, 0, 1, 10485},     {64, 0, 0, 67108864},
        {0, 0, 0, 0},       {12, 5, 0, 13107200}, {63, 9, 9, 67098378}, {0, 9, 9, 1038090},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Selection(c.whole, c.tenths, c.hundredths, true).ToBytes(), c.bytes)
            << c.whole << "." << c.tenths << c.hundredths;
    }
}

TEST(PoolSizeSelection, FromBytesReadsAStoredValue) {
    struct Case {
        std::uint32_t value;
        PoolSizeSelection read;
    };
    const Case cases[] = {
        {6291456, Selection(6, 0, 0, true)},
        {6763315, Selection(6, 4, 5, true)},
        {0x600001, Selection(6, 0, 0, true)},
        {0x5FFFFE, Selection(5, 9, 9, true)},
        {0x900000, Selection(9, 0, 0, true)},  // no preset for 9
        {0, Selection(0, 0, 0, true)},
        {0xFFFFFFFF, Selection(0, 0, 0, true)},  // wraps with the added byte
        // From one byte short of 64 MiB to one short of 65 the digits are kept, decimals or not.
        {67108863, Selection(64, 0, 0, false)},
        {67108864, Selection(64, 0, 0, false)},
        {0x4080000, Selection(64, 5, 0, false)},
        {68157438, Selection(64, 9, 9, false)},
        // Sizes that cannot be chosen read as the largest that can.
        {68157439, Selection(64, 0, 0, false)},
        {80u * 1048576, Selection(64, 0, 0, false)},
        {0xFFFFFFFE, Selection(64, 0, 0, false)},
    };
    for (const Case& c : cases) {
        PoolSizeSelection s = Selection(12, 7, 5, true);
        s.FromBytes(c.value);
        EXPECT_EQ(s, c.read) << "FromBytes(" << c.value << ")";
    }
}

TEST(PoolSizeSelection, EveryValueAboveSixtyFiveMebibytesReadsAsSixtyFour) {
    // Whatever the selection held before: a kept whole part would turn the remainder into
    // hundredths far outside a digit (80 MiB over 6 gives 7400).
    for (std::uint64_t value = 68157439; value <= 0xFFFFFFFE; value += 65537) {
        PoolSizeSelection s = Selection(6, 3, 3, true);
        s.FromBytes(static_cast<std::uint32_t>(value));
        ASSERT_EQ(s, Selection(64, 0, 0, false)) << "FromBytes(" << value << ")";
    }
    const SizeDigits last = SizeFromBytes(0xFFFFFFFE);
    EXPECT_EQ(FormatSize(last.whole, last.tenths, last.hundredths), "64.00");
}

TEST(PoolSizeSelection, DigitsStayDigitsForAnyValue) {
    for (std::uint64_t value = 0; value <= 0xFFFFFFFF; value += 40009) {
        const SizeDigits d = SizeFromBytes(static_cast<std::uint32_t>(value));
        ASSERT_TRUE(d.whole >= 0 && d.whole <= 64 && d.tenths >= 0 && d.tenths <= 9 &&
                    d.hundredths >= 0 && d.hundredths <= 9)
            << value << " read as " << d.whole << "." << d.tenths << d.hundredths;
    }
}

TEST(PoolSizeSelection, EveryChoiceReadsBackAsItself) {
    int choices = 0;
    for (int whole = 0; whole <= 64; ++whole) {
        for (int tenths = 0; tenths <= 9; ++tenths) {
            for (int hundredths = 0; hundredths <= 9; ++hundredths) {
                PoolSizeSelection chosen;
                chosen.SetWholePart(whole);
                if (whole == 64 && (tenths != 0 || hundredths != 0))
                    continue;
                chosen.tenths = tenths;
                chosen.hundredths = hundredths;
                ++choices;

                PoolSizeSelection read = Selection(12, 7, 5, true);
                read.FromBytes(chosen.ToBytes());
                ASSERT_EQ(read, chosen) << "via " << chosen.ToBytes() << " bytes";
            }
        }
    }
    EXPECT_EQ(choices, 6401);
}

TEST(PoolSizeSelection, FormatsTwoDecimals) {
    EXPECT_EQ(Selection(6, 0, 0, true).FormatValueText(), "6.00");
    EXPECT_EQ(Selection(12, 5, 0, true).FormatValueText(), "12.50");
    EXPECT_EQ(Selection(0, 0, 5, true).FormatValueText(), "0.05");
    EXPECT_EQ(Selection(64, 0, 0, false).FormatValueText(), "64.00");
}

}  // namespace
}  // namespace model
