#include "Commands.h"

#include "CatalogueCommands.h"
#include "DocumentsCommand.h"
#include "ListsCommand.h"
#include "ReportCommand.h"
#include "SearchCommand.h"

#include <array>

namespace dorvanta::cli {

namespace {

constexpr auto kGlobalOptions = std::to_array<OptionSpec>({
    {"--help", "", "print this help"},
});

} // namespace

std::span<const OptionSpec> GlobalOptions() noexcept {
    return kGlobalOptions;
}

std::span<const Command> AllCommands() noexcept {
    static const std::array<Command, 6> commands = {SearchCommand(),          ReportCommand(),
                                                    ListsCommand(),           InfoCommand(),
                                                    ExportCatalogueCommand(), DocumentsCommand()};
    return commands;
}

} // namespace dorvanta::cli
