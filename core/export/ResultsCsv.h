// The recommended parts as comma-separated values: a header row, then one
// row per line with every value, "." as the decimal separator and each
// temperature array as seven columns (-55, 25, 40, 85, 105, 125, 175), the
// part's top-temperature value under its own top temperature and an empty
// cell where the part has no value. Shared by the companion and the window's
// CSV export.
#pragma once

#include "core/engine/ResultList.h"

#include <ostream>
#include <string>
#include <string_view>

namespace dorvanta {

// Rows end with "\n". A text field that holds a comma, a quote or a line
// break is quoted, its quotes doubled.
// A CSV field: the text as it is, or quoted with its quotes doubled when it
// holds a comma, a quote or a line break.
[[nodiscard]] std::string CsvField(std::string_view text);

[[nodiscard]] std::string ResultsCsvHeader();
[[nodiscard]] std::string ResultsCsvRow(const TResultLine& line);

// The header and a row for every line, in list order, written row by row.
void WriteResultsCsv(std::ostream& out, const TResultList& list);

// The same as one text.
[[nodiscard]] std::string ResultsCsv(const TResultList& list);

} // namespace dorvanta
