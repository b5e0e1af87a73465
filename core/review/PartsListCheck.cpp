#include "core/review/PartsListCheck.h"

#include "core/display/FieldDisplay.h"
#include "core/engine/ApplicationData.h"
#include "core/engine/DeratingRule.h"
#include "core/engine/Evaluation.h"
#include "core/engine/ResultList.h"
#include "core/engine/Search.h"
#include "core/engine/SearchRun.h"
#include "core/record/Text1252.h"
#include "core/record/TextCase.h"
#include "core/review/PartMatching.h"

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <tuple>
#include <utility>

namespace dorvanta {

namespace {

struct TVerdictName {
    std::string_view Code;
    std::string_view Text;
};

// Indexed by TVerdict.
constexpr std::array<TVerdictName, kVerdictCount> kVerdictNames = {{
    {"recommended", "recommended"},
    {"closest_match", "accepted only as closest match (surge \u2264 115 % of test surge)"},
    {"surge", "surge current above test surge"},
    {"voltage", "voltage derating below 17.5 %"},
    {"cannot_evaluate", "cannot be evaluated"},
    {"not_in_catalogue", "not in catalogue"},
    {"bad_line", "bad line"},
}};

TCircuit LineCircuit(const TLineApplication& line, const TCircuit& defaults) {
    return {line.Rs.value_or(defaults.Rs), line.Rl.value_or(defaults.Rl),
            line.Imax.value_or(defaults.Imax), line.Va.value_or(defaults.Va)};
}

// The application data of a line: its circuit, and a part-number criterion
// that lets every part through, so that AcceptPart applies the maker's two
// rules alone.
TVstupniUdaje ApplicationOf(const TCircuit& circuit) {
    TVstupniUdaje data;
    SetCircuit(data, circuit);
    data.ByPartNumber = true;
    data.Parametry2 = {tvAll, std::string(kAll), std::string(kAll), std::string(kAll)};
    return data;
}

// The verdict of an evaluated candidate by the maker's rules.
TVerdict Judge(std::string_view partNumber, const TPartNoInfo& info, const TVstupniUdaje& data) {
    TRejectReasons reasons;
    if (AcceptPart(partNumber, info, data, reasons, false)) {
        return TVerdict::Recommended;
    }
    if (reasons.Contains(rrVoltage)) {
        return TVerdict::Voltage;
    }
    return AcceptPart(partNumber, info, data, reasons, true) ? TVerdict::ClosestMatch
                                                             : TVerdict::Surge;
}

// Fills the note and the message of a part whose verdict and values are set.
void Describe(TCheckedPart& part, int temperatureIndex) {
    part.DeratingNote = part.Info && !HasTemperatureValues(part.Series, temperatureIndex,
                                                           part.Info->Pocitane.Derating);
    part.Message = part.Verdict == TVerdict::Recommended && part.DeratingNote
                       ? DeratingNoteText(part.Series, temperatureIndex)
                       : std::string(VerdictText(part.Verdict));
}

TCheckedPart CheckEntry(const TPartNoRecord& entry, const TVstupniUdaje& data,
                        int temperatureIndex) {
    TCheckedPart part;
    const std::string_view number = entry.PartNumber.view();
    part.PartNumber = Windows1252ToUtf8(number);
    part.Series = SeriesOf(number);
    TPartNoInfo info;
    // As in every search run, a circuit without a positive Imax and Va is not
    // evaluated.
    if (data.Imax > 0 && data.Va > 0 && EvaluatePart(entry, info, data)) {
        part.Verdict = Judge(number, info, data);
        part.Info = std::move(info);
    }
    Describe(part, temperatureIndex);
    return part;
}

// What the replacements of a line depend on.
struct TReplacementKey {
    Real Resistance;
    Real Imax;
    Real Va;
    Real Capacitance;
    friend bool operator<(const TReplacementKey& a, const TReplacementKey& b) {
        return std::tie(a.Resistance, a.Imax, a.Va, a.Capacitance) <
               std::tie(b.Resistance, b.Imax, b.Va, b.Capacitance);
    }
};

// The recommended parts of one capacitance for one circuit, by lowest rated
// voltage, then lowest ESR. Lists are kept per key, since a parts list often
// holds the same part, or the same circuit and capacitance, on many lines.
class TReplacementFinder {
public:
    TReplacementFinder(std::span<const TPartNoRecord> catalogue, int temperatureIndex)
        : catalogue_(catalogue), temperatureIndex_(temperatureIndex) {}

