#include "core/export/ResultFields.h"

#include "core/catalogue/Series.h"
#include "core/catalogue/untKonstanty.h"
#include "core/engine/Evaluation.h"

namespace dorvanta {

namespace {

TResultField Text(std::string_view name, std::string (*get)(const TResultRow&)) {
    return {name, TResultFieldKind::Text, get, TField::CaseSize};
}

TResultField Number(TField field) {
    return {FieldDisplay(field).Name, TResultFieldKind::Number, nullptr, field};
}

TResultField Array(TField field) {
    return {FieldDisplay(field).Name, TResultFieldKind::Array, nullptr, field};
}

// The one number that no shown field holds.
constexpr std::string_view kTopTemperature = "top_temperature";

} // namespace

TResultRow::TResultRow(const TResultLine& line)
    : Line(line), Part(CandidateInfo(line)), Series(SeriesOf(line.PartNumber())) {
}

// clang-format off
const std::array<TResultField, kResultFieldCount> ResultFields = {
    Text("line", [](const TResultRow& r) { return std::string(r.Line.Text); }),
    Text("part_number", [](const TResultRow& r) { return std::string(r.Line.PartNumber()); }),
    Text("series", [](const TResultRow& r) { return std::string(SeriesValueName(r.Series)); }),
    Text(FieldDisplay(TField::CaseSize).Name, [](const TResultRow& r) { return r.Part.CaseSize; }),
    Number(TField::Capacitance),
    Number(TField::RatedVoltage),
    Number(TField::DCLmax),
    Number(TField::DF),
    Number(TField::ESRmax),
    Number(TField::Derating),
    Number(TField::TestSurge),
    Number(TField::AppSurge),
    TResultField{kTopTemperature, TResultFieldKind::Number, nullptr, TField::Dimension},
    Array(TField::Irms),
    Array(TField::Vrms),
    Array(TField::FailureRate),
    Array(TField::FIT),
    Array(TField::MTBF),
    Array(TField::DCLtypical),
};
// clang-format on

Real FieldNumber(const TResultField& field, const TResultRow& row) {
    if (field.Name == kTopTemperature) {
        return static_cast<Real>(TopTemperature(row.Series));
    }
    return FieldValue(field.Shown, row.Part, 0);
}

std::optional<Real> FieldAt(const TResultField& field, const TResultRow& row, std::size_t caption) {
    const std::size_t t = ValueIndexAt(row.Series, caption);
    if (t >= kTemperatureCount) {
        return std::nullopt;
    }
    return FieldValue(field.Shown, row.Part, t);
}

} // namespace dorvanta
