// The companion's output formats for the search and the value lists. Every
// format is written part by part as it goes.
#pragma once

#include "cli/options/CatalogueChoice.h"
#include "core/catalogue/ValueLists.h"
#include "core/engine/ResultList.h"
#include "core/engine/Search.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <initializer_list>
#include <ostream>
#include <string>

namespace dorvanta::cli {

enum class TOutputFormat { Text, Csv, Json, Pdf };

// Declares --format with the formats `allowed` ("text", "csv", "json", "pdf"); the
// default is text, another text is a usage error.
CLI::Option* AddFormatOption(CLI::App& command, TOutputFormat& target,
                             std::initializer_list<TOutputFormat> allowed);

// Writes `value` as one line of JSON; texts that are not UTF-8 have their
// bad bytes replaced.
// The compact text of a JSON value; bytes that are not UTF-8 are replaced.
[[nodiscard]] std::string JsonText(const nlohmann::ordered_json& value);

void WriteJsonLine(std::ostream& out, const nlohmann::ordered_json& value);

// A real as JSON: a number when a double holds it, else (too large or too
// small for a double) a string with its text in the general number format.
[[nodiscard]] nlohmann::ordered_json JsonReal(Real value);

struct TSearchListing {
    const TCatalogueChoice& Catalogue;
    bool ClosestMatch;
    TRejectReasons Reasons;
    const TResultList& Parts; // sorted
};

void WriteSearch(std::ostream& out, const TSearchListing& outcome, TOutputFormat format);

struct TListedValues {
    TValueList CaseSizes;
    TValueList Capacitances;
    TValueList Voltages;
};

void WriteLists(std::ostream& out, const TListedValues& lists, TOutputFormat format);

} // namespace dorvanta::cli
