// The contents of the three reference documents, composed from the rules
// that the evaluation and the search apply.
#pragma once

#include "core/record/Extended.h"
#include "tools/reference_documents/EvaluationProbe.h"
#include "tools/reference_documents/PdfComposer.h"

#include <QString>

#include <vector>

namespace dorvanta::documents {

void ComposeVoltageDerating(TPdfComposer& pdf);
void ComposeRippleCurrent(TPdfComposer& pdf);
void ComposeFailureRate(TPdfComposer& pdf);

// A number in the program's general number format.
[[nodiscard]] QString Number(Real value);

// A number in plain notation whatever its size, for constants of formulas.
[[nodiscard]] QString PlainNumber(Real value);

// Values from `first` to `last` spaced evenly on a logarithmic scale.
[[nodiscard]] std::vector<double> LogarithmicRange(double first, double last, int count);

// The worked example of the documents: a KEL part in case D, rated 35 V with
// an ESR of 0.3 ohm, at Va = 20 V in a circuit of 0.11 ohm whose supply
// delivers at most 10 A.
[[nodiscard]] TProbe WorkedExample();

// A table of factors at -55, 25, 40, 85 °C and the top temperature, one row
// per group of series.
void AddTemperatureFactors(TPdfComposer& pdf,
                           const std::vector<SeriesGroup<TTemperatureRow>>& groups);

// A table of the worked example's values at its five temperatures, one row
// per caption and field.
struct TValueRow {
    QString caption;
    const TTemperatureValues* values;
};
void AddTemperatureValues(TPdfComposer& pdf, const std::vector<TValueRow>& rows);

// Equal-width columns across the text width, the first left-aligned.
[[nodiscard]] std::vector<TTableColumn> Columns(const QStringList& captions, double firstWidth = 0);

} // namespace dorvanta::documents
