// Fuzz entry for the parts-list reader: any bytes are read as a parts list;
// a list that is read is reviewed against the built-in catalogue and written
// as text and CSV. What comes out must keep the reader's promises: line
// numbers that rise, part numbers without blanks around them, circuit values
// in range, a review with one line per list line whose counts add up.
// The replay test runs the committed corpus through the same entry.
#include "core/catalogue/Catalogue.h"
#include "core/export/PartsListOutput.h"
#include "core/review/PartsList.h"
#include "core/review/PartsListCheck.h"

#include <cstddef>
#include <cstdint>
#include <numeric>
#include <sstream>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool Trimmed(std::string_view text) {
    return text.empty() || (text.front() != ' ' && text.back() != ' ');
}

void CheckLine(const dorvanta::TPartsListLine& line, std::size_t previous) {
    Require(line.Line > previous);
    Require(Trimmed(line.PartNumber));
    const dorvanta::TLineApplication& a = line.Application;
    Require(!a.Va || *a.Va > 0);
    Require(!a.Imax || *a.Imax > 0);
    Require(!a.Rs || *a.Rs >= 0);
    Require(!a.Rl || *a.Rl >= 0);
}

void CheckReview(const dorvanta::TPartsList& list) {
    dorvanta::TCheckOptions options;
    options.Defaults = {0.1L, 0.01L, 10, 5};
    const dorvanta::TPartsListReview review =
        dorvanta::CheckPartsList(list, dorvanta::BuiltInCatalogue(), options);
    Require(review.Lines.size() == list.Lines.size());
    const auto& counts = review.Summary.Counts;
    Require(std::accumulate(counts.begin(), counts.end(), std::size_t{0}) == list.Lines.size());
    for (const dorvanta::TCheckedLine& line : review.Lines) {
        Require(line.Replacements.size() <= dorvanta::kMaxReplacements);
        for (const dorvanta::TCheckedPart& replacement : line.Replacements) {
            Require(replacement.Verdict == dorvanta::TVerdict::Recommended);
        }
    }
    std::ostringstream out;
    dorvanta::WriteReviewText(out, review);
    dorvanta::WriteReviewCsv(out, review);
    Require(static_cast<bool>(out));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)dorvanta::ExpandDesignators(text.substr(0, 64));
    const auto list = dorvanta::ReadPartsList(text);
    if (!list) {
        Require(!list.error().empty());
        return 0;
    }
    Require(!list->Lines.empty());
    std::size_t previous = 0;
    for (const dorvanta::TPartsListLine& line : list->Lines) {
        CheckLine(line, previous);
        previous = line.Line;
    }
    CheckReview(*list);
    return 0;
}
