#include "cli/size_argument.h"

namespace cli {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<model::SizeDigits> ParseSize(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view decimals = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    if (whole.empty() || whole.size() > 2 || (dot != std::string_view::npos && decimals.empty()) ||
        decimals.size() > 2)
        return std::nullopt;
    for (char c : whole)
        if (!IsDigit(c))
            return std::nullopt;
    for (char c : decimals)
        if (!IsDigit(c))
            return std::nullopt;

    model::SizeDigits size{0, 0, 0};
    for (char c : whole) size.whole = size.whole * 10 + (c - '0');
    if (decimals.size() >= 1)
        size.tenths = decimals[0] - '0';
    if (decimals.size() == 2)
        size.hundredths = decimals[1] - '0';
    if (size.whole > model::kMaxWhole)
        return std::nullopt;
    if (size.whole == model::kMaxWhole && (size.tenths != 0 || size.hundredths != 0))
        return std::nullopt;
    return size;
}

}  // namespace cli
