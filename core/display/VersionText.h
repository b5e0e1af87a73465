// The version line of the about window and of the printed report, built from
// the program's file version ("major.minor.release.build").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorvanta {

// "Version: " + the file version up to and including its first point + the
// part between its first and second point: "6.1.7.1" gives "Version: 6.1",
// "6.1" gives "Version: 6.", a text without a point gives "Version: ". No
// file version, or an empty one, gives "".
[[nodiscard]] std::string VersionText(std::optional<std::string_view> fileVersion);

} // namespace dorvanta
