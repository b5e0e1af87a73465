// The catalogue as comma-separated text, the form in which catalogues are
// kept and edited: a header row naming the seven columns, then one entry per
// line (part number, case size, capacitance µF, rated voltage V, DCLmax µA,
// DF %, ESRmax milliohm). Lines that start with '#' and blank lines are
// notes. Decimal texts become the nearest extended real. The build compiles
// the built-in catalogue with this reader, and the companion imports
// catalogue files with it.
#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/record/Expected.h"

#include <istream>
#include <string_view>

namespace dorvanta {

inline constexpr std::string_view kCatalogueCsvHeader =
    "part_number,case_size,capacitance,rated_voltage,dcl_max,df,esr_max";

// The entry of one line. The reason when the line has not seven fields, a
// part number longer than 16 characters, a case size other than 1 or 2
// characters, or a number that cannot be read or is not finite.
[[nodiscard]] Expected<TPartNoRecord> CatalogueEntryFromCsv(std::string_view line);

// Every entry of `text`, in order. The first line that is not a note must
// be the header row. The first bad line is reported as "line N: reason",
// counting from 1; then there are no entries.
[[nodiscard]] Expected<TPartNumbers> ReadCatalogueCsv(std::string_view text);

// The same for the whole text that `in` reads.
[[nodiscard]] Expected<TPartNumbers> ReadCatalogueCsv(std::istream& in);

} // namespace dorvanta
