// The review of a parts list: every line's part number matched to the
// catalogue, each matched entry evaluated for the line's circuit and judged by
// the maker's acceptance rules, and drop-in replacements proposed for the
// lines that are not recommended. The result is plain data for the text, CSV,
// JSON and printed outputs and the review window.
#pragma once

#include "core/catalogue/Series.h"
#include "core/catalogue/untKonstanty.h"
#include "core/engine/ApplicationData.h"
#include "core/engine/PartNoInfo.h"
#include "core/record/Extended.h"
#include "core/record/PartNoRecord.h"
#include "core/review/PartsList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {

// The verdicts, from best to worst for a catalogue part, then the two that
// name no catalogue part. A recommended part whose series gives no values at
// the chosen temperature (the KMD/KYD derating note) stays Recommended, with
// TCheckedPart::DeratingNote set and the note as its message: the part meets
// the maker's rules, the note only limits the figures shown.
enum class TVerdict : std::uint8_t {
    Recommended,    // "recommended"
    ClosestMatch,   // "closest_match": surge above the test surge, within 115 % of it
    Surge,          // "surge"
    Voltage,        // "voltage": derating below 17.5 %
    CannotEvaluate, // "cannot_evaluate": the evaluation fails
    NotInCatalogue, // "not_in_catalogue"
    BadLine,        // "bad_line"
};
inline constexpr std::size_t kVerdictCount = 7;

// The code of a verdict for machine-readable outputs: "recommended",
// "voltage", "surge", "closest_match", "cannot_evaluate", "not_in_catalogue",
// "bad_line".
[[nodiscard]] std::string_view VerdictCode(TVerdict verdict) noexcept;

// The text of a verdict: "recommended", "voltage derating below 17.5 %", ...;
// for BadLine without its reason, "bad line".
[[nodiscard]] std::string_view VerdictText(TVerdict verdict) noexcept;

// Whether a line of this verdict lets the list pass: Recommended, and
// ClosestMatch when `closestMatchPasses`. NotInCatalogue neither passes nor
// fails; it is reported apart.
[[nodiscard]] bool IsPassing(TVerdict verdict, bool closestMatchPasses) noexcept;

struct TCheckOptions {
    TCircuit Defaults; // for every value a line does not give itself
    bool ClosestMatchPasses = false;
    int TemperatureIndex = kTemperature85; // 0, 1, 2, 3 or kTemperatureTop
};

// One catalogue part of a line: a matched entry or a replacement.
struct TCheckedPart {
    std::string PartNumber; // the catalogue's, UTF-8
    TTypVyrobku Series = tvAll;
    TVerdict Verdict = TVerdict::CannotEvaluate;
    std::string Message;             // the verdict text, or the derating note
    bool DeratingNote = false;       // KMD/KYD: no values at the chosen temperature
    std::optional<TPartNoInfo> Info; // the evaluated values; empty when the evaluation failed
};

struct TCheckedLine {
    std::size_t Line = 0; // in the file
    std::vector<std::string> Designators;
    std::string PartNumber; // as written
    TCircuit Application;
    TVerdict Verdict = TVerdict::NotInCatalogue; // the worst of the matches
    std::string Message;
    std::vector<TCheckedPart> Matches;      // catalogue order
    std::vector<TCheckedPart> Replacements; // at most kMaxReplacements, best first
};

inline constexpr std::size_t kMaxReplacements = 3;

struct TCheckSummary {
    std::array<std::size_t, kVerdictCount> Counts{}; // by verdict
    std::size_t Lines = 0;
    std::size_t Recommended = 0;    // lines that pass (closest match included when it passes)
    std::size_t NotRecommended = 0; // catalogue lines that do not pass
    std::size_t NotInCatalogue = 0;
    std::size_t Bad = 0;

    [[nodiscard]] std::size_t Count(TVerdict verdict) const noexcept {
        return Counts[static_cast<std::size_t>(verdict)];
    }
};

struct TPartsListReview {
    std::vector<TCheckedLine> Lines; // in list order
    TCheckSummary Summary;
    TCheckOptions Options;
};

// Reviews every line of `list` against `catalogue`.
[[nodiscard]] TPartsListReview CheckPartsList(const TPartsList& list,
                                              std::span<const TPartNoRecord> catalogue,
                                              const TCheckOptions& options);

// The status a build gate reads: 0 when every catalogue line passes and no
// line is bad, 3 otherwise. Lines not in the catalogue do not count.
[[nodiscard]] int ReviewExitStatus(const TPartsListReview& review) noexcept;

// "85 °C", or the top temperature of `series` for kTemperatureTop.
[[nodiscard]] std::string TemperatureText(int temperatureIndex, TTypVyrobku series);

// "KMD/KYD derating note at 125 °C": the message of a recommended part whose
// series gives no values at the temperature.
[[nodiscard]] std::string DeratingNoteText(TTypVyrobku series, int temperatureIndex);

} // namespace dorvanta
