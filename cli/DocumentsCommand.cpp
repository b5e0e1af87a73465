#include "DocumentsCommand.h"

#include "ReferenceDocuments.h"
#include "SafeFileWriter.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace dorvanta::cli {

namespace {

constexpr auto kOptions = std::to_array<OptionSpec>({
    {"", "DIR", "the folder to write into; created when missing, same-named files replaced"},
});

int Run(const Arguments& args, std::ostream& out, std::ostream& /*err*/) {
    const auto folderText = args.Value("");
    if (!folderText) {
        throw UsageError("documents needs the DIR to write into");
    }
    const std::filesystem::path folder(*folderText);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw Failure(*folderText + ": " + error.message());
    }
    for (const ReferenceDocument document : kReferenceDocuments) {
        const auto path = folder / DocumentFileName(document);
        const auto bytes = DocumentContents(document);
        const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (const auto written = WriteFileSafely(path, contents); !written) {
            throw Failure(path.string() + ": " + written.error());
        }
        out << path.string() << "\n";
    }
    return kExitSuccess;
}

} // namespace

Command DocumentsCommand() noexcept {
    return {"documents", "documents DIR",
            "Writes the three reference documents (voltage derating, ripple current,\n"
            "failure rate) as PDF files into DIR and prints their paths.",
            kOptions, Run};
}

} // namespace dorvanta::cli
