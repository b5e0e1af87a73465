// Loading a catalogue file of 1,000,000 entries against only reading its
// bytes, as `cat` does; and the import of a catalogue CSV of 1,000,000 lines
// (the built-in entries repeated), read and checked alone, and read, checked
// and written as a catalogue file. The CSV and the file imported from it are
// written to the system's temporary directory once and removed at the end.
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/CatalogueCsv.h"
#include "core/catalogue/CatalogueFile.h"
#include "core/display/NumberText.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using namespace dorvanta;

constexpr std::int64_t kLargeCatalogue = 1'000'000;

// A file in the system's temporary directory, written once by `write` and
// removed at the end.
class TBenchFile {
public:
    TBenchFile(const std::string& name,
               const std::function<bool(const std::filesystem::path&)>& write)
        : path_(std::filesystem::temp_directory_path() / name) {
        if (!write(path_)) {
            throw std::runtime_error("cannot write " + path_.string());
        }
    }
    ~TBenchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TBenchFile(const TBenchFile&) = delete;
    TBenchFile& operator=(const TBenchFile&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    [[nodiscard]] std::int64_t Bytes() const {
        return static_cast<std::int64_t>(std::filesystem::file_size(path_));
    }

private:
    std::filesystem::path path_;
};

// A catalogue CSV of `lines` entries: the built-in entries repeated, their
// numbers in the general format.
bool WriteLargeCsv(const std::filesystem::path& path, std::int64_t lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << kCatalogueCsvHeader << "\n";
    const auto builtIn = BuiltInCatalogue();
    for (std::int64_t i = 0; i < lines; ++i) {
        const auto& entry = builtIn[static_cast<std::size_t>(i) % builtIn.size()];
        out << entry.PartNumber.view() << ',' << entry.CaseSize.view();
        for (const TExtended* value :
             {&entry.Capacitance, &entry.RatedVoltage, &entry.DCLmax, &entry.DF, &entry.ESRmax}) {
            out << ',' << FormatGeneral(value->value());
        }
        out << '\n';
    }
    return static_cast<bool>(out.flush());
}

const TBenchFile& Csv() {
    static const TBenchFile csv(
        "dorvanta-bench-" + std::to_string(kLargeCatalogue) + ".csv",
        [](const auto& path) { return WriteLargeCsv(path, kLargeCatalogue); });
    return csv;
}

// The catalogue file of the CSV's entries, made by the import.
const TBenchFile& File() {
    static const TBenchFile file(
        "dorvanta-bench-" + std::to_string(kLargeCatalogue) + ".dat", [](const auto& path) {
            return static_cast<bool>(
                ImportCatalogue(Csv().Path(), path, kExportVersion, ExportDate()));
        });
    return file;
}

// LoadCatalogueFile as the program calls it; the loaded catalogue is freed
// outside the timing.
void BM_LoadCatalogueFile(benchmark::State& state) {
    const auto& file = File();
    TPartNumbers catalogue;
    for (auto _ : state) {
        const TCatalogueLoad load = LoadCatalogueFile(file.Path(), TLocaleTexts{}, catalogue);
        if (load.Result != TCatalogueLoad::Outcome::External) {
            state.SkipWithError("the file did not load");
            break;
        }
        state.PauseTiming();
        TPartNumbers{}.swap(catalogue);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}
BENCHMARK(BM_LoadCatalogueFile)->Arg(kLargeCatalogue)->Unit(benchmark::kMillisecond);

// The floor: the file's bytes read in 128 KiB blocks and dropped, like cat.
void BM_ReadFile(benchmark::State& state) {
    const auto& file = File();
    static std::array<char, 128 * 1024> block;
    for (auto _ : state) {
        std::FILE* in = std::fopen(file.Path().c_str(), "rb");
        if (in == nullptr) {
            state.SkipWithError("the file cannot be opened");
            break;
        }
        std::size_t total = 0;
        for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), in)) > 0;) {
            total += got;
        }
        std::fclose(in);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}
BENCHMARK(BM_ReadFile)->Arg(kLargeCatalogue)->Unit(benchmark::kMillisecond);

// Reading and checking every line, nothing written.
void BM_ReadCatalogueCsv(benchmark::State& state) {
    const auto& csv = Csv();
    for (auto _ : state) {
        std::ifstream in(csv.Path(), std::ios::binary);
        const auto entries = ReadCatalogueCsv(in);
        if (!entries || entries->size() != static_cast<std::size_t>(kLargeCatalogue)) {
            state.SkipWithError("the CSV did not read");
            break;
        }
        benchmark::DoNotOptimize(entries->data());
    }
    state.SetItemsProcessed(state.iterations() * kLargeCatalogue);
}
BENCHMARK(BM_ReadCatalogueCsv)->Arg(kLargeCatalogue)->Unit(benchmark::kMillisecond);

// The whole import as the companion runs it: read, check, and write the
// catalogue file through the safe writer (synced to the device).
void BM_ImportCatalogue(benchmark::State& state) {
    const auto& csv = Csv();
    const auto target = std::filesystem::temp_directory_path() / "dorvanta-bench-import.dat";
    for (auto _ : state) {
        const auto imported = ImportCatalogue(csv.Path(), target, kExportVersion, ExportDate());
        if (!imported) {
            state.SkipWithError(imported.error().c_str());
            break;
        }
    }
    std::error_code ignored;
    std::filesystem::remove(target, ignored);
    state.SetItemsProcessed(state.iterations() * kLargeCatalogue);
}
BENCHMARK(BM_ImportCatalogue)->Arg(kLargeCatalogue)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
