// The ordered list of recommended parts: one line per accepted catalogue
// entry, each owning its evaluated candidate.
#pragma once

#include "PartNoInfo.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {

// The line text is the part number, one blank and the rated voltage in the
// general number format ("KELD106*035#0300 35"). Part numbers hold no blank,
// so the text before the first blank is the part number.
struct TResultLine {
    std::string Text;
    std::unique_ptr<TPartNoInfo> Info; // never null in a list

    [[nodiscard]] std::string_view PartNumber() const noexcept;
    [[nodiscard]] Real RatedVoltage() const noexcept { return Info->RatedVoltage; }
};

// The candidate of a line: its catalogue values and every value computed for
// the application. Readers (the details panel, the report, the exports) take
// a line's values through here, once per line they show.
[[nodiscard]] TPartNoInfo CandidateInfo(const TResultLine& line);

// The part number of a line text: the text before its first blank.
[[nodiscard]] std::string_view LinePartNumber(std::string_view lineText) noexcept;

// The text of a line: the Windows-1252 `partNumber` as UTF-8, a blank and
// the voltage's text.
[[nodiscard]] std::string ResultLineText(std::string_view partNumber, std::string_view voltage);

// Lines keep the order in which they were added until Sort.
class TResultList {
public:
    using const_iterator = std::vector<TResultLine>::const_iterator;

    void Add(std::string text, std::unique_ptr<TPartNoInfo> info);
    void Clear() noexcept { lines_.clear(); }
    void Reserve(std::size_t count) { lines_.reserve(count); }

    [[nodiscard]] std::size_t size() const noexcept { return lines_.size(); }
    [[nodiscard]] bool empty() const noexcept { return lines_.empty(); }
    [[nodiscard]] const TResultLine& operator[](std::size_t i) const noexcept { return lines_[i]; }
    [[nodiscard]] const_iterator begin() const noexcept { return lines_.begin(); }
    [[nodiscard]] const_iterator end() const noexcept { return lines_.end(); }

    // The first line whose text equals `text` when letter case is ignored.
    [[nodiscard]] std::optional<std::size_t> IndexOf(std::string_view text) const noexcept;

    // Orders the lines by CompareResults.
    void Sort();

private:
    std::vector<TResultLine> lines_;
};

// Negative when line i comes before line j: ascending rated voltage, then the
// line texts by character code (a prefix first). 0 only for identical lines.
[[nodiscard]] int CompareResults(const TResultList& list, std::size_t i, std::size_t j) noexcept;
[[nodiscard]] int CompareResults(const TResultLine& a, const TResultLine& b) noexcept;

} // namespace dorvanta
