#include "core/display/PartComparison.h"

#include "core/engine/DeratingRule.h"

#include <optional>

namespace dorvanta {

namespace {

// The number a row is judged by: the test surge by how far it stands above
// the application surge, every other row by its own value.
Real Merit(TField field, const TComparedPart& part, std::size_t t) noexcept {
    if (field == TField::TestSurge) {
        return part.Part.Pocitane.TestSurge - part.Part.Pocitane.AppSurge;
    }
    return FieldValue(field, part.Part, t);
}

bool Better(TBetter way, Real a, Real b) noexcept {
    return way == TBetter::Lower ? a < b : a > b;
}

} // namespace

TBetter BetterOf(TField field) noexcept {
    switch (field) {
    case TField::ESRmax:
    case TField::DCLmax:
    case TField::DCLtypical:
    case TField::FailureRate:
    case TField::FIT:
        return TBetter::Lower;
    case TField::Irms:
    case TField::MTBF:
    case TField::Derating:
    case TField::TestSurge:
        return TBetter::Higher;
    default:
        return TBetter::None;
    }
}

bool HasValueAt(TField field, const TComparedPart& part, std::size_t t) noexcept {
    return !FieldDisplay(field).ByTemperature ||
           HasTemperatureValues(part.Series, static_cast<int>(t), part.Part.Pocitane.Derating);
}

std::string ComparedText(TField field, const TComparedPart& part, std::size_t t,
                         std::string_view separator) {
    return HasValueAt(field, part, t) ? FieldText(field, part.Part, part.Series, t, separator)
                                      : std::string();
}

std::vector<bool> BestValues(TField field, std::span<const TComparedPart> parts, std::size_t t) {
    std::vector<bool> best(parts.size(), false);
    const TBetter way = BetterOf(field);
    if (way == TBetter::None) {
        return best;
    }
    std::optional<Real> top;
    for (const TComparedPart& part : parts) {
        if (HasValueAt(field, part, t) && (!top || Better(way, Merit(field, part, t), *top))) {
            top = Merit(field, part, t);
        }
    }
    if (!top) {
        return best;
    }
    const std::string shown = FieldPatternText(field, *top);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        best[i] = HasValueAt(field, parts[i], t) &&
                  FieldPatternText(field, Merit(field, parts[i], t)) == shown;
    }
    return best;
}

} // namespace dorvanta
