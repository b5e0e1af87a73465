// The recommended parts as comma-separated values: a header row, then one
// row per line with every value, "." as the decimal separator and each
// temperature array as seven columns. Shared by the companion and the
// window's CSV export.
#pragma once

#include "ResultList.h"

#include <string>

namespace dorvanta {

// Rows end with "\n". A text field that holds a comma, a quote or a line
// break is quoted, its quotes doubled.
[[nodiscard]] std::string ResultsCsvHeader();
[[nodiscard]] std::string ResultsCsvRow(const TResultLine& line);

// The header and a row for every line, in list order.
[[nodiscard]] std::string ResultsCsv(const TResultList& list);

} // namespace dorvanta
