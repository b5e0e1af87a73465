#include "core/engine/Search.h"

#include "core/catalogue/Series.h"
#include "core/display/NumberText.h"
#include "core/engine/Evaluation.h"

#include <optional>
#include <utility>
#include <vector>

namespace dorvanta {

namespace {

// One numeric criterion text, read once per search: "all" or a value.
class TValueCriterion {
public:
    TValueCriterion(std::string_view text, std::string_view separator)
        : any_(text == kAll), value_(any_ ? std::nullopt : ParseGeneral(text, separator)) {}

    [[nodiscard]] bool Matches(Real x) const noexcept { return any_ || (value_ && *value_ == x); }

private:
    bool any_;
    std::optional<Real> value_; // empty for a text that is not a number
};

// The part-number criterion with its texts read once.
class TPartNumberFilter {
public:
    TPartNumberFilter(const TVstupniParametry2& criterion, std::string_view separator)
        : series_(criterion.Series), caseSize_(criterion.CaseSize),
          capacitance_(criterion.Capacitance, separator), voltage_(criterion.Voltage, separator) {}

    [[nodiscard]] bool Matches(std::string_view partNumber, const TPartNoInfo& candidate) const {
        return (series_ == tvAll || SeriesOf(partNumber) == series_) &&
               (caseSize_ == kAll || candidate.CaseSize == caseSize_) &&
               capacitance_.Matches(candidate.Capacitance) &&
               voltage_.Matches(candidate.RatedVoltage);
    }

private:
    TTypVyrobku series_;
    std::string_view caseSize_;
    TValueCriterion capacitance_;
    TValueCriterion voltage_;
};

bool MeetsCapacitanceCriterion(const TPartNoInfo& candidate, const TVstupniParametry1& criterion) {
    if (criterion.CaseSize != kAll && candidate.CaseSize != criterion.CaseSize) {
        return false;
    }
    const Real c = candidate.Capacitance;
    const Real bound1 = criterion.Capacitance[1];
    switch (criterion.Operator) {
    case coLess:
        return c < bound1;
    case coEqual:
        return c == bound1;
    case coGreater:
        return c > bound1;
    case coBetween:
        break;
    }
    return bound1 <= c && c <= criterion.Capacitance[2];
}

// The lowest rated voltage that the application voltage allows.
Real VoltageLimit(const TVstupniUdaje& data) noexcept {
    return data.Va / 0.825L;
}

// `filter` is the prepared part-number criterion; null when ByPartNumber is
// false. `voltageLimit` is VoltageLimit(data).
bool Accept(std::string_view partNumber, const TPartNoInfo& candidate, const TVstupniUdaje& data,
            Real voltageLimit, const TPartNumberFilter* filter, TRejectReasons& reasons,
            bool closestMatch) {
    if (filter != nullptr && !filter->Matches(partNumber, candidate)) {
        return false;
    }
    if (candidate.RatedVoltage < voltageLimit) {
        reasons.Include(rrVoltage);
        return false;
    }
    const Real surgeLimit =
        closestMatch ? 1.15L * candidate.Pocitane.TestSurge : candidate.Pocitane.TestSurge;
    if (!(candidate.Pocitane.AppSurge <= surgeLimit)) {
        reasons.Include(rrSurge);
        return false;
    }
    return filter != nullptr || MeetsCapacitanceCriterion(candidate, data.Parametry1);
}

std::optional<TPartNumberFilter> FilterOf(const TVstupniUdaje& data) {
    if (!data.ByPartNumber) {
        return std::nullopt;
    }
    return TPartNumberFilter(data.Parametry2, data.DecimalSeparator);
}

// The voltage texts of the lines. A catalogue uses a handful of rated
// voltages, so each text is made once rather than once per line; a catalogue
// of many distinct voltages is served beyond the cache's size uncached.
class TVoltageTexts {
public:
    explicit TVoltageTexts(std::string_view separator) : separator_(separator) {}

    // Valid until the next call.
    const std::string& Of(Real voltage) {
        for (const auto& [value, text] : texts_) {
            if (value == voltage) {
                return text;
            }
        }
        if (texts_.size() < kCacheSize) {
            return texts_.emplace_back(voltage, FormatGeneral(voltage, separator_)).second;
        }
        uncached_ = FormatGeneral(voltage, separator_);
        return uncached_;
    }

private:
    static constexpr std::size_t kCacheSize = 64;
    std::string_view separator_;
    std::vector<std::pair<Real, std::string>> texts_;
    std::string uncached_;
};

} // namespace

std::string_view RejectReasonName(TRejectReason reason) noexcept {
    return reason == rrVoltage ? "rrVoltage" : "rrSurge";
}

bool MatchesPartNumber(std::string_view partNumber, const TPartNoInfo& candidate,
                       const TVstupniParametry2& criterion, std::string_view separator) {
    return TPartNumberFilter(criterion, separator).Matches(partNumber, candidate);
}

bool AcceptPart(std::string_view partNumber, const TPartNoInfo& candidate,
                const TVstupniUdaje& data, TRejectReasons& reasons, bool closestMatch) {
    const std::optional<TPartNumberFilter> filter = FilterOf(data);
    return Accept(partNumber, candidate, data, VoltageLimit(data), filter ? &*filter : nullptr,
                  reasons, closestMatch);
}

void FindParts(std::span<const TPartNoRecord> catalogue, const TVstupniUdaje& data,
               TResultList& list, TRejectReasons& reasons, bool closestMatch) {
    const std::optional<TPartNumberFilter> filter = FilterOf(data);
    const TPartNumberFilter* const partNumberFilter = filter ? &*filter : nullptr;
    const Real voltageLimit = VoltageLimit(data);
    TVoltageTexts voltageTexts(data.DecimalSeparator);
    // Every entry is evaluated far enough for the acceptance rules; an
    // accepted one leaves its compact record, from which its temperature
    // arrays follow when they are read. The room for every entry is
    // reserved, but only the pages of kept lines are ever touched.
    list.Reserve(list.size() + catalogue.size());
    TPartEvaluation evaluation;
    for (const TPartNoRecord& entry : catalogue) {
        // An entry that the voltage rule rejects adds nothing once that
        // rule's reason is known, whatever its evaluation and part number.
        if (reasons.Contains(rrVoltage) && entry.RatedVoltage.value() < voltageLimit) {
            continue;
        }
        if (!evaluation.EvaluateRules(entry, data)) {
            continue;
        }
        const std::string_view partNumber = entry.PartNumber.view();
        TRejectReasons rejection;
        if (!Accept(partNumber, evaluation.Partial(), data, voltageLimit, partNumberFilter,
                    rejection, closestMatch)) {
            // A rejection's reason counts only for an entry whose whole
            // evaluation succeeds: the second step decides that, when the
            // reason is new.
            if (!reasons.Contains(rejection) && evaluation.EvaluateBase(entry, data)) {
                reasons.Include(rejection);
            }
            continue;
        }
        if (!evaluation.EvaluateBase(entry, data)) {
            continue;
        }
        list.Add(partNumber, voltageTexts.Of(evaluation.Partial().RatedVoltage),
                 evaluation.Compact(entry));
    }
}

} // namespace dorvanta
