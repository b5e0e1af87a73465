// Where the companion's program file lives: its catalogue file is read from
// there, as the window reads its own.
#pragma once

#include <filesystem>
#include <string_view>

namespace dorvanta::cli {

// The directory of the running program file: from /proc/self/exe, or else
// from `argv0` taken relative to the working directory.
[[nodiscard]] std::filesystem::path ProgramDirectory(std::string_view argv0);

} // namespace dorvanta::cli
