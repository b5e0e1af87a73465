#include "core/review/PartMatching.h"

#include "core/record/TextCase.h"

#include <algorithm>

namespace dorvanta {

namespace {

constexpr std::size_t kSuffixLength = 4;

bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsWildcard(char c) noexcept {
    return c == '*' || c == '#';
}

bool AllDigits(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

// The length of a catalogue number without its ESR suffix: four digits right
// after the packaging position `#`.
std::size_t StemLength(std::string_view catalogue) noexcept {
    const std::size_t n = catalogue.size();
    if (n > kSuffixLength && catalogue[n - kSuffixLength - 1] == '#' &&
        AllDigits(catalogue.substr(n - kSuffixLength))) {
        return n - kSuffixLength;
    }
    return n;
}

bool CharacterMatches(char pattern, char written) noexcept {
    if (pattern == '#') {
        return true;
    }
    if (pattern == '*' && written != '*') {
        return IsLetter(written);
    }
    return AsciiLower(pattern) == AsciiLower(written);
}

bool StemMatches(std::string_view stem, std::string_view written) noexcept {
    return std::equal(stem.begin(), stem.end(), written.begin(), written.end(), CharacterMatches);
}

} // namespace

bool PartNumberMatches(std::string_view catalogue, std::string_view written) noexcept {
    const std::size_t stemLength = StemLength(catalogue);
    const std::string_view stem = catalogue.substr(0, stemLength);
    if (written.size() < stemLength || !StemMatches(stem, written.substr(0, stemLength))) {
        return false;
    }
    const std::string_view rest = written.substr(stemLength);
    if (stemLength < catalogue.size()) {
        return rest == catalogue.substr(stemLength);
    }
    return rest.empty() || (rest.size() == kSuffixLength && AllDigits(rest));
}

TPartIndex::TPartIndex(std::span<const TPartNoRecord> catalogue) : catalogue_(catalogue) {
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const std::string_view number = catalogue[i].PartNumber.view();
        const std::string_view stem = number.substr(0, StemLength(number));
        std::vector<std::size_t> wildcards;
        for (std::size_t p = 0; p < stem.size(); ++p) {
            if (IsWildcard(stem[p])) {
                wildcards.push_back(p);
            }
        }
        auto group = std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) {
            return g.StemLength == stem.size() && g.Wildcards == wildcards;
        });
        if (group == groups_.end()) {
            group = groups_.insert(groups_.end(), Group{stem.size(), std::move(wildcards), {}});
        }
        group->Entries[Key(stem, *group)].push_back(i);
    }
}

std::string TPartIndex::Key(std::string_view stem, const Group& group) {
    std::string key(stem);
    for (char& c : key) {
        c = AsciiLower(c);
    }
    for (const std::size_t p : group.Wildcards) {
        key[p] = '#';
    }
    return key;
}

std::vector<std::size_t> TPartIndex::Match(std::string_view written) const {
    std::vector<std::size_t> found;
    for (const Group& group : groups_) {
        if (written.size() != group.StemLength &&
            written.size() != group.StemLength + kSuffixLength) {
            continue;
        }
        const auto entries = group.Entries.find(Key(written.substr(0, group.StemLength), group));
        if (entries == group.Entries.end()) {
            continue;
        }
        for (const std::size_t i : entries->second) {
            if (PartNumberMatches(catalogue_[i].PartNumber.view(), written)) {
                found.push_back(i);
            }
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace dorvanta
