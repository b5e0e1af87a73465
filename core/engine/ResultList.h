// The ordered list of recommended parts: one line per accepted catalogue
// entry, each holding the compact record of its candidate.
#pragma once

#include "core/engine/Evaluation.h"
#include "core/engine/PartNoInfo.h"
#include "core/record/RecordStorage.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {

// The line text is the part number, one blank and the rated voltage in the
// general number format ("KELD106*035#0300 35"). Part numbers hold no blank,
// so the text before the first blank is the part number. A line is a small
// value: its text lives in its list's text store and its candidate is a
// compact record whose temperature arrays are computed when read.
struct TResultLine {
    std::string_view Text;
    // A candidate given whole to TResultList::Add, owned by the list; null
    // for the lines of a search, whose candidate is Compact.
    const TPartNoInfo* Given = nullptr;
    TCompactCandidate Compact;

    [[nodiscard]] std::string_view PartNumber() const noexcept;
    [[nodiscard]] Real RatedVoltage() const noexcept {
        return Given != nullptr ? Given->RatedVoltage : Compact.Voltage();
    }
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

// Lines keep the order in which they were added until Sort. Moving a list
// keeps its lines' texts where they are.
class TResultList {
    // The lines and the texts of a large search are written once, into
    // fresh memory: their storage skips the zeroing and takes huge pages
    // (see TRecordAllocator).
    using TLines = std::vector<TResultLine, TRecordAllocator<TResultLine>>;
    using TTextBlock = std::vector<char, TRecordAllocator<char>>;

public:
    using const_iterator = TLines::const_iterator;

    // A line of a search: the Windows-1252 part number of the entry, the
    // text of its rated voltage and its candidate's compact record.
    void Add(std::string_view partNumber, std::string_view voltage,
             const TCompactCandidate& candidate);
    // A line whose candidate is given whole.
    void Add(std::string_view text, std::unique_ptr<TPartNoInfo> info);
    // A copy of another list's line: its text and its candidate.
    void Add(const TResultLine& line);
    void Clear() noexcept;
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
    // The rank of each line's rated voltage among the list's voltages;
    // nothing for more than 256 voltages or a voltage that is not a number.
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> VoltageRanks() const;
    // Room for `size` characters of text that stays where it is.
    [[nodiscard]] char* TextRoom(std::size_t size);
    [[nodiscard]] std::string_view StoreText(std::string_view text);

    TLines lines_;
    std::vector<TTextBlock> textBlocks_;
    std::size_t textFree_ = 0; // characters left in the last block
    std::vector<std::unique_ptr<TPartNoInfo>> given_;
};

// Negative when line i comes before line j: ascending rated voltage, then the
// line texts by character code (a prefix first). 0 only for identical lines.
[[nodiscard]] int CompareResults(const TResultList& list, std::size_t i, std::size_t j) noexcept;
[[nodiscard]] int CompareResults(const TResultLine& a, const TResultLine& b) noexcept;

} // namespace dorvanta
