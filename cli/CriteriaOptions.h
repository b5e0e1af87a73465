// Options that name criterion values, shared by the search and the lists.
#pragma once

#include "CommandLine.h"
#include "Series.h"

namespace dorvanta::cli {

// --series: a series code such as KEL, a display name, or "all" (also when
// the option is not given). Anything else is a usage error rather than
// silently meaning any series.
[[nodiscard]] TTypVyrobku SeriesOption(const Arguments& args);

} // namespace dorvanta::cli
