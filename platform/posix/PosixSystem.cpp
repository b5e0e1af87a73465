// The system queries on POSIX systems: the program file through
// /proc/self/exe, the memory through sysconf, huge pages through madvise.
#include "platform/System.h"

#include <sys/mman.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <system_error>
#include <unistd.h>

namespace dorvanta::platform {

std::string SystemErrorText(int error) {
    if (error == 0) {
        return std::make_error_code(std::errc::io_error).message();
    }
    return std::system_category().message(error);
}

std::filesystem::path ProgramDirectory(std::string_view argv0) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return program.parent_path();
    }
    const auto given = std::filesystem::absolute(std::filesystem::path(argv0), error);
    return error ? std::filesystem::path(".") : given.parent_path();
}

std::optional<std::uint64_t> PhysicalMemoryBytes() {
#if defined(_SC_PHYS_PAGES)
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
#else
    return std::nullopt;
#endif
}

void AdviseHugePages(void* start, std::size_t size) noexcept {
#if defined(MADV_HUGEPAGE)
    (void)::madvise(start, size, MADV_HUGEPAGE);
#else
    (void)start;
    (void)size;
#endif
}

void ReturnFreeMemory() noexcept {
#if defined(__GLIBC__)
    (void)::malloc_trim(0);
#endif
}

} // namespace dorvanta::platform
