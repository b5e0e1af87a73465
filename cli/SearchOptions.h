// The application and criterion options of the search, shared by every
// command that runs one, and the search run itself.
#pragma once

#include "ApplicationData.h"
#include "CatalogueChoice.h"
#include "CommandLine.h"
#include "ResultList.h"
#include "Search.h"

#include <ostream>
#include <span>
#include <string_view>

namespace dorvanta::cli {

// --rs, --rl, --imax, --va, the two criteria, --case and --closest-match.
[[nodiscard]] std::span<const OptionSpec> SearchOptions() noexcept;

// The part of a usage line that these options make.
inline constexpr std::string_view kSearchSynopsis =
    "--rs R --rl R --imax A --va V (--operator OP --cap1 C [--cap2 C] | "
    "--part-number [--series S] [--capacitance TEXT] [--voltage TEXT]) [--case CODE] "
    "[--closest-match]";

// The application data that the options describe; usage errors for a
// missing or mixed criterion.
[[nodiscard]] TVstupniUdaje ApplicationData(const Arguments& args);

struct SearchRun {
    CatalogueChoice Catalogue;
    bool ClosestMatch = false;
    TRejectReasons Reasons;
    TResultList Parts; // in the results order of the window
};

// Searches the catalogue of the run for `data` as the window does: nothing
// unless the supply and the voltage are positive.
[[nodiscard]] SearchRun RunSearch(const Arguments& args, const TVstupniUdaje& data,
                                  std::ostream& err);

} // namespace dorvanta::cli
