#include "ResultList.h"

#include "Text1252.h"
#include "TextCase.h"

#include <algorithm>

namespace dorvanta {

std::string_view LinePartNumber(std::string_view lineText) noexcept {
    return lineText.substr(0, lineText.find(' '));
}

std::string_view TResultLine::PartNumber() const noexcept {
    return LinePartNumber(Text);
}

TPartNoInfo CandidateInfo(const TResultLine& line) {
    return *line.Info;
}

std::string ResultLineText(std::string_view partNumber, std::string_view voltage) {
    std::string text;
    text.reserve(partNumber.size() + 1 + voltage.size());
    AppendWindows1252AsUtf8(text, partNumber);
    text += ' ';
    text += voltage;
    return text;
}

void TResultList::Add(std::string text, std::unique_ptr<TPartNoInfo> info) {
    lines_.push_back(TResultLine{std::move(text), std::move(info)});
}

std::optional<std::size_t> TResultList::IndexOf(std::string_view text) const noexcept {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (EqualsIgnoringCase(lines_[i].Text, text)) {
            return i;
        }
    }
    return std::nullopt;
}

void TResultList::Sort() {
    std::sort(lines_.begin(), lines_.end(),
              [](const TResultLine& a, const TResultLine& b) { return CompareResults(a, b) < 0; });
}

int CompareResults(const TResultLine& a, const TResultLine& b) noexcept {
    const Real va = a.Info->RatedVoltage;
    const Real vb = b.Info->RatedVoltage;
    if (va != vb) {
        return va < vb ? -1 : 1;
    }
    // std::string compares characters as unsigned codes: the ordinal order.
    const int order = a.Text.compare(b.Text);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int CompareResults(const TResultList& list, std::size_t i, std::size_t j) noexcept {
    return CompareResults(list[i], list[j]);
}

} // namespace dorvanta
