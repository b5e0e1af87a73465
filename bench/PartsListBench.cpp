// The parts-list review of a 10,000-line list against the built-in
// catalogue: reading the CSV, and reading with the whole check (matching,
// evaluation of every matched entry, replacements for the lines that fail).
// The review must stay below one second.
#include "core/catalogue/Catalogue.h"
#include "core/review/PartsList.h"
#include "core/review/PartsListCheck.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace dorvanta;

constexpr std::size_t kLines = 10'000;

// A catalogue part number as a maker prints it: a tolerance letter and a
// packaging code in place of the wildcards.
std::string Written(std::string_view catalogue) {
    std::string written(catalogue);
    for (char& c : written) {
        c = c == '*' ? 'K' : c == '#' ? 'T' : c;
    }
    return written;
}

// `lines` lines that walk through the built-in catalogue; every tenth is
// another maker's part. With `ownVoltage`, each line gives its own Va out of
// ten values, so that replacements are searched for ten circuits.
std::string PartsListText(std::size_t lines, bool ownVoltage) {
    const auto catalogue = BuiltInCatalogue();
    std::string text = "Reference,Value,MPN,Va\r\n";
    for (std::size_t i = 0; i < lines; ++i) {
        text += "\"C" + std::to_string(i + 1) + "\",10u,";
        text += i % 10 == 9 ? std::string("GRM188R61A106KE69D")
                            : Written(catalogue[(i * 7) % catalogue.size()].PartNumber.view());
        text += ",";
        text += ownVoltage ? std::to_string(3 + i % 10) : std::string();
        text += "\r\n";
    }
    return text;
}

TCheckOptions Options() {
    TCheckOptions options;
    options.Defaults = {0.1L, 0.01L, 10, 5};
    return options;
}

void BM_ReadPartsList(benchmark::State& state) {
    const std::string text = PartsListText(kLines, false);
    for (auto _ : state) {
        auto list = ReadPartsList(text);
        benchmark::DoNotOptimize(list);
    }
    state.counters["lines"] = static_cast<double>(kLines);
}
BENCHMARK(BM_ReadPartsList)->Unit(benchmark::kMillisecond);

void BM_ReviewPartsList(benchmark::State& state) {
    const std::string text = PartsListText(kLines, state.range(0) != 0);
    std::size_t failing = 0;
    for (auto _ : state) {
        const auto list = ReadPartsList(text);
        const TPartsListReview review = CheckPartsList(*list, BuiltInCatalogue(), Options());
        failing = review.Summary.NotRecommended;
        benchmark::DoNotOptimize(review);
    }
    state.counters["lines"] = static_cast<double>(kLines);
    state.counters["not_recommended"] = static_cast<double>(failing);
}
// 0: every line at the default circuit; 1: ten circuits, one per line's Va.
BENCHMARK(BM_ReviewPartsList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
