#include "core/catalogue/ValueLists.h"

#include "core/display/NumberText.h"
#include "core/record/Text1252.h"
#include "core/record/TextCase.h"

#include <algorithm>
#include <optional>

namespace dorvanta {

namespace {

bool InSeries(const TPartNoRecord& entry, TTypVyrobku series) {
    return series == tvAll || SeriesOf(entry.PartNumber.view()) == series;
}

// "all" is the any-value text only in exactly that spelling.
bool InCaseSize(const TPartNoRecord& entry, std::string_view caseSize) {
    return caseSize == kAll || Windows1252ToUtf8(entry.CaseSize.view()) == caseSize;
}

void AppendIfAbsent(TValueList& list, std::string text) {
    if (std::find(list.begin(), list.end(), text) == list.end()) {
        list.push_back(std::move(text));
    }
}

// Appends the texts of `values` in their order. Equal values give equal
// texts, so collecting distinct values first formats each value once.
void AppendNumberTexts(TValueList& list, const std::vector<Real>& values,
                       std::string_view separator) {
    for (const Real value : values) {
        AppendIfAbsent(list, FormatGeneral(value, separator));
    }
}

void AddIfAbsent(std::vector<Real>& values, Real value) {
    if (std::find(values.begin(), values.end(), value) == values.end()) {
        values.push_back(value);
    }
}

void InsertAllWhenSeveral(TValueList& list) {
    if (list.size() > 1) {
        list.insert(list.begin(), std::string(kAll));
    }
}

// Both numbers: +1 when a >= b, else -1; 0 for equal texts or a non-number.
int CompareNumericTexts(std::string_view a, std::string_view b, std::string_view separator) {
    if (a == b) {
        return 0;
    }
    const std::optional<Real> x = ParseGeneral(a, separator);
    const std::optional<Real> y = ParseGeneral(b, separator);
    if (!x || !y) {
        return 0;
    }
    return *x >= *y ? 1 : -1;
}

void SortNumerically(TValueList& list, std::string_view separator) {
    // A stable merge sort stays within bounds even if a text is not a number
    // and the order is therefore not strict.
    std::stable_sort(list.begin(), list.end(), [separator](const auto& a, const auto& b) {
        return CompareNumericTexts(a, b, separator) < 0;
    });
}

void FinishNumberList(TValueList& list, const std::vector<Real>& values,
                      std::string_view separator) {
    AppendNumberTexts(list, values, separator);
    SortNumerically(list, separator);
    InsertAllWhenSeveral(list);
}

} // namespace

void FillCaseSizeList(std::span<const TPartNoRecord> catalogue, TTypVyrobku series,
                      TValueList& list) {
    for (const TPartNoRecord& entry : catalogue) {
        if (InSeries(entry, series)) {
            AppendIfAbsent(list, Windows1252ToUtf8(entry.CaseSize.view()));
        }
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& a, const auto& b) { return CompareIgnoringCase(a, b) < 0; });
    InsertAllWhenSeveral(list);
}

void FillCapacitanceList(std::span<const TPartNoRecord> catalogue, TTypVyrobku series,
                         std::string_view caseSize, TValueList& list, std::string_view separator) {
    std::vector<Real> values;
    for (const TPartNoRecord& entry : catalogue) {
        if (InSeries(entry, series) && InCaseSize(entry, caseSize)) {
            AddIfAbsent(values, entry.Capacitance.value());
        }
    }
    FinishNumberList(list, values, separator);
}

void FillVoltageList(std::span<const TPartNoRecord> catalogue, TTypVyrobku series,
                     std::string_view caseSize, std::string_view capacitance, TValueList& list,
                     std::string_view separator) {
    const bool anyCapacitance = capacitance == kAll;
    const std::optional<Real> wanted =
        anyCapacitance ? std::nullopt : ParseGeneral(capacitance, separator);
    std::vector<Real> values;
    // A capacitance text that is not a number matches no entry.
    if (anyCapacitance || wanted) {
        for (const TPartNoRecord& entry : catalogue) {
            if (InSeries(entry, series) && InCaseSize(entry, caseSize) &&
                (anyCapacitance || entry.Capacitance.value() == *wanted)) {
                AddIfAbsent(values, entry.RatedVoltage.value());
            }
        }
    }
    FinishNumberList(list, values, separator);
}

int CompareNumericStrings(const TValueList& list, std::size_t i, std::size_t j,
                          std::string_view separator) {
    return CompareNumericTexts(list[i], list[j], separator);
}

} // namespace dorvanta
