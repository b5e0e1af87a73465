#include "ResultList.h"

#include "Text1252.h"
#include "TextCase.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace dorvanta {

namespace {

// The text store grows by blocks of this many characters; a line text never
// moves once stored.
constexpr std::size_t kTextBlockSize = std::size_t{1} << 20;

// Puts lines[order[i]] at position i for every i, moving each line once;
// `order` is left as the identity.
void Permute(std::vector<TResultLine>& lines, std::vector<std::uint32_t>& order) {
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        if (order[i] == i) {
            continue;
        }
        const TResultLine held = lines[i];
        std::uint32_t j = i;
        while (order[j] != i) {
            const std::uint32_t from = order[j];
            lines[j] = lines[from];
            order[j] = j;
            j = from;
        }
        lines[j] = held;
        order[j] = j;
    }
}

} // namespace

std::string_view LinePartNumber(std::string_view lineText) noexcept {
    return lineText.substr(0, lineText.find(' '));
}

std::string_view TResultLine::PartNumber() const noexcept {
    return LinePartNumber(Text);
}

TPartNoInfo CandidateInfo(const TResultLine& line) {
    return line.Given != nullptr ? *line.Given : ExpandCandidate(line.Compact);
}

std::string ResultLineText(std::string_view partNumber, std::string_view voltage) {
    std::string text;
    text.reserve(partNumber.size() + 1 + voltage.size());
    AppendWindows1252AsUtf8(text, partNumber);
    text += ' ';
    text += voltage;
    return text;
}

char* TResultList::TextRoom(std::size_t size) {
    if (textFree_ < size || textBlocks_.empty()) {
        const std::size_t blockSize = std::max(size, kTextBlockSize);
        textBlocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
        textFree_ = blockSize;
    }
    char* room = textBlocks_.back().get() + (kTextBlockSize - textFree_);
    textFree_ -= size;
    return room;
}

std::string_view TResultList::StoreText(std::string_view text) {
    if (text.size() > kTextBlockSize) {
        // A block of its own, put before the current block so that the
        // current block keeps its free room.
        auto block = std::make_unique_for_overwrite<char[]>(text.size());
        std::memcpy(block.get(), text.data(), text.size());
        const std::string_view stored(block.get(), text.size());
        textBlocks_.insert(textBlocks_.end() - (textBlocks_.empty() ? 0 : 1), std::move(block));
        return stored;
    }
    char* room = TextRoom(text.size());
    std::memcpy(room, text.data(), text.size());
    return {room, text.size()};
}

void TResultList::Add(std::string_view partNumber, std::string_view voltage,
                      const TCompactCandidate& candidate) {
    scratch_.clear();
    AppendWindows1252AsUtf8(scratch_, partNumber);
    scratch_ += ' ';
    scratch_ += voltage;
    lines_.push_back(TResultLine{StoreText(scratch_), nullptr, candidate});
}

void TResultList::Add(std::string_view text, std::unique_ptr<TPartNoInfo> info) {
    const TPartNoInfo* given = given_.emplace_back(std::move(info)).get();
    lines_.push_back(TResultLine{StoreText(text), given, {}});
}

void TResultList::Add(const TResultLine& line) {
    if (line.Given != nullptr) {
        Add(line.Text, std::make_unique<TPartNoInfo>(*line.Given));
        return;
    }
    lines_.push_back(TResultLine{StoreText(line.Text), nullptr, line.Compact});
}

void TResultList::Clear() noexcept {
    lines_.clear();
    textBlocks_.clear();
    textFree_ = 0;
    given_.clear();
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
    // The sort moves 4-byte indices and reads each line's voltage and text
    // where they stand; each line then moves once, to its place.
    std::vector<std::uint32_t> order(lines_.size());
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    std::sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        return CompareResults(lines_[a], lines_[b]) < 0;
    });
    Permute(lines_, order);
}

int CompareResults(const TResultLine& a, const TResultLine& b) noexcept {
    const Real va = a.RatedVoltage();
    const Real vb = b.RatedVoltage();
    if (va != vb) {
        return va < vb ? -1 : 1;
    }
    // string_view compares characters as unsigned codes: the ordinal order.
    const int order = a.Text.compare(b.Text);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int CompareResults(const TResultList& list, std::size_t i, std::size_t j) noexcept {
    return CompareResults(list[i], list[j]);
}

} // namespace dorvanta