    const std::vector<TCheckedPart>& Candidates(const TReplacementKey& key) {
        auto found = cache_.find(key);
        if (found == cache_.end()) {
            found = cache_.emplace(key, Search(key)).first;
        }
        return found->second;
    }

private:
    std::vector<TCheckedPart> Search(const TReplacementKey& key) const {
        TVstupniUdaje data;
        data.Resistance = key.Resistance;
        data.Imax = key.Imax;
        data.Va = key.Va;
        data.Parametry1.Operator = coEqual;
        data.Parametry1.Capacitance[1] = key.Capacitance;
        data.Parametry1.CaseSize = std::string(kAll);
        const TSearchOutcome outcome = SearchCatalogue(catalogue_, data, false);
        std::vector<TCheckedPart> parts;
        parts.reserve(outcome.Parts.size());
        for (const TResultLine& line : outcome.Parts) {
            TCheckedPart part;
            part.PartNumber = std::string(line.PartNumber());
            part.Series = SeriesOf(part.PartNumber);
            part.Verdict = TVerdict::Recommended;
            part.Info = CandidateInfo(line);
            Describe(part, temperatureIndex_);
            parts.push_back(std::move(part));
        }
        return ByVoltageThenEsr(std::move(parts));
    }

    // The search orders by rated voltage; the ESR decides among equal
    // voltages. Sorted through indices, so that no part is moved twice.
    static std::vector<TCheckedPart> ByVoltageThenEsr(std::vector<TCheckedPart> parts) {
        std::vector<std::size_t> order(parts.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        const auto rank = [&parts](std::size_t i) {
            return std::make_pair(parts[i].Info->RatedVoltage, parts[i].Info->ESRmax);
        };
        std::stable_sort(order.begin(), order.end(),
                         [&rank](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
        std::vector<TCheckedPart> sorted;
        sorted.reserve(parts.size());
        for (const std::size_t i : order) {
            sorted.push_back(std::move(parts[i]));
        }
        return sorted;
    }

    std::span<const TPartNoRecord> catalogue_;
    int temperatureIndex_;
    std::map<TReplacementKey, std::vector<TCheckedPart>> cache_;
};

bool IsMatched(const TCheckedLine& line, std::string_view partNumber) {
    return std::any_of(line.Matches.begin(), line.Matches.end(), [&](const TCheckedPart& m) {
        return EqualsIgnoringCase(m.PartNumber, partNumber);
    });
}

// Up to kMaxReplacements candidates that the line does not already name:
// those of the entry's case first, then those of any other case.
void AddReplacements(TCheckedLine& line, const TPartNoRecord& entry, const TVstupniUdaje& data,
                     TReplacementFinder& finder) {
    const std::vector<TCheckedPart>& candidates =
        finder.Candidates({data.Resistance, data.Imax, data.Va, entry.Capacitance.value()});
    const std::string caseSize = Windows1252ToUtf8(entry.CaseSize.view());
    for (const bool sameCase : {true, false}) {
        for (const TCheckedPart& candidate : candidates) {
            if (line.Replacements.size() == kMaxReplacements) {
                return;
            }
            if ((candidate.Info->CaseSize == caseSize) == sameCase &&
                !IsMatched(line, candidate.PartNumber)) {
                line.Replacements.push_back(candidate);
            }
        }
    }
}

// The line takes the worst verdict of its matches, and the message of the
// first match that has it.
void Conclude(TCheckedLine& line) {
    const auto worst = std::max_element(
        line.Matches.begin(), line.Matches.end(),
        [](const TCheckedPart& a, const TCheckedPart& b) { return a.Verdict < b.Verdict; });
    line.Verdict = worst->Verdict;
    line.Message = worst->Message;
}

TCheckedLine CheckLine(const TPartsListLine& listed, std::span<const TPartNoRecord> catalogue,
                       const TPartIndex& index, const TCheckOptions& options,
                       TReplacementFinder& finder) {
    TCheckedLine line;
    line.Line = listed.Line;
    line.Designators = listed.Designators;
    line.PartNumber = listed.PartNumber;
    line.Application = LineCircuit(listed.Application, options.Defaults);
    if (!listed.Error.empty()) {
        line.Verdict = TVerdict::BadLine;
        line.Message = "bad line: " + listed.Error;
        return line;
    }
    const std::vector<std::size_t> matches = index.Match(Utf8ToWindows1252(listed.PartNumber));
    if (matches.empty()) {
        line.Verdict = TVerdict::NotInCatalogue;
        line.Message = std::string(VerdictText(line.Verdict));
        return line;
    }
    const TVstupniUdaje data = ApplicationOf(line.Application);
    for (const std::size_t i : matches) {
        line.Matches.push_back(CheckEntry(catalogue[i], data, options.TemperatureIndex));
    }
    Conclude(line);
    if (line.Verdict != TVerdict::Recommended) {
        const auto failing =
            std::find_if(line.Matches.begin(), line.Matches.end(),
                         [](const TCheckedPart& m) { return m.Verdict != TVerdict::Recommended; });
        AddReplacements(
            line, catalogue[matches[static_cast<std::size_t>(failing - line.Matches.begin())]],
            data, finder);
    }
    return line;
}

TCheckSummary Summarise(const std::vector<TCheckedLine>& lines, bool closestMatchPasses) {
    TCheckSummary summary;
    summary.Lines = lines.size();
    for (const TCheckedLine& line : lines) {
        ++summary.Counts[static_cast<std::size_t>(line.Verdict)];
        if (line.Verdict == TVerdict::NotInCatalogue) {
            ++summary.NotInCatalogue;
        } else if (line.Verdict == TVerdict::BadLine) {
            ++summary.Bad;
        } else if (IsPassing(line.Verdict, closestMatchPasses)) {
            ++summary.Recommended;
        } else {
            ++summary.NotRecommended;
        }
    }
    return summary;
}

} // namespace

std::string_view VerdictCode(TVerdict verdict) noexcept {
    return kVerdictNames[static_cast<std::size_t>(verdict)].Code;
}

std::string_view VerdictText(TVerdict verdict) noexcept {
    return kVerdictNames[static_cast<std::size_t>(verdict)].Text;
}

bool IsPassing(TVerdict verdict, bool closestMatchPasses) noexcept {
    return verdict == TVerdict::Recommended ||
           (closestMatchPasses && verdict == TVerdict::ClosestMatch);
}

std::string DeratingNoteText(TTypVyrobku series, int temperatureIndex) {
    return "KMD/KYD derating note at " + TemperatureText(temperatureIndex, series);
}

std::string TemperatureText(int temperatureIndex, TTypVyrobku series) {
    const std::size_t index = CaptionIndexOf(series, static_cast<std::size_t>(temperatureIndex));
    return std::string(TemperatureCaptions[index]) + " \u00B0C";
}

TPartsListReview CheckPartsList(const TPartsList& list, std::span<const TPartNoRecord> catalogue,
                                const TCheckOptions& options) {
    TPartsListReview review;
    review.Options = options;
    const TPartIndex index(catalogue);
    TReplacementFinder finder(catalogue, options.TemperatureIndex);
    review.Lines.reserve(list.Lines.size());
    for (const TPartsListLine& listed : list.Lines) {
        review.Lines.push_back(CheckLine(listed, catalogue, index, options, finder));
    }
    review.Summary = Summarise(review.Lines, options.ClosestMatchPasses);
    return review;
}

int ReviewExitStatus(const TPartsListReview& review) noexcept {
    return review.Summary.NotRecommended == 0 && review.Summary.Bad == 0 ? 0 : 3;
}

} // namespace dorvanta
