// Number texts: the general number format in which numbers become list
// entries, lines, captions and values, its reading rule, and the display
// patterns of the details panel and the report. The decimal separator is a
// parameter: the caller passes its locale's.
#pragma once

#include "core/record/Extended.h"

#include <optional>
#include <string>
#include <string_view>

namespace dorvanta {

// Shortest text of at most 15 significant digits, no trailing zeros, no
// separator for whole values; plain for magnitudes from 0.0001 to below
// 1E15, otherwise "1.5E-5" / "1E15" (no "+", no leading zeros).
[[nodiscard]] std::string FormatGeneral(Real value, std::string_view separator = ".");
// The same appended to `text`.
void AppendGeneral(std::string& text, Real value, std::string_view separator = ".");

// Blanks around, an optional sign, digits with at most one separator, an
// optional exponent ("E" or "e", optional sign, digits), nothing else. A
// value beyond the range of Real is not a number. The result is the Real
// nearest to the text, so FormatGeneral's text of a value that has at most
// 15 significant digits reads back bit-exactly.
[[nodiscard]] std::optional<Real> ParseGeneral(std::string_view text,
                                               std::string_view separator = ".");

// The display patterns "0", "0.#", "0.##", "0.###" and "0.0e-0".
enum class TNumberPattern {
    Integer,       // "0"
    OneDecimal,    // "0.#"
    TwoDecimals,   // "0.##"
    ThreeDecimals, // "0.###"
    Scientific,    // "0.0e-0"
};

// Rounds halves away from zero on the value's 18-digit decimal form.
[[nodiscard]] std::string FormatPattern(Real value, TNumberPattern pattern,
                                        std::string_view separator = ".");

// The pattern written as its text, such as "0.##".
[[nodiscard]] std::optional<TNumberPattern> PatternFromText(std::string_view text) noexcept;

} // namespace dorvanta
