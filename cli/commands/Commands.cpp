#include "cli/commands/Commands.h"

#include "cli/commands/CatalogueCommands.h"
#include "cli/commands/CheckCommand.h"
#include "cli/commands/DocumentsCommand.h"
#include "cli/commands/ImportCatalogueCommand.h"
#include "cli/commands/ListsCommand.h"
#include "cli/commands/ReportCommand.h"
#include "cli/commands/SearchCommand.h"

#include <array>

namespace dorvanta::cli {

std::span<const TCommand> AllCommands() noexcept {
    static const std::array commands = {
        SearchCommand(),          ReportCommand(),          ListsCommand(), InfoCommand(),
        ExportCatalogueCommand(), ImportCatalogueCommand(), CheckCommand(), DocumentsCommand()};
    return commands;
}

} // namespace dorvanta::cli
