#pragma once

#include <cstdint>
#include <string>

namespace model {

// The four bytes of `value` as two lowercase hex digits each: byte order 0 puts the most
// significant byte first, 1 the least significant (the order in the file); any other order
// gives "Wrong format!". `spaced` puts one space between the bytes.
std::string FormatDword(std::uint32_t value, int byteOrder, bool spaced);

}  // namespace model
