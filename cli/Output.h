// The companion's output formats for the search and the value lists.
#pragma once

#include "CatalogueChoice.h"
#include "CommandLine.h"
#include "ResultList.h"
#include "Search.h"
#include "ValueLists.h"

#include <initializer_list>
#include <ostream>

namespace dorvanta::cli {

enum class OutputFormat { Text, Csv, Json };

// The --format option: "text" (the default), "csv" or "json", as far as
// `allowed` admits them.
[[nodiscard]] OutputFormat FormatOption(const Arguments& args,
                                        std::initializer_list<OutputFormat> allowed);

struct SearchOutcome {
    const CatalogueChoice& Catalogue;
    bool ClosestMatch;
    TRejectReasons Reasons;
    const TResultList& Parts; // sorted
};

void WriteSearch(std::ostream& out, const SearchOutcome& outcome, OutputFormat format);

struct ValueLists {
    TValueList CaseSizes;
    TValueList Capacitances;
    TValueList Voltages;
};

void WriteLists(std::ostream& out, const ValueLists& lists, OutputFormat format);

} // namespace dorvanta::cli
