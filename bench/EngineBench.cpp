// The evaluation and the search against a floor: the one exponential and the
// one square root per entry that no implementation can avoid. Prints each
// benchmark's time per entry and its ratio to the floor's.
#include "core/catalogue/Catalogue.h"
#include "core/engine/Evaluation.h"
#include "core/engine/Search.h"
#include "platform/System.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace dorvanta;

constexpr std::int64_t kLargeCatalogue = 1'000'000;

// The benchmark's application: Rs 0.1 + Rl 0.01 ohm, Imax 10 A, Va 5 V,
// capacitance "> 0.1" in any case.
TVstupniUdaje Application() {
    TVstupniUdaje data;
    data.Resistance = 0.1L + 0.01L;
    data.Imax = 10;
    data.Va = 5;
    data.Parametry1.Operator = coGreater;
    data.Parametry1.Capacitance = {0, 0.1L, 0};
    data.Parametry1.CaseSize = "all";
    return data;
}

// The built-in entries repeated up to `size` entries.
const std::vector<TPartNoRecord>& Catalogue(std::int64_t size) {
    static std::map<std::int64_t, std::vector<TPartNoRecord>> catalogues;
    auto& entries = catalogues[size];
    if (entries.empty()) {
        const auto builtIn = BuiltInCatalogue();
        entries.reserve(static_cast<std::size_t>(size));
        for (std::int64_t i = 0; i < size; ++i) {
            entries.push_back(builtIn[static_cast<std::size_t>(i) % builtIn.size()]);
        }
    }
    return entries;
}

void SetEntries(benchmark::State& state, std::int64_t entriesPerIteration) {
    state.counters["entries"] = static_cast<double>(entriesPerIteration);
    state.SetItemsProcessed(state.iterations() * entriesPerIteration);
}

void BM_EvaluatePart(benchmark::State& state) {
    const auto catalogue = BuiltInCatalogue();
    const TVstupniUdaje data = Application();
    TPartNoInfo candidate;
    std::size_t i = 0;
    for (auto _ : state) {
        const bool ok = EvaluatePart(catalogue[i], candidate, data);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(candidate);
        i = i + 1 == catalogue.size() ? 0 : i + 1;
    }
    SetEntries(state, 1);
}
BENCHMARK(BM_EvaluatePart);

// FindParts alone. The previous run's list is freed outside the timing; for
// the large catalogue its memory is handed back to the system as well, so
// that every run pays the first touch of its pages, as a user's one search
// of a large catalogue does. The built-in catalogue's runs reuse the memory,
// as the window's repeated searches do.
void BM_FindParts(benchmark::State& state) {
    const auto& catalogue = Catalogue(state.range(0));
    const bool freshMemory = state.range(0) >= kLargeCatalogue;
    const TVstupniUdaje data = Application();
    std::size_t found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<TResultList>();
        TRejectReasons reasons;
        state.ResumeTiming();
        FindParts(catalogue, data, *list, reasons, false);
        found = list->size();
        state.PauseTiming();
        list.reset();
        if (freshMemory) {
            platform::ReturnFreeMemory();
        }
        state.ResumeTiming();
    }
    state.counters["found"] = static_cast<double>(found);
    SetEntries(state, state.range(0));
}
BENCHMARK(BM_FindParts)
    ->Arg(static_cast<std::int64_t>(kBuiltInCatalogueSize))
    ->Arg(kLargeCatalogue)
    ->Unit(benchmark::kMillisecond);

// The unavoidable arithmetic: exp(9.7292 Va / Vr) and √(P / ESR / 0.001) in
// long double, over the same entries with their reals read beforehand.
void BM_Floor(benchmark::State& state) {
    const auto& catalogue = Catalogue(state.range(0));
    std::vector<Real> vr;
    std::vector<Real> esr;
    vr.reserve(catalogue.size());
    esr.reserve(catalogue.size());
    for (const auto& entry : catalogue) {
        vr.push_back(entry.RatedVoltage.value());
        esr.push_back(entry.ESRmax.value());
    }
    const Real va = Application().Va;
    for (auto _ : state) {
        Real sum = 0;
        for (std::size_t i = 0; i < vr.size(); ++i) {
            sum += std::exp(9.7292L * va / vr[i]) + std::sqrt(0.1L / esr[i] / 0.001L);
        }
        benchmark::DoNotOptimize(sum);
    }
    SetEntries(state, state.range(0));
}
BENCHMARK(BM_Floor)->Arg(kLargeCatalogue)->Unit(benchmark::kMillisecond);

// The console report, then each benchmark's time per entry against the floor's.
class TRatioReporter : public benchmark::ConsoleReporter {
    static std::string ArgumentOf(const Run& run) {
        return run.run_name.args.empty() ? "" : "/" + run.run_name.args;
    }

public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // Single runs, or the median of repeated ones.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median)) {
                continue;
            }
            const auto entries = run.counters.find("entries");
            const double perIteration =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const double perEntry =
                perIteration / (entries == run.counters.end() ? 1.0 : entries->second.value);
            results_.push_back(
                {run.run_name.function_name + ArgumentOf(run), perIteration, perEntry});
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        double floor = 0;
        for (const auto& r : results_) {
            if (r.name.starts_with("BM_Floor")) {
                floor = r.perEntry;
            }
        }
        std::printf("\n%-24s %14s %14s %10s\n", "benchmark", "per run", "per entry", "/ floor");
        for (const auto& r : results_) {
            std::printf("%-24s %11.3f ms %11.1f ns %10.2f\n", r.name.c_str(), r.perIteration * 1e3,
                        r.perEntry * 1e9, floor > 0 ? r.perEntry / floor : 0.0);
        }
    }

private:
    struct TResult {
        std::string name;
        double perIteration; // s
        double perEntry;     // s
    };
    std::vector<TResult> results_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
