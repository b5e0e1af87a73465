// The pieces of the companion's JSON output.
#pragma once

#include "Extended.h"

#include <string>
#include <string_view>
#include <vector>

namespace dorvanta::cli {

// A JSON string: quotes, backslashes and control characters escaped; UTF-8
// passes through.
[[nodiscard]] std::string JsonString(std::string_view text);

// The shortest text that reads back as the same double (at most 17
// significant digits). Callers pass finite values only.
[[nodiscard]] std::string JsonNumber(Real value);

// "[a, b, c]" of texts that are already JSON.
[[nodiscard]] std::string JsonArray(const std::vector<std::string>& items);

} // namespace dorvanta::cli
