// Options that name criterion values, shared by the search and the lists.
#pragma once

#include "core/catalogue/Series.h"

#include <CLI/CLI.hpp>

#include <string>

namespace dorvanta::cli {

// Declares --series: a series code such as KEL, a display name, or "all"
// (also when the option is not given). Anything else is a usage error rather
// than silently meaning any series.
CLI::Option* AddSeriesOption(CLI::App& command, TTypVyrobku& target, const std::string& help);

} // namespace dorvanta::cli
