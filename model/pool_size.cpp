#include "model/pool_size.h"

#include <cstdio>

namespace model {

std::uint32_t SizeToBytes(int whole, int tenths, int hundredths) {
    const std::int32_t hundredthsOfMiB = hundredths + 10 * tenths + 100 * whole;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(hundredthsOfMiB) * kMebibyte / 100);
}

SizeDigits SizeFromBytes(std::uint32_t value) {
    const std::uint32_t v = value + 1;  // wraps 0xFFFFFFFF to 0
    const std::uint32_t whole = v / kMebibyte;
    if (whole > static_cast<std::uint32_t>(kMaxWhole))
        return {kMaxWhole, 0, 0};
    const std::int64_t rest = v % kMebibyte;
    const std::int64_t tenths = rest * 10 / kMebibyte;
    const std::int64_t hundredths = (rest * 10 - tenths * kMebibyte) * 10 / kMebibyte;
    return {static_cast<int>(whole), static_cast<int>(tenths), static_cast<int>(hundredths)};
}

std::string FormatSize(int whole, int tenths, int hundredths) {
    char text[40];
    std::snprintf(text, sizeof text, "%i.%i%i", whole, tenths, hundredths);
    return text;
}

void PoolSizeSelection::SetWholePart(int n) {
    if (!IsWholePartInRange(n))
        return;
    whole = n;
    ApplyDecimalsRule();
}

void PoolSizeSelection::ApplyDecimalsRule() {
    if (whole == kMaxWhole) {
        decimalsAllowed = false;
        tenths = 0;
        hundredths = 0;
    } else {
        decimalsAllowed = true;
    }
}

void PoolSizeSelection::FromBytes(std::uint32_t value) {
    const SizeDigits digits = SizeFromBytes(value);
    SetWholePart(digits.whole);
    tenths = digits.tenths;
    hundredths = digits.hundredths;
}

}  // namespace model
