// The memory line of the about window.
#pragma once

#include <cstdint>
#include <string>

namespace dorvanta {

// The pattern "# ### kB": the digits with one blank before the last three
// and no further grouping, then " kB" (261616 gives "261 616 kB", 2097152
// gives "2097 152 kB"). Fewer than 1000 kB have no blank: "512 kB".
[[nodiscard]] std::string MemoryText(std::uint64_t kilobytes);

} // namespace dorvanta
