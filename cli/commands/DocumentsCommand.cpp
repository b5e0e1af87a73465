#include "cli/commands/DocumentsCommand.h"

#include "documents/ReferenceDocuments.h"
#include "platform/SafeFileWriter.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace dorvanta::cli {

namespace {

Expected<void> WriteDocuments(const std::filesystem::path& folder, std::ostream& out) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return Unexpected(folder.string() + ": " + error.message());
    }
    for (const TReferenceDocument document : kReferenceDocuments) {
        const auto path = folder / DocumentFileName(document);
        const auto bytes = DocumentContents(document);
        const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (const auto written = WriteFileSafely(path, contents); !written) {
            return Unexpected(path.string() + ": " + written.error());
        }
        out << path.string() << "\n";
    }
    return {};
}

TCommandBody Declare(CLI::App& command) {
    auto folder = std::make_shared<std::string>();
    command
        .add_option("DIR", *folder,
                    "the folder to write into; created when missing, same-named files replaced")
        ->required();
    return [folder](const TCommandRun& run) {
        return WriteDocuments(*folder, run.Out);
    };
}

} // namespace

TCommand DocumentsCommand() noexcept {
    return {"documents",
            "Writes the three reference documents (voltage derating, ripple current,\n"
            "failure rate) as PDF files into DIR and prints their paths.",
            Declare};
}

} // namespace dorvanta::cli
