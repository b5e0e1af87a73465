// The printed report: laying out and writing the PDF of a report of N parts,
// the parts being evaluated entries of the built-in catalogue.
#include "core/catalogue/Catalogue.h"
#include "core/display/NumberText.h"
#include "core/engine/Evaluation.h"
#include "core/engine/ResultList.h"
#include "report/qrptDorvanta.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <memory>
#include <string>

namespace {

using namespace dorvanta;

// Rs 0.1 + Rl 0.01 ohm, Imax 10 A, Va 5 V.
TVstupniUdaje Application() {
    TVstupniUdaje data;
    data.Resistance = 0.1L + 0.01L;
    data.Imax = 10;
    data.Va = 5;
    return data;
}

// The first `count` entries of the built-in catalogue that evaluate.
TResultList Parts(std::int64_t count) {
    TResultList list;
    const TVstupniUdaje data = Application();
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        if (static_cast<std::int64_t>(list.size()) == count) {
            break;
        }
        auto info = std::make_unique<TPartNoInfo>();
        if (EvaluatePart(entry, *info, data)) {
            std::string line =
                ResultLineText(entry.PartNumber.view(), FormatGeneral(info->RatedVoltage));
            list.Add(std::move(line), std::move(info));
        }
    }
    return list;
}

void BM_Report(benchmark::State& state) {
    const TResultList list = Parts(state.range(0));
    std::int64_t bytes = 0;
    for (auto _ : state) {
        TquickreportDorvanta report(list, ".");
        report.CountPages();
        const auto pdf = ReportPdf(report);
        bytes = pdf ? pdf->size() : 0;
        benchmark::DoNotOptimize(pdf);
    }
    state.counters["parts"] = static_cast<double>(list.size());
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Report)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
