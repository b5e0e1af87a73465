#include "ProgramDirectory.h"

#include <system_error>

namespace dorvanta::cli {

std::filesystem::path ProgramDirectory(std::string_view argv0) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return program.parent_path();
    }
    const auto given = std::filesystem::absolute(std::filesystem::path(argv0), error);
    return error ? std::filesystem::path(".") : given.parent_path();
}

} // namespace dorvanta::cli
