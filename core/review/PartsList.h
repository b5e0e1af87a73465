// A parts list (bill of materials) read from CSV as schematic tools and
// spreadsheets write it: a header row, comma or semicolon separated, quoted
// fields with doubled quotes, UTF-8 with or without a byte-order mark, CRLF or
// LF line ends. Columns are found by their header names.
#pragma once

#include "core/record/Expected.h"
#include "core/record/Extended.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {

// The largest parts list read; a bigger file is refused as a whole.
inline constexpr std::size_t kMaxPartsListBytes = 16U * 1024U * 1024U;

// Header names that replace the recognised ones; an empty name means "find
// the column by its usual names".
struct TPartsListColumns {
    std::string Designator;
    std::string Part;
    std::string Va;
    std::string Rs;
    std::string Rl;
    std::string Imax;
};

// Sets one column from "KEY=NAME", KEY one of designator, part, va, rs, rl,
// imax (any letter case). Fails on another key or an empty name.
[[nodiscard]] Expected<void> SetPartsListColumn(TPartsListColumns& columns,
                                                std::string_view assignment);

// The circuit values a line gives for itself; empty where the line leaves the
// default. Va and Imax are above 0, Rs and Rl at least 0.
struct TLineApplication {
    std::optional<Real> Rs;   // ohm
    std::optional<Real> Rl;   // ohm
    std::optional<Real> Imax; // A
    std::optional<Real> Va;   // V
};

// One data row of the list.
struct TPartsListLine {
    std::size_t Line = 0; // 1-based line number in the file
    std::vector<std::string> Designators;
    std::string PartNumber; // as written, blanks around removed
    TLineApplication Application;
    std::string Error;        // empty, or why the row could not be read ("bad line")
    std::size_t Quantity = 1; // the designators' count where they are listed, else the column's
    bool NotFitted = false; // marked do-not-populate: evaluated and shown, neither passes nor fails
};

struct TPartsList {
    std::vector<std::string> Headers; // the header row as found
    std::vector<TPartsListLine> Lines;
    std::string PartColumn;              // the header of the column the part numbers come from
    bool PartColumnIsLastResort = false; // "Value" or "Comment": may hold no part numbers at all
    std::string TableNote; // empty, or which of several tables was reviewed ("lines 14 to 20")
};

// Reads a whole list. A record is one line of the file: a quoted field that
// runs on to the next line makes the line bad (an unbalanced quote). Fails, with a message naming
// the line where there is one, when no header row with a part-number column is found or when the
// list holds no data rows. A row that cannot be read (an unbalanced quote, a
// circuit value that is not a number) becomes a line with its Error set; the
// other rows are read on.
[[nodiscard]] Expected<TPartsList> ReadPartsList(std::string_view text,
                                                 const TPartsListColumns& columns = {});

// ReadPartsList over a file of at most kMaxPartsListBytes; fails with the
// system's text when the file cannot be read.
[[nodiscard]] Expected<TPartsList> ReadPartsListFile(const std::filesystem::path& file,
                                                     const TPartsListColumns& columns = {});

// The designators of one cell: separated by commas, semicolons or blanks;
// "C1-C3" (same prefix, ascending numbers) stands for C1, C2, C3. A range that
// is not of that form, or spans more than 10000 numbers, is kept as written.
[[nodiscard]] std::vector<std::string> ExpandDesignators(std::string_view cell);

} // namespace dorvanta
