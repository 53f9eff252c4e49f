// The page pool size as the user picks it: whole mebibytes 0 to 64 and two decimal digits, and
// its conversion to and from the byte count stored in a ROM image.
#pragma once

#include <cstdint>
#include <string>

namespace model {

inline constexpr std::uint32_t kMebibyte = 1048576;
inline constexpr int kMaxWhole = 64;

// A whole part the selection accepts: 0 to 64. Negative numbers count as huge, as the unsigned
// comparison of the dialog makes them.
inline bool IsWholePartInRange(int n) {
    return static_cast<std::uint32_t>(n) <= kMaxWhole;
}

// Bytes for whole.tenths hundredths MiB, rounded down.
std::uint32_t SizeToBytes(int whole, int tenths, int hundredths);

struct SizeDigits {
    int whole;
    int tenths;
    int hundredths;
};

// The size a stored value reads as. Adding one byte before dividing makes every size the user
// can pick read back as itself. Values of 65 MiB and more (up to 0xFFFFFFFE) cannot be picked
// and read as 64.00, the largest size that can; 0xFFFFFFFF wraps to 0.00.
SizeDigits SizeFromBytes(std::uint32_t value);

// "6.00", "12.50", "0.05", "64.00".
std::string FormatSize(int whole, int tenths, int hundredths);

struct PoolSizeSelection {
    int whole = 6;
    int tenths = 0;
    int hundredths = 0;
    bool decimalsAllowed = false;  // until the first SetWholePart

    // Ignores values above 64 (and negative ones).
    void SetWholePart(int n);
    // At 64 MiB no decimals: they are cleared and disallowed; below, allowed and kept.
    void ApplyDecimalsRule();
    std::uint32_t ToBytes() const { return SizeToBytes(whole, tenths, hundredths); }
    // The digits of a value read from a file stay as read, even at 64 (64.99 stays 64.99).
    void FromBytes(std::uint32_t value);
    std::string FormatValueText() const { return FormatSize(whole, tenths, hundredths); }

    bool operator==(const PoolSizeSelection&) const = default;
};

}  // namespace model
