// Loading a catalogue file of 1,000,000 entries against only reading its
// bytes, as `cat` does. The file (the exported header, then the built-in
// entries repeated) is written to the system's temporary directory once and
// removed at the end. And the import of a catalogue CSV of 1,000,000 lines:
// read and checked alone, and read, checked and written as a catalogue file.
#include "Catalogue.h"
#include "CatalogueCsv.h"
#include "CatalogueFile.h"
#include "NumberText.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using namespace dorvanta;

constexpr std::int64_t kLargeCatalogue = 1'000'000;

class LargeCatalogueFile {
public:
    explicit LargeCatalogueFile(std::int64_t entries)
        : path_(std::filesystem::temp_directory_path() /
                ("dorvanta-bench-" + std::to_string(entries) + ".dat")) {
        if (!ExportCatalogue(path_)) {
            throw std::runtime_error("cannot write " + path_.string());
        }
        // The export holds the header and the built-in entries once: repeat
        // the entries up to the count.
        std::array<char, kRecordSize> header{};
        std::ifstream(path_, std::ios::binary).read(header.data(), header.size());
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(header.data(), header.size());
        const auto builtIn = BuiltInCatalogue();
        for (std::int64_t i = 0; i < entries; ++i) {
            const auto& entry = builtIn[static_cast<std::size_t>(i) % builtIn.size()];
            out.write(reinterpret_cast<const char*>(&entry), sizeof entry);
        }
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + path_.string());
        }
    }
    ~LargeCatalogueFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    LargeCatalogueFile(const LargeCatalogueFile&) = delete;
    LargeCatalogueFile& operator=(const LargeCatalogueFile&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    [[nodiscard]] std::int64_t Bytes() const {
        return static_cast<std::int64_t>(std::filesystem::file_size(path_));
    }

private:
    std::filesystem::path path_;
};

const LargeCatalogueFile& File() {
    static const LargeCatalogueFile file(kLargeCatalogue);
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

// A catalogue CSV of `lines` entries: the built-in entries repeated, their
// numbers in the general format.
class LargeCatalogueCsv {
public:
    explicit LargeCatalogueCsv(std::int64_t lines)
        : path_(std::filesystem::temp_directory_path() /
                ("dorvanta-bench-" + std::to_string(lines) + ".csv")) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << kCatalogueCsvHeader << "\n";
        const auto builtIn = BuiltInCatalogue();
        for (std::int64_t i = 0; i < lines; ++i) {
            const auto& entry = builtIn[static_cast<std::size_t>(i) % builtIn.size()];
            out << entry.PartNumber.view() << ',' << entry.CaseSize.view();
            for (const Extended* value : {&entry.Capacitance, &entry.RatedVoltage, &entry.DCLmax,
                                          &entry.DF, &entry.ESRmax}) {
                out << ',' << FormatGeneral(value->value());
            }
            out << '\n';
        }
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + path_.string());
        }
    }
    ~LargeCatalogueCsv() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    LargeCatalogueCsv(const LargeCatalogueCsv&) = delete;
    LargeCatalogueCsv& operator=(const LargeCatalogueCsv&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const LargeCatalogueCsv& Csv() {
    static const LargeCatalogueCsv csv(kLargeCatalogue);
    return csv;
}

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
