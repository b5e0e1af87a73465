#include "Commands.h"

#include "CatalogueCommands.h"
#include "CheckCommand.h"
#include "DocumentsCommand.h"
#include "ImportCatalogueCommand.h"
#include "ListsCommand.h"
#include "ReportCommand.h"
#include "SearchCommand.h"

#include <array>

namespace dorvanta::cli {

std::span<const Command> AllCommands() noexcept {
    static const std::array commands = {
        SearchCommand(),          ReportCommand(),          ListsCommand(), InfoCommand(),
        ExportCatalogueCommand(), ImportCatalogueCommand(), CheckCommand(), DocumentsCommand()};
    return commands;
}

} // namespace dorvanta::cli
