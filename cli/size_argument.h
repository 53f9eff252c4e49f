#pragma once

#include <optional>
#include <string_view>

#include "model/pool_size.h"

namespace cli {

// A size as the dialog offers it: a whole part 0 to 64, then optionally "." and one or two
// digits ("6", "6.5", "12.75"); 64 takes no decimals but "64.0" and "64.00".
std::optional<model::SizeDigits> ParseSize(std::string_view text);

}  // namespace cli
