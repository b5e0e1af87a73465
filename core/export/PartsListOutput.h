// Plain outputs of a parts-list review: the figures of a part at the chosen
// temperature, a text table for a terminal and CSV with every figure.
#pragma once

#include "core/review/PartsListCheck.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {

// The figures of one evaluated part at one temperature. The temperature
// values are empty when the part's series gives none there (the KMD/KYD
// derating note); everything is empty for a part that could not be evaluated.
struct TPartFigures {
    std::optional<Real> Derating;    // %
    std::optional<Real> AppSurge;    // A
    std::optional<Real> TestSurge;   // A
    std::optional<Real> SurgeMargin; // % of the test surge left; negative above it
    std::optional<Real> Irms;        // mA
    std::optional<Real> Vrms;        // mV
    std::optional<Real> DCL;         // µA
    std::optional<Real> FailureRate; // % per 1000 hours
    std::optional<Real> FIT;         // per 10^9 hours
    std::optional<Real> MTBF;        // years
};

[[nodiscard]] TPartFigures FiguresAt(const TCheckedPart& part, int temperatureIndex);

// The texts one after another with `separator` between them: designators
// "C1, C4", a part's values.
[[nodiscard]] std::string Joined(const std::vector<std::string>& texts, std::string_view separator);

// "Va 5 V, Imax 10 A, Rs 0.1 ohm, Rl 0.01 ohm"
[[nodiscard]] std::string CircuitText(const TCircuit& circuit);

// The catalogue values of an evaluated part: "220 µF", "6.3 V", "case D",
// "ESR 0.23 ohm"; none for a part that could not be evaluated.
[[nodiscard]] std::vector<std::string> PartValueTexts(const TCheckedPart& part);

// The figures of a part at the temperature on one line: "derating 37.0 %,
// surge 45.45 A of test surge ... MTBF 1234 years".
[[nodiscard]] std::string FiguresText(const TCheckedPart& part, int temperatureIndex);

// "N lines: R recommended, F not recommended, U not in catalogue, B bad".
[[nodiscard]] std::string ReviewSummaryText(const TCheckSummary& summary);

// One block per list line: the line number, designators, the part number as
// written and the verdict, then each matched catalogue part with its
// figures, then the replacements indented under it; the summary last.
void WriteReviewText(std::ostream& out, const TPartsListReview& review);

// A header row, then one row per matched part and per replacement (a line
// without matches gets one row with the part columns empty). Numbers in the
// general number format with ".", texts UTF-8.
void WriteReviewCsv(std::ostream& out, const TPartsListReview& review);

} // namespace dorvanta
