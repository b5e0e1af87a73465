#include "core/engine/ResultList.h"

#include "core/record/Text1252.h"
#include "core/record/TextCase.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace dorvanta {

// A search of a large catalogue keeps hundreds of thousands of lines: two
// cache lines each at most.
static_assert(sizeof(TResultLine) <= 128);

namespace {

// The text store grows by blocks, from the first block's size doubling up
// to the largest; a line text never moves once stored.
constexpr std::size_t kFirstTextBlockSize = std::size_t{1} << 16;
constexpr std::size_t kLargestTextBlockSize = std::size_t{1} << 22;

// Whether every character of `text` is ASCII, its own UTF-8.
bool IsAscii(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Puts lines[order[i]] at position i for every i, moving each line once;
// `order` is left as the identity.
template <class Lines> void Permute(Lines& lines, std::vector<std::uint32_t>& order) {
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
        const std::size_t next =
            textBlocks_.empty() ? kFirstTextBlockSize
                                : std::min(2 * textBlocks_.back().size(), kLargestTextBlockSize);
        textBlocks_.emplace_back().resize(std::max(size, next));
        textFree_ = textBlocks_.back().size();
    }
    TTextBlock& block = textBlocks_.back();
    char* room = block.data() + (block.size() - textFree_);
    textFree_ -= size;
    return room;
}

std::string_view TResultList::StoreText(std::string_view text) {
    if (text.size() > kLargestTextBlockSize) {
        // A block of its own, put before the current block so that the
        // current block keeps its free room.
        TTextBlock block(text.begin(), text.end());
        const std::string_view stored(block.data(), block.size());
        textBlocks_.insert(textBlocks_.end() - (textBlocks_.empty() ? 0 : 1), std::move(block));
        return stored;
    }
    char* room = TextRoom(text.size());
    std::memcpy(room, text.data(), text.size());
    return {room, text.size()};
}

void TResultList::Add(std::string_view partNumber, std::string_view voltage,
                      const TCompactCandidate& candidate) {
    std::string_view text;
    if (IsAscii(partNumber)) {
        // Its own UTF-8: written straight into the store.
        const std::size_t size = partNumber.size() + 1 + voltage.size();
        char* room = TextRoom(size);
        std::memcpy(room, partNumber.data(), partNumber.size());
        room[partNumber.size()] = ' ';
        std::memcpy(room + partNumber.size() + 1, voltage.data(), voltage.size());
        text = {room, size};
    } else {
        text = StoreText(ResultLineText(partNumber, voltage));
    }
    lines_.push_back(TResultLine{text, nullptr, candidate});
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
    // The sort moves 4-byte indices and reads each line's text where it
    // stands; each line then moves once, to its place. A list of a few
    // hundred rated voltages or fewer compares them by their rank among the
    // list's voltages, computed once per line, instead of decoding two
    // voltages per comparison: the same answer for every pair, so the same
    // order as CompareResults gives, equal lines included.
    std::vector<std::uint32_t> order(lines_.size());
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    if (const auto ranks = VoltageRanks()) {
        std::sort(order.begin(), order.end(), [this, &ranks](std::uint32_t a, std::uint32_t b) {
            const std::uint8_t ra = (*ranks)[a];
            const std::uint8_t rb = (*ranks)[b];
            return ra != rb ? ra < rb : lines_[a].Text < lines_[b].Text;
        });
    } else {
        std::sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
            return CompareResults(lines_[a], lines_[b]) < 0;
        });
    }
    Permute(lines_, order);
}

std::optional<std::vector<std::uint8_t>> TResultList::VoltageRanks() const {
    constexpr std::size_t kMostVoltages = 256;
    std::vector<Real> voltages;
    for (const TResultLine& line : lines_) {
        const Real v = line.RatedVoltage();
        if (std::isnan(v)) {
            return std::nullopt; // unordered: CompareResults alone decides
        }
        if (std::find(voltages.begin(), voltages.end(), v) == voltages.end()) {
            if (voltages.size() == kMostVoltages) {
                return std::nullopt;
            }
            voltages.push_back(v);
        }
    }
    std::sort(voltages.begin(), voltages.end());
    std::vector<std::uint8_t> ranks(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto rank =
            std::lower_bound(voltages.begin(), voltages.end(), lines_[i].RatedVoltage());
        ranks[i] = static_cast<std::uint8_t>(rank - voltages.begin());
    }
    return ranks;
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
