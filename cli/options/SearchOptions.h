// The application and criterion options of the search, shared by every
// command that runs one, and the search run itself.
#pragma once

#include "cli/commands/Commands.h"
#include "cli/options/CatalogueChoice.h"
#include "core/engine/ApplicationData.h"
#include "core/engine/ResultList.h"
#include "core/engine/Search.h"
#include "core/record/Expected.h"

#include <CLI/CLI.hpp>

#include <string>

namespace dorvanta::cli {

// The values that the search options receive.
struct TSearchOptions {
    Real Rs = 0;
    Real Rl = 0;
    Real Imax = 0;
    Real Va = 0;
    std::string Operator;
    Real Cap1 = 0;
    Real Cap2 = 0; // bound 2 is 0 unless given
    bool ByPartNumber = false;
    TTypVyrobku Series = tvAll;
    std::string CaseSize{kAll};
    std::string Capacitance{kAll};
    std::string Voltage{kAll};
    bool ClosestMatch = false;
};

// Declares --rs, --rl, --imax, --va, the two criteria (each criterion's
// options exclude the other's), --case and --closest-match on `command`.
void AddSearchOptions(CLI::App& command, TSearchOptions& options);

// The application data that the options describe.
[[nodiscard]] TVstupniUdaje ApplicationData(const TSearchOptions& options);

struct TFoundParts {
    TCatalogueChoice Catalogue;
    bool ClosestMatch = false;
    TRejectReasons Reasons;
    TResultList Parts; // in the results order of the window
};

// Searches the catalogue of the run as the window does: nothing unless the
// supply and the voltage are positive.
[[nodiscard]] Expected<TFoundParts> RunSearch(const TSearchOptions& options,
                                              const TCommandRun& run);

} // namespace dorvanta::cli
